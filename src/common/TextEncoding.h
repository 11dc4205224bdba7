#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace folia {

// The encodings a text file is read in. The programs hold text as Windows-1252; a file
// written in another encoding is turned into it on the way in.
enum class TextEncoding { Windows1252, Utf8, Utf16LittleEndian, Utf16BigEndian };

// Tells a file's encoding from its bytes, given in order in pieces of any size: a UTF-8
// or UTF-16 byte-order mark decides; without one the file is UTF-8 when all of it is
// valid UTF-8 and some byte is above 127, else Windows-1252 (plain ASCII included, so a
// file that holds no letter beyond ASCII is read as it always was).
class EncodingDetector {
public:
    void feed(QByteArrayView piece);
    TextEncoding encoding() const;

private:
    bool acceptUtf8Lead(unsigned char byte);

    QByteArray m_start; // the first three bytes, where a mark stands
    bool m_validUtf8 = true;
    bool m_anyHighByte = false;
    int m_continuationsDue = 0;
    unsigned char m_lowestNext = 0x80; // the range the next continuation byte must be in
    unsigned char m_highestNext = 0xBF;
};

TextEncoding detectEncoding(QByteArrayView bytes);

// The Windows-1252 byte nearest to a character: the character itself where the code page
// has it, a similar dash for the dashes it lacks, the letter without its accent where
// Unicode decomposes it into one, else '?'.
char nearestCp1252(char32_t ch);

// Turns a file's bytes, given in order in pieces of any size, into Windows-1252 bytes
// (one per character), counting the characters the code page cannot hold as they are.
// Windows-1252 passes through unchanged; a byte-order mark is not text.
class Cp1252Transcoder {
public:
    explicit Cp1252Transcoder(TextEncoding encoding);
    QByteArray convert(QByteArrayView piece);
    qsizetype replacedCharacters() const { return m_replaced; }

private:
    void appendCharacter(char32_t ch, QByteArray& out);

    TextEncoding m_encoding;
    QStringDecoder m_decoder;
    bool m_atStart = true;        // where a byte-order mark may stand
    char16_t m_highSurrogate = 0; // the first half of a pair cut between two pieces
    qsizetype m_replaced = 0;
};

// A whole file's bytes as Windows-1252, in the encoding they are detected to be in.
struct Cp1252Text {
    QByteArray bytes;
    qsizetype replacedCharacters = 0;
};
Cp1252Text toCp1252Text(QByteArrayView fileBytes);

// The bytes of a text in an encoding, without a byte-order mark.
QByteArray encodeText(const QString& text, TextEncoding encoding);

} // namespace folia
