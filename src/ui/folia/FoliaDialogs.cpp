#include "FoliaDialogs.h"

#include "prompts/Prompts.h"
#include "shell/AppState.h"

// Save Image: page choice, export and printing.
#include "QtPrintService.h"
#include "SaveImageDialogs.h"
#include "shell/SaveImage.h"

// Set up: the configurator.
#include "ConfiguratorDialog.h"

// Favorite colors: the palette window.
#include "FavouritesWindow.h"

#include <QEventLoop>

namespace folia {

void FoliaDialogs::saveImage() {
    SaveImageDialogs dialogs(m_state.texts, m_window);
    QtPrintService printer;
    folia::saveImage(m_state, m_view, m_prompts, dialogs, printer);
}

void FoliaDialogs::setUp() {
    ConfiguratorDialog dialog(m_state, m_prompts, m_window);
    dialog.exec();
}

void FoliaDialogs::favouriteColours() {
    // The window runs its own loop but leaves the main window usable, so that its colour
    // commands can apply the colour picked here.
    FavouritesWindow window(m_state, m_prompts, m_window);
    QEventLoop loop;
    QObject::connect(&window, &FavouritesWindow::closed, &loop, &QEventLoop::quit);
    window.show();
    loop.exec();
}

} // namespace folia
