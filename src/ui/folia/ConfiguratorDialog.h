#pragma once

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QPlainTextEdit;
class QVBoxLayout;

namespace folia {

struct AppState;
struct FooterSettings;
class Prompts;

// The "Configurator" behind "Set up": export format, tick-box shape, the two footers and
// the page number. Option and check-box clicks change the settings at once; the texts and
// the sizes are taken at "Exit", which writes the settings file and closes the dialog
// unless a footer switched on has no text. Closing it otherwise writes nothing.
class ConfiguratorDialog : public QDialog {
    Q_OBJECT
public:
    ConfiguratorDialog(AppState& state, Prompts& prompts, QWidget* parent);

private:
    // The controls of one footer that its "I want" box switches.
    struct FooterControls {
        QCheckBox* wanted = nullptr;
        QList<QWidget*> dependents;
        QComboBox* size = nullptr;
        QPlainTextEdit* text = nullptr;
    };
    struct FooterCaptions {
        QString heading, wanted, position, size, style, text;
    };

    QWidget* topLeft();
    QWidget* topRight();
    QWidget* footerBlock(FooterSettings& footer, const FooterCaptions& captions,
                         FooterControls& controls);
    QWidget* pageNumberLeft();
    QWidget* pageNumberRight();
    void updateEnabling();
    void exitClicked();

    AppState& m_state;
    Prompts& m_prompts;
    FooterControls m_footer1;
    FooterControls m_footer2;
    QList<QWidget*> m_pageNumberDependents;
    QList<QWidget*> m_romanCase;
    QComboBox* m_pageNumberSize = nullptr;
};

} // namespace folia
