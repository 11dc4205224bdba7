#include "AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace folia {

bool writeFileAtomically(const QString& path,
                         const std::function<bool(const AppendBytes&)>& produce) {
    // A read-only target is replaced, not refused: the rename does not need write
    // permission on the old file, only on the folder.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const AppendBytes append = [&file](const char* data, qsizetype length) {
        return file.write(data, length) == length;
    };
    if (!produce(append)) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeFileAtomically(path, [&bytes](const AppendBytes& append) {
        return append(bytes.constData(), bytes.size());
    });
}

} // namespace folia
