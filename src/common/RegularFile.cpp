#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace folia {

bool openRegularFileForReading(QFile& file, QIODevice::OpenMode extraFlags) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | extraFlags);
}

} // namespace folia
