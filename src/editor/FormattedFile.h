#pragma once

#include "common/AtomicFile.h"
#include "editor/LineLayout.h"

#include <QByteArray>
#include <QString>

namespace folia {

// The file FOLIA imports, beside the editor.
inline constexpr char kFormattedFileName[] = "cache.txt";

// Walks the display lines of a text: the layout's own, or the ones the text box keeps.
using DisplayLineWalk = std::function<void(const DisplayLineVisit&)>;

// One record per display line, in Windows-1252, each followed by CR LF.
QByteArray formattedBytes(QStringView text);
QByteArray formattedBytes(QStringView text, const DisplayLineWalk& lines);
// Replaces the file whole (a read-only one too) through the atomic helper.
WriteResult writeFormattedFile(const QString& path, QStringView text);
WriteResult writeFormattedFile(const QString& path, QStringView text, const DisplayLineWalk& lines);

} // namespace folia
