#include "Cp1252.h"

#include <array>

namespace folia {
namespace {

// Bytes 0x80..0x9F; the five undefined positions keep their C1 control code points.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

int cp1252Byte(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return int(ch);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == ch) return 0x80 + i;
    return -1;
}

char16_t cp1252ToUnicode(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : char16_t(byte);
}

QString fromCp1252(const char* data, qsizetype length) {
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i)
        out[i] = QChar(cp1252ToUnicode(static_cast<unsigned char>(data[i])));
    return text;
}

QString fromCp1252(const QByteArray& bytes) {
    return fromCp1252(bytes.constData(), bytes.size());
}

QByteArray toCp1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = cp1252Byte(text[i].unicode());
        out[i] = code < 0 ? '?' : static_cast<char>(code);
    }
    return bytes;
}

bool fitsCp1252(const QString& text) {
    for (QChar ch : text)
        if (cp1252Byte(ch.unicode()) < 0) return false;
    return true;
}

} // namespace folia
