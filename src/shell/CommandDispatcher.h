#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace folia {

struct AppState;
class MainView;
class Prompts;
class PageInteraction;

// The dialogs that some commands open; each one returns when its dialog has closed.
class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;
    virtual void saveImage() = 0;        // page choice, then export or print
    virtual void setUp() = 0;            // the configurator
    virtual void favouriteColours() = 0; // the favourite-colours window
};

// Runs FOLIA's menu commands: guards, undo snapshot, the change, redraw and menu states.
class CommandDispatcher {
public:
    CommandDispatcher(AppState& state, MainView& view, Prompts& prompts,
                      PageInteraction& interaction);

    void setDialogs(CommandDialogs* dialogs) { m_dialogs = dialogs; }
    // The pause before "Underline Vertical Line" answers; tests make it instant.
    void setPause(std::function<void(int milliseconds)> pause) { m_pause = std::move(pause); }

    // Runs the command with that menu id; other ids are ignored.
    void dispatch(int commandId);
    // True once "Exit" has run: the window ends.
    bool finished() const { return m_finished; }

private:
    void newDocument();
    std::optional<QString> chooseTextFile();
    void author();
    void exitProgram();
    void update();
    void undo();
    void goTo();
    void toggleTickMode();
    void align(int commandId);
    void fullHorizontalLine();
    void verticalLine();
    void rangeMark(int commandId);
    void pageLink();
    void definition();
    void setColour(int commandId);
    void toggleGuide();
    void openDialog(void (CommandDialogs::*open)());

    void snapshot();
    void redrawAndShow();
    void redrawAllPagesThenCurrent();
    void finishMark();
    // Asks for a page number until the answer names another page of the document; the
    // answer as typed, or nothing when the user cancelled.
    std::optional<QString> askPageNumber();

    AppState& m_state;
    MainView& m_view;
    Prompts& m_prompts;
    PageInteraction& m_interaction;
    CommandDialogs* m_dialogs = nullptr;
    std::function<void(int)> m_pause;
    QString m_lastImportPath;
    bool m_finished = false;
};

} // namespace folia
