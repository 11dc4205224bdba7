#include "QuilletApp.h"

#include "QuilletWindow.h"

#include <QApplication>
#include <QTimer>

namespace folia {

int runQuillet(char** argv, const TextSet& texts, const QString& file) {
    // The command line is the program's own and has been read: Qt is given none of it.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QuilletWindow window(texts);
    window.show();
    // The file is read once the window is up, so that its message stands over it.
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.readGivenFile(file); });
    return app.exec();
}

} // namespace folia
