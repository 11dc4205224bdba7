#include "FoliaApp.h"

#include <QApplication>

namespace folia {

int runFolia(int argc, char** argv, const TextSet&) {
    QApplication app(argc, argv);
    return 0;
}

} // namespace folia
