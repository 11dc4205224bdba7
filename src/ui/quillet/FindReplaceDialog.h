#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace folia {

class FindReplace;
struct TextSet;
enum class FindRequest;

// The modeless find and replace box: "Find what", "Replace with" (replace mode only),
// whole word, match case, direction, and the buttons down the right. It shows and
// updates the texts and options that FindReplace keeps between openings.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(QWidget* owner, FindReplace& logic, const TextSet& texts);

    // Switches between find and replace, presetting the fields from the kept state.
    void present(bool replaceMode);
    bool replaceMode() const { return m_replaceMode; }

private:
    void request(FindRequest kind);
    void keepTexts();
    void updateButtons();

    FindReplace& m_logic;
    const TextSet& m_texts;
    bool m_replaceMode = false;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QLabel* m_replaceLabel;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findNext;
    QPushButton* m_replaceOne;
    QPushButton* m_replaceAll;
};

} // namespace folia
