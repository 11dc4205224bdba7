#pragma once

#include <QDialog>

class QComboBox;

namespace folia {

class PrintConfigurationForm;
struct TextSet;

// "Configure printing": copies, colour mode and resolution, and the default printer's
// name. "Continue" stores the choices; closing the window keeps the previous ones.
class PrintConfigurationDialog : public QDialog {
    Q_OBJECT
public:
    PrintConfigurationDialog(PrintConfigurationForm& form, const TextSet& texts, QWidget* parent);

private:
    PrintConfigurationForm& m_form;
    QComboBox* m_copies;
    QComboBox* m_colourMode;
    QComboBox* m_quality;
};

} // namespace folia
