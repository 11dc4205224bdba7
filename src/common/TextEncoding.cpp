#include "TextEncoding.h"

#include "Cp1252.h"

#include <QStringEncoder>

namespace folia {
namespace {

QStringConverter::Encoding converterEncoding(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16BigEndian:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// Dashes a text commonly holds that the code page lacks and Unicode does not decompose.
char similarDash(char32_t ch) {
    switch (ch) {
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2212: // minus sign
        return '-';
    case 0x2015: // horizontal bar, which opens dialogue in many books
        return '\x97';
    default:
        return 0;
    }
}

} // namespace

bool EncodingDetector::acceptUtf8Lead(unsigned char byte) {
    m_lowestNext = 0x80;
    m_highestNext = 0xBF;
    // Overlong forms, surrogates and code points above U+10FFFF are not valid UTF-8.
    if (byte >= 0xC2 && byte <= 0xDF) {
        m_continuationsDue = 1;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        m_continuationsDue = 2;
        if (byte == 0xE0) m_lowestNext = 0xA0;
        if (byte == 0xED) m_highestNext = 0x9F;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        m_continuationsDue = 3;
        if (byte == 0xF0) m_lowestNext = 0x90;
        if (byte == 0xF4) m_highestNext = 0x8F;
    } else {
        return false;
    }
    return true;
}

void EncodingDetector::feed(QByteArrayView piece) {
    if (m_start.size() < 3)
        m_start += piece.first(std::min<qsizetype>(3 - m_start.size(), piece.size()));
    for (qsizetype i = 0; i < piece.size() && m_validUtf8; ++i) {
        const auto byte = static_cast<unsigned char>(piece[i]);
        if (m_continuationsDue > 0) {
            m_validUtf8 = byte >= m_lowestNext && byte <= m_highestNext;
            m_lowestNext = 0x80;
            m_highestNext = 0xBF;
            --m_continuationsDue;
        } else if (byte > 0x7F) {
            m_anyHighByte = true;
            m_validUtf8 = acceptUtf8Lead(byte);
        }
    }
}

TextEncoding EncodingDetector::encoding() const {
    if (m_start.startsWith("\xEF\xBB\xBF")) return TextEncoding::Utf8;
    if (m_start.startsWith("\xFF\xFE")) return TextEncoding::Utf16LittleEndian;
    if (m_start.startsWith("\xFE\xFF")) return TextEncoding::Utf16BigEndian;
    const bool utf8 = m_validUtf8 && m_continuationsDue == 0 && m_anyHighByte;
    return utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

TextEncoding detectEncoding(QByteArrayView bytes) {
    EncodingDetector detector;
    detector.feed(bytes);
    return detector.encoding();
}

char nearestCp1252(char32_t ch) {
    if (const int byte = cp1252Byte(ch); byte >= 0) return char(byte);
    if (const char dash = similarDash(ch)) return dash;
    QString base = QChar::decomposition(ch);
    base.removeIf([](QChar c) { return c.isMark(); });
    if (base.size() == 1 && base[0].unicode() != ch) return nearestCp1252(base[0].unicode());
    return '?';
}

// The decoder keeps a byte-order mark as U+FEFF (what it does by default differs between
// the encodings); the transcoder drops it itself.
Cp1252Transcoder::Cp1252Transcoder(TextEncoding encoding)
    : m_encoding(encoding),
      m_decoder(converterEncoding(encoding), QStringConverter::Flag::ConvertInitialBom) {}

QByteArray Cp1252Transcoder::convert(QByteArrayView piece) {
    if (m_encoding == TextEncoding::Windows1252) return piece.toByteArray();
    QString decoded = m_decoder(piece);
    if (m_atStart && !decoded.isEmpty()) {
        m_atStart = false;
        if (decoded.front() == QChar::ByteOrderMark) decoded.remove(0, 1);
    }
    QByteArray out;
    out.reserve(decoded.size());
    for (const QChar unit : std::as_const(decoded)) {
        if (m_highSurrogate) {
            const char16_t high = std::exchange(m_highSurrogate, 0);
            if (unit.isLowSurrogate()) {
                appendCharacter(QChar::surrogateToUcs4(high, unit.unicode()), out);
                continue;
            }
            appendCharacter(high, out);
        }
        if (unit.isHighSurrogate())
            m_highSurrogate = unit.unicode();
        else
            appendCharacter(unit.unicode(), out);
    }
    return out;
}

void Cp1252Transcoder::appendCharacter(char32_t ch, QByteArray& out) {
    if (cp1252Byte(ch) < 0) ++m_replaced;
    out += nearestCp1252(ch);
}

Cp1252Text toCp1252Text(QByteArrayView fileBytes) {
    Cp1252Transcoder transcoder(detectEncoding(fileBytes));
    QByteArray bytes = transcoder.convert(fileBytes);
    return {bytes, transcoder.replacedCharacters()};
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252) return toCp1252(text);
    QStringEncoder encoder(converterEncoding(encoding));
    return encoder(text);
}

} // namespace folia
