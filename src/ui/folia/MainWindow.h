#pragma once

#include "prompts/Prompts.h"
#include "shell/MainView.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>

class QAction;
class QLabel;

namespace folia {

struct AppState;
class CommandDispatcher;
class FindBar;
class FindSession;
class FoliaDialogs;
class MarksPanel;
struct ListedMark;
class PageInteraction;
class PageViewArea;
class PageViewWidget;
class QtPrompts;

// FOLIA's main window: the menu bar, the page control and the busy picture. It shows what
// the commands decide and forwards every menu command to the dispatcher.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    // Dialogs go through `prompts` when given (tests), else through Qt's own boxes.
    explicit MainWindow(AppState& state, Prompts* prompts = nullptr);
    ~MainWindow() override;

    // Runs the start-up initialisation: menu states and the document of the last run.
    void initialise();
    // Shows the window at its full size when the screen has room, else at the largest
    // size that fits, centred.
    void showOnScreen();
    CommandDispatcher& commands() { return *m_commands; }
    PageViewWidget& pageView() { return *m_pageView; }
    QAction* action(int commandId) const;

    // MainView
    void setCaption(const QString& caption) override;
    void showMenuStates(const MenuStates& states) override;
    void showView(const QImage& view) override;
    void showOverlays() override;
    void startBusyAnimation() override;
    void stopBusyAnimation() override;
    void focusPage() override;
    void showMarksList(bool shown) override;
    MarksPanel& marksPanel() { return *m_marksPanel; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSize fullSize() const;
    void placeOnScreen(QMargins frame);
    void buildMenu();
    void runCommand(int commandId);
    void removeListedMark(const ListedMark& mark);
    // The find hits and the marks list as the document now is.
    void followDocument();
    void connectFindBar(QWidget* client);
    void toggleFindBar();
    void searchAsTyped();
    void showFindResult();
    void showNextBusyFrame();

    AppState& m_state;
    std::unique_ptr<QtPrompts> m_qtPrompts;
    Prompts* m_prompts;
    std::unique_ptr<PageInteraction> m_interaction;
    std::unique_ptr<CommandDispatcher> m_commands;
    std::unique_ptr<FoliaDialogs> m_dialogs;
    std::unique_ptr<FindSession> m_find;
    FindBar* m_findBar = nullptr;
    PageViewArea* m_client = nullptr;
    PageViewWidget* m_pageView = nullptr;
    MarksPanel* m_marksPanel = nullptr;
    std::map<int, QAction*> m_actions;

    QLabel* m_busyPicture = nullptr;
    QTimer m_busyTimer;
    int m_busyFrame = 801;
    QPointer<QWidget> m_focusBeforeBusy;
    QPointer<QWidget> m_focusBeforeDeactivation;
    bool m_finished = false;
    bool m_closeWhenIdle = false; // a close asked for while busy, run when the work ends
};

} // namespace folia
