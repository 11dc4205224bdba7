#include "WriteFailureText.h"

#include "TextSet.h"

#include <QDir>

namespace folia {

QString writeFailureReason(const TextSet& texts, const WriteResult& result) {
    switch (result.failure) {
    case WriteFailure::DiskFull:
        return texts.diskFull;
    case WriteFailure::FileTooLarge:
        return texts.fileTooLarge;
    case WriteFailure::ReadOnlyDisk:
        return texts.readOnlyDisk;
    case WriteFailure::AccessDenied:
        return texts.accessDenied;
    case WriteFailure::NoSuchFolder:
        return texts.noSuchFolder;
    case WriteFailure::NotARegularFile:
        return texts.notRegularFile;
    case WriteFailure::None:
    case WriteFailure::Other:
        break;
    }
    return result.systemText.isEmpty() ? texts.unknownWriteError : result.systemText;
}

QString writeFailureMessage(const TextSet& texts, const QString& path, const WriteResult& result) {
    return texts.notWritten + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") +
           texts.writeReason + writeFailureReason(texts, result);
}

} // namespace folia
