#pragma once

#include "FindReplaceDialog.h"
#include "common/QtPrompts.h"
#include "editor/EditorCommands.h"
#include "editor/EditorView.h"
#include "editor/FindReplace.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QLabel;

namespace folia {

class QuilletTextBox;

// Quillet's one window: the text box, the status bar with the counts, the menu. It
// only shows; EditorCommands and FindReplace decide.
class QuilletWindow : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    // Messages and file dialogs go through `prompts` when given (tests), else Qt's.
    explicit QuilletWindow(const TextSet& texts, Prompts* prompts = nullptr);

    QuilletTextBox* textBox() const { return m_box; }
    FindReplaceDialog* findDialog() const { return m_findDialog; }
    // Runs a menu command by its id, as the menu does.
    void runCommand(int commandId);
    // Reads a text named when Quillet started, as "Read plain text" does.
    void readGivenFile(const QString& path) { m_commands.readGivenFile(path); }

    QString text() const override;
    void setText(const QString& text) override;
    std::pair<qsizetype, qsizetype> selection() const override;
    void select(qsizetype start, qsizetype end) override;
    void focusText() override;
    void showCounts(const QString& lines, const QString& pages) override;
    void forEachDisplayLine(const DisplayLineVisit& visit) const override;
    qsizetype displayLineCount() const override;
    // What the count timer does every second.
    void refreshCounts() { m_commands.refreshCounts(); }
    const QTimer& countTimer() const { return m_countTimer; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void openFindDialog(bool replaceMode);

    const TextSet& m_texts;
    QtPrompts m_qtPrompts;
    Prompts& m_prompts;
    QuilletTextBox* m_box;
    QLabel* m_linesPart;
    QLabel* m_pagesPart;
    EditorCommands m_commands;
    FindReplace m_findReplace;
    QPointer<FindReplaceDialog> m_findDialog;
    QTimer m_countTimer;
    QPointer<QWidget> m_rememberedFocus;
};

} // namespace folia
