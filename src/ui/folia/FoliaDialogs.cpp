#include "FoliaDialogs.h"

#include "shell/AppState.h"
#include "shell/Ports.h"

// Save Image: page choice, export and printing.

// Set up: the configurator.

// Favorite colors: the palette window.

namespace folia {

void FoliaDialogs::saveImage() {
}

void FoliaDialogs::setUp() {
}

void FoliaDialogs::favouriteColours() {
}

} // namespace folia
