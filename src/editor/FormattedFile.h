#pragma once

#include "common/AtomicFile.h"

#include <QByteArray>
#include <QString>

namespace folia {

// The file FOLIA imports, beside the editor.
inline constexpr char kFormattedFileName[] = "cache.txt";

// One record per display line, in Windows-1252, each followed by CR LF.
QByteArray formattedBytes(QStringView text);
// Replaces the file whole (a read-only one too) through the atomic helper.
WriteResult writeFormattedFile(const QString& path, QStringView text);

} // namespace folia
