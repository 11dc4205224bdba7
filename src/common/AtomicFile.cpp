#include "AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace folia {
namespace {

WriteFailure failureOf(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::DiskFull;
    case EFBIG:
        return WriteFailure::FileTooLarge;
    case EROFS:
        return WriteFailure::ReadOnlyDisk;
    case EACCES:
    case EPERM:
        return WriteFailure::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::NoSuchFolder;
    case EISDIR:
        return WriteFailure::NotARegularFile;
    default:
        return WriteFailure::Other;
    }
}

// Read errno right after the call that failed, before anything else can change it.
WriteResult failed(const QSaveFile& file, int errorNumber) {
    return {failureOf(errorNumber), errorNumber, file.errorString()};
}

} // namespace

WriteResult writeFailureOf(int errorNumber) {
    return {failureOf(errorNumber), errorNumber, qt_error_string(errorNumber)};
}

WriteResult writeFileAtomically(const QString& path,
                                const std::function<bool(const AppendBytes&)>& produce) {
    const QFileInfo target(path);
    // Opening a pipe or a device could block or write somewhere else entirely.
    if (target.exists() && !target.isFile()) return {WriteFailure::NotARegularFile, 0, {}};

    // A read-only target is replaced, not refused: the rename does not need write
    // permission on the old file, only on the folder.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return failed(file, errno);

    WriteResult result;
    const AppendBytes append = [&](const char* data, qsizetype length) {
        errno = 0;
        if (file.write(data, length) == length) return true;
        if (result.ok()) result = failed(file, errno);
        return false;
    };
    const bool produced = produce(append);
    // Small writes wait in Qt's buffer, and commit() renames the temporary even when they
    // fail to reach the disk there; flushing first shows a full disk while the previous
    // file can still be kept.
    if (produced) {
        errno = 0;
        if (!file.flush() || file.error() != QFileDevice::NoError) result = failed(file, errno);
    } else if (result.ok()) {
        result = {WriteFailure::Other, 0, {}};
    }
    if (!result.ok()) {
        file.cancelWriting();
        file.commit(); // removes the temporary
        return result;
    }
    errno = 0;
    if (!file.commit()) return failed(file, errno);
    return result;
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeFileAtomically(path, [&bytes](const AppendBytes& append) {
        return append(bytes.constData(), bytes.size());
    });
}

} // namespace folia
