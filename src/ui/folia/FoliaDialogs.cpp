#include "FoliaDialogs.h"

#include "shell/AppState.h"
#include "shell/Ports.h"

// Save Image: page choice, export and printing.
#include "QtPrintService.h"
#include "SaveImageDialogs.h"
#include "shell/SaveImage.h"

// Set up: the configurator.

// Favorite colors: the palette window.

namespace folia {

void FoliaDialogs::saveImage() {
    SaveImageDialogs dialogs(m_state.texts, m_window);
    QtPrintService printer;
    folia::saveImage(m_state, m_view, m_prompts, dialogs, printer);
}

void FoliaDialogs::setUp() {}

void FoliaDialogs::favouriteColours() {}

} // namespace folia
