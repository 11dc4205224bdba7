#pragma once

#include "common/AtomicFile.h"
#include "common/TextEncoding.h"

#include <QByteArray>
#include <QString>

namespace folia {

// Plain text files end their lines with CR LF; the editor's text uses '\n'. The text is
// held as Windows-1252 (see common/TextEncoding.h for how a file in another encoding is
// read); a tab stays a character, one blank column wide.

// The text of Windows-1252 bytes as whole lines, each followed by '\n' (CR LF, LF and CR
// ends are all accepted). An empty file gives one "\n".
QString textFromPlainBytes(const QByteArray& bytes);

// A file's text, and how many of its characters Windows-1252 could not hold and were
// replaced by the nearest ones.
struct PlainText {
    QString text;
    qsizetype replacedCharacters = 0;
};
PlainText readPlainText(const QString& path);

// The bytes appended for a text: its lines with CR LF, then one more CR LF, in the given
// encoding; a character Windows-1252 lacks is written as '?' in every encoding.
QByteArray plainBytesToAppend(const QString& text,
                              TextEncoding encoding = TextEncoding::Windows1252);
// Appends them to the file in the encoding it is written in, so that it never becomes a
// mix of two; a new or empty file is written in Windows-1252. The file is rewritten whole
// through the atomic helper, so a failed write leaves it as it was. A read-only file is
// left alone. The result says why a text was not written.
WriteResult appendPlainText(const QString& path, const QString& text);

} // namespace folia
