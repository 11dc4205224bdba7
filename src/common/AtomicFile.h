#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace folia {

// Why a write failed, in the classes the user is told about in the program's own words.
enum class WriteFailure {
    None,
    DiskFull,
    FileTooLarge,
    ReadOnlyDisk,
    AccessDenied,
    NoSuchFolder,
    NotARegularFile, // a folder, a device or a pipe stands at the path
    Other,           // the system's own text says why
};

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    int errorNumber = 0; // the system's error number, 0 when it gave none
    QString systemText;  // the system's own description of the error

    bool ok() const { return failure == WriteFailure::None; }
    explicit operator bool() const { return ok(); }
};

// The failure a system error number stands for, with the system's own text.
WriteResult writeFailureOf(int errorNumber);

// Every file the programs write goes through here: the bytes go to a temporary file in
// the same folder, which then replaces the target in one rename. A crash, a full disk
// or a failed write leaves the previous file as it was. Nothing is written through a
// path that holds anything but a regular file.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same for content produced in pieces (large files): `produce` is called with an
// append function and returns false to abandon the write.
using AppendBytes = std::function<bool(const char* data, qsizetype length)>;
WriteResult writeFileAtomically(const QString& path,
                                const std::function<bool(const AppendBytes&)>& produce);

} // namespace folia
