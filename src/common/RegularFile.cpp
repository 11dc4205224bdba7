#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace folia {

bool openRegularFileForReading(QFile& file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace folia
