#include "QuilletApp.h"

#include <QApplication>

namespace folia {

int runQuillet(int argc, char** argv, const TextSet&) {
    QApplication app(argc, argv);
    return 0;
}

} // namespace folia
