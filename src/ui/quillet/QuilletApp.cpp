#include "QuilletApp.h"

#include "QuilletWindow.h"

#include <QApplication>

namespace folia {

int runQuillet(int argc, char** argv, const TextSet& texts) {
    QApplication app(argc, argv);
    QuilletWindow window(texts);
    window.show();
    return app.exec();
}

} // namespace folia
