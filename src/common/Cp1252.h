#pragma once

#include <QByteArray>
#include <QString>

namespace folia {

// The files and the model hold 8-bit Windows-1252 text; the windows show Unicode.
// These convert at that edge. A character that Windows-1252 cannot hold becomes '?'.
QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* data, qsizetype length);
QByteArray toCp1252(const QString& text);

// True when every character of the text has a Windows-1252 byte.
bool fitsCp1252(const QString& text);

// The Windows-1252 byte of a character, or -1 when the code page has none.
int cp1252Byte(char32_t ch);

// The Unicode character of one Windows-1252 byte (undefined bytes map to U+FFFD-free
// C1 controls, as the platform's code page does).
char16_t cp1252ToUnicode(unsigned char byte);

} // namespace folia
