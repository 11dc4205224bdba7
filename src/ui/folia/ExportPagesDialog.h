#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace folia {

class PageChoiceForm;
struct TextSet;

// "Export pages": which pages, the folder name, and "Save", "Print" or "Exit". What the
// buttons mean is the form's; closing the window any other way cancels.
class ExportPagesDialog : public QDialog {
    Q_OBJECT
public:
    ExportPagesDialog(PageChoiceForm& form, const TextSet& texts, QWidget* parent);

    void reject() override;

private:
    void choose(int choice);

    PageChoiceForm& m_form;
    QButtonGroup* m_choices;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QLineEdit* m_folder;
};

} // namespace folia
