#pragma once

#include "MarkCommands.h"
#include "MarkExport.h"

#include <QString>
#include <functional>
#include <optional>

namespace folia {

struct AppState;
class MainView;
class Prompts;
class PageInteraction;
struct ListedMark;

// The dialogs that some commands open; each one returns when its dialog has closed.
class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;
    virtual void saveImage() = 0;        // page choice, then export or print
    virtual void setUp() = 0;            // the configurator
    virtual void favouriteColours() = 0; // the favourite-colours window
};

// Runs FOLIA's menu commands: guards, undo snapshot, the change and redraw; after each one
// the menu shows the states that follow.
// The marking commands are MarkCommands'.
class CommandDispatcher {
public:
    CommandDispatcher(AppState& state, MainView& view, Prompts& prompts,
                      PageInteraction& interaction);
    ~CommandDispatcher();
    CommandDispatcher(const CommandDispatcher&) = delete;
    CommandDispatcher& operator=(const CommandDispatcher&) = delete;

    void setDialogs(CommandDialogs* dialogs) { m_dialogs = dialogs; }
    // The pause before "Underline Vertical Line" answers; tests make it instant.
    void setPause(std::function<void(int milliseconds)> pause) {
        m_marks.setPause(std::move(pause));
    }

    // Runs the command with that menu id; other ids are ignored.
    void dispatch(int commandId);
    // True once "Exit" has run: the window ends.
    bool finished() const;
    // Opens a text named when the program started ("folia notes.txt", the desktop's "Open
    // with") as "New" opens a chosen one; a document already there is replaced only when the
    // user agrees. Runs once the start-up has shown the last document.
    void openGivenFile(const QString& path);

    // Removes exactly that mark of the marks list as one undoable change; its page is shown.
    void removeListedMark(const ListedMark& mark);

private:
    void run(int commandId);
    // The menu as the state now has it.
    void showMenus();
    void newDocument();
    void openTextFile(const QString& path);
    bool mayReplaceDocumentWith(const QString& path);
    void importDocument(const QString& path);
    std::optional<QString> chooseTextFile();
    void exportDocumentAsPdf();
    void author();
    void exitProgram();
    void update();
    // Undo (backwards) or Redo: one step of the history, its page shown.
    void stepThroughHistory(bool forward);
    void showChangedPage(int page);
    void goTo();
    void setColour(int commandId);
    void toggleGuide();
    void openDialog(void (CommandDialogs::*open)());

    void redrawAllPagesThenCurrent();

    AppState& m_state;
    MainView& m_view;
    Prompts& m_prompts;
    PageInteraction& m_interaction;
    CommandDialogs* m_dialogs = nullptr;
    MarkCommands m_marks;
    MarkExport m_markExport;
    QString m_lastImportPath;
};

} // namespace folia
