#pragma once

class QWidget;

namespace folia {

// Closes the window as the desktop would, but only once no dialog is open: an open dialog is
// closed first, as Escape would close it, so the window's own closing never runs in the
// middle of a command that waits for that dialog.
void closeWhenNoDialog(QWidget& window);

} // namespace folia
