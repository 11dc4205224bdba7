#include "FoliaApp.h"

#include "MainWindow.h"
#include "common/CloseWhenNoDialog.h"
#include "common/QtPrompts.h"
#include "common/TerminationSignal.h"
#include "settings/SettingsFile.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/StartUp.h"
#include "text/TextSet.h"

#include <QApplication>
#include <QTimer>

namespace folia {
namespace {

// Without a PNG encoder the program could not export or keep its pictures: it says so
// and ends before anything is written.
void reportMissingCodecs(const TextSet& texts) {
    QtPrompts prompts(nullptr);
    prompts.tell(texts.gdiFailure, texts.gdiFailureTitle, MessageIcon::None, true);
}

} // namespace

int runFolia(char** argv, const TextSet& texts, const QString& file) {
    // The command line is the program's own and has been read: Qt is given none of it.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The program's name belongs to the application; the window's name is its caption.
    QGuiApplication::setApplicationDisplayName(texts.programName);
    AppState state(texts);
    state.settings = loadSettings(settingsPath());
    if (!imageCodecsAvailable()) {
        reportMissingCodecs(texts);
        return 0;
    }
    MainWindow window(state);
    return runMainWindow(window, file);
}

int runMainWindow(MainWindow& window, const QString& file) {
    window.showOnScreen();
    // Ending the session closes the window, which runs Exit, so nothing is lost.
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &window,
                     [&window] { closeWhenNoDialog(window); });
    // The start-up runs inside the event loop, so that an Exit chosen while one of its
    // messages is on screen ends the loop rather than one that has not started yet.
    QTimer::singleShot(0, &window, [&window, file] {
        window.initialise();
        if (!file.isEmpty()) window.commands().openGivenFile(file);
    });
    return QApplication::exec();
}

} // namespace folia
