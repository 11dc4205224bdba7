#include "SaveImageDialogs.h"

#include "ExportPagesDialog.h"
#include "PrintConfigurationDialog.h"

namespace folia {

void SaveImageDialogs::choosePages(PageChoiceForm& form) {
    ExportPagesDialog dialog(form, m_texts, m_window);
    dialog.exec();
}

void SaveImageDialogs::configurePrinting(PrintConfigurationForm& form) {
    PrintConfigurationDialog dialog(form, m_texts, m_window);
    dialog.exec();
}

} // namespace folia
