#include "LineRecord.h"

#include <algorithm>
#include <cstring>

namespace folia {
namespace {

struct FieldPlace {
    int offset;
    int capacity;
};

// Offsets and capacities of the text fields, in TextField order.
constexpr std::array<FieldPlace, kTextFieldCount> kTextPlaces = {{
    {8, 114},      // text
    {122, 452},    // horizontalMarks
    {578, 1024},   // twoColourMarks
    {1602, 452},   // verticalMarks
    {2062, 452},   // linkMarks
    {2514, 3842},  // definitionTexts
    {6356, 452},   // linkTargets
    {6808, 7682},  // alignment
    {14498, 452},  // boldMarks
    {14950, 3842}, // reserved text 1
    {18792, 452},  // reserved text 2
    {19244, 7682}, // reserved text 3
    {26936, 5750}, // reserved text 4
    {32698, 10},   // geometry tail 5
    {32708, 10},   // geometry tail 6
}};

enum IntOffset : int {
    LineNumberAt = 0,
    PageAt = 4,
    HasMarksAt = 574,
    LinkKindAt = 2054,
    MarkSerialAt = LineRecord::kMarkSerialOffset,
    HasBoldAt = 14490,
    ReservedValueAt = 14494,
    LineOnPageAt = 26926,
    ImageStartAt = 26928,
    ForceKeepAt = 26932,
    Tail1At = 32686,
    Tail2At = 32688,
    Tail3At = 32690,
    Tail4At = 32694,
    Tail7At = 32718,
    ReservedIntAt = 32720,
};

template <typename Int> Int readLittle(const char* image, int offset) {
    std::make_unsigned_t<Int> value = 0;
    for (int i = int(sizeof(Int)) - 1; i >= 0; --i)
        value = static_cast<decltype(value)>((value << 8) |
                                             static_cast<unsigned char>(image[offset + i]));
    return static_cast<Int>(value);
}

template <typename Int> void writeLittle(char* image, int offset, Int value) {
    auto bits = static_cast<std::make_unsigned_t<Int>>(value);
    for (int i = 0; i < int(sizeof(Int)); ++i, bits = static_cast<decltype(bits)>(bits >> 8))
        image[offset + i] = static_cast<char>(bits & 0xFF);
}

// The length of the field image up to its last non-zero byte, looked at from the end
// 32 bytes at a time before the last bytes are looked at one by one.
int usedLengthFromEnd(const char* data, int length) {
    constexpr int kStep = 4 * sizeof(uint64_t);
    while (length >= kStep) {
        uint64_t words[4];
        std::memcpy(words, data + length - kStep, kStep);
        if ((words[0] | words[1] | words[2] | words[3]) != 0) break;
        length -= kStep;
    }
    while (length > 0 && data[length - 1] == 0)
        --length;
    return length;
}

// What the zero tail of a field is compared with: as long as the widest field.
constexpr int kWidestField = std::max_element(kTextPlaces.begin(), kTextPlaces.end(),
                                              [](const FieldPlace& a, const FieldPlace& b) {
                                                  return a.capacity < b.capacity;
                                              })
                                 ->capacity;
constexpr char kZeros[kWidestField] = {};

// The length of the field image up to its last non-zero byte. Nearly every field holds a
// text followed by zeros only, so its end is found with memchr and the rest compared with
// zeros, both done by the C library many bytes at a time; a field with bytes after its
// terminator is looked at from its end.
int usedLength(const char* data, int length) {
    const auto* end = static_cast<const char*>(std::memchr(data, 0, size_t(length)));
    if (!end) return length;
    const int text = int(end - data);
    if (std::memcmp(end, kZeros, size_t(length - text)) == 0) return text;
    return usedLengthFromEnd(data, length);
}

QByteArray withoutTrailingZeros(const char* data, int length) {
    const int used = usedLength(data, length);
    return used == 0 ? QByteArray() : QByteArray(data, used);
}

const FieldPlace& placeOf(TextField field) {
    return kTextPlaces[static_cast<int>(field)];
}

} // namespace

int LineRecord::capacity(TextField field) {
    return placeOf(field).capacity;
}

qsizetype LineRecord::heldTextBytes() const {
    qsizetype bytes = 0;
    for (const QByteArray& image : m_fieldImages)
        bytes += image.size();
    return bytes;
}

QByteArray LineRecord::text(TextField field) const {
    const QByteArray& image = m_fieldImages[static_cast<int>(field)];
    const qsizetype end = image.indexOf('\0');
    return end < 0 ? image : image.left(end);
}

void LineRecord::setText(TextField field, const QByteArray& text) {
    QByteArray& image = m_fieldImages[static_cast<int>(field)];
    const qsizetype kept = qMin<qsizetype>(text.size(), capacity(field) - 1);
    const qsizetype written = kept + 1; // the characters and one zero byte
    if (image.size() < written) image.resize(written);
    std::memcpy(image.data(), text.constData(), size_t(kept));
    image[kept] = '\0';
    image = withoutTrailingZeros(image.constData(), int(image.size()));
}

void LineRecord::appendText(TextField field, const QByteArray& addition) {
    const QByteArray current = text(field);
    // A field filled to its last byte (a damaged or foreign file) has no terminator and no
    // room: storing it again would cut its last byte, and with it its last entry.
    if (current.size() >= capacity(field) - 1) return;
    setText(field, current + addition);
}

void LineRecord::writeImage(char* out) const {
    std::memset(out, 0, kImageSize);
    writeLittle<int32_t>(out, LineNumberAt, lineNumber);
    writeLittle<int32_t>(out, PageAt, page);
    writeLittle<int32_t>(out, HasMarksAt, hasMarks);
    writeLittle<int32_t>(out, LinkKindAt, linkKind);
    writeLittle<int32_t>(out, MarkSerialAt, markSerial);
    writeLittle<int32_t>(out, HasBoldAt, hasBold);
    writeLittle<int32_t>(out, ReservedValueAt, reservedValue);
    writeLittle<int16_t>(out, LineOnPageAt, lineOnPage);
    writeLittle<int32_t>(out, ImageStartAt, imageStart);
    writeLittle<int32_t>(out, ForceKeepAt, forceKeep);
    writeLittle<int16_t>(out, Tail1At, geometryTail.value1);
    writeLittle<int16_t>(out, Tail2At, geometryTail.value2);
    writeLittle<int32_t>(out, Tail3At, geometryTail.value3);
    writeLittle<int32_t>(out, Tail4At, geometryTail.value4);
    writeLittle<int16_t>(out, Tail7At, geometryTail.value7);
    writeLittle<int32_t>(out, ReservedIntAt, reservedInt);
    for (int f = 0; f < kTextFieldCount; ++f) {
        const QByteArray& image = m_fieldImages[f];
        std::memcpy(out + kTextPlaces[f].offset, image.constData(), size_t(image.size()));
    }
}

LineRecord LineRecord::fromImage(const char* in) {
    LineRecord record;
    record.lineNumber = readLittle<int32_t>(in, LineNumberAt);
    record.page = readLittle<int32_t>(in, PageAt);
    record.hasMarks = readLittle<int32_t>(in, HasMarksAt);
    record.linkKind = readLittle<int32_t>(in, LinkKindAt);
    record.markSerial = readLittle<int32_t>(in, MarkSerialAt);
    record.hasBold = readLittle<int32_t>(in, HasBoldAt);
    record.reservedValue = readLittle<int32_t>(in, ReservedValueAt);
    record.lineOnPage = readLittle<int16_t>(in, LineOnPageAt);
    record.imageStart = readLittle<int32_t>(in, ImageStartAt);
    record.forceKeep = readLittle<int32_t>(in, ForceKeepAt);
    record.geometryTail.value1 = readLittle<int16_t>(in, Tail1At);
    record.geometryTail.value2 = readLittle<int16_t>(in, Tail2At);
    record.geometryTail.value3 = readLittle<int32_t>(in, Tail3At);
    record.geometryTail.value4 = readLittle<int32_t>(in, Tail4At);
    record.geometryTail.value7 = readLittle<int16_t>(in, Tail7At);
    record.reservedInt = readLittle<int32_t>(in, ReservedIntAt);
    for (int f = 0; f < kTextFieldCount; ++f)
        record.m_fieldImages[f] =
            withoutTrailingZeros(in + kTextPlaces[f].offset, kTextPlaces[f].capacity);
    return record;
}

} // namespace folia
