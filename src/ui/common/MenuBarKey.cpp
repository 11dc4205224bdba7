#include "MenuBarKey.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace folia {

void addMenuBarKey(QMainWindow& window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&window] {
        QMenuBar* bar = window.menuBar();
        if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
    });
}

} // namespace folia
