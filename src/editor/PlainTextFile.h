#pragma once

#include "common/AtomicFile.h"

#include <QByteArray>
#include <QString>

namespace folia {

// Plain text files are Windows-1252 with CR LF line ends; the editor's text uses '\n'.

// The text of a file read as whole lines, each followed by '\n' (CR LF, LF and CR ends
// are all accepted). An empty file gives one "\n".
QString textFromPlainBytes(const QByteArray& bytes);
QString readPlainText(const QString& path);

// The bytes appended for a text: its lines with CR LF, then one more CR LF.
QByteArray plainBytesToAppend(const QString& text);
// Appends them to the file, creating it when absent. The file is rewritten whole through
// the atomic helper, so a failed write leaves it as it was. A read-only file is left
// alone. The result says why a text was not written.
WriteResult appendPlainText(const QString& path, const QString& text);

} // namespace folia
