#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace folia {

// Every file the programs write goes through here: the bytes go to a temporary file in
// the same folder, which then replaces the target in one rename. A crash, a full disk
// or a failed write leaves the previous file as it was. Returns false on failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// The same for content produced in pieces (large files): `produce` is called with an
// append function and returns false to abandon the write.
using AppendBytes = std::function<bool(const char* data, qsizetype length)>;
bool writeFileAtomically(const QString& path,
                         const std::function<bool(const AppendBytes&)>& produce);

} // namespace folia
