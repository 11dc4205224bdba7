#pragma once

class QMainWindow;

namespace folia {

// F10 opens the window's first menu, as on the rest of the desktop; from there the arrow
// keys and the menus' Alt letters reach every item.
void addMenuBarKey(QMainWindow& window);

} // namespace folia
