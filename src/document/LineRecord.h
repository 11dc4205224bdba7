#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

namespace folia {

// The text fields of a line record, in the order they stand in the record image.
enum class TextField {
    Text,
    HorizontalMarks,
    TwoColourMarks,
    VerticalMarks,
    LinkMarks,
    DefinitionTexts,
    LinkTargets,
    Alignment,
    BoldMarks,
    Reserved1,
    Reserved2,
    Reserved3,
    Reserved4,
    GeometryTail5,
    GeometryTail6,
};
inline constexpr int kTextFieldCount = 15;

// Reserved per-row values that travel through the cache file untouched.
struct GeometryTail {
    int16_t value1 = 0;
    int16_t value2 = 0;
    int32_t value3 = 0;
    int32_t value4 = 0;
    int16_t value7 = 0; // values 5 and 6 are texts: TextField::GeometryTail5/6

    bool operator==(const GeometryTail&) const = default;
};

// One row of one page: the 32,724-byte record of the cache file. Numbers are plain
// members; text fields keep their whole image (bytes after the terminator included) so
// that a record loaded and saved again gives back the same bytes. An image is kept only
// up to its last non-zero byte, so empty fields and empty rows cost almost nothing.
struct LineRecord {
    static constexpr int kImageSize = 32724;
    // Where the copy of the document's mark serial stands in the image (4 bytes).
    static constexpr int kMarkSerialOffset = 2058;

    int32_t lineNumber = 0; // > 0 marks a present line
    int32_t page = 0;
    int32_t hasMarks = 0;
    int32_t linkKind = 0;
    int32_t markSerial = 0; // the document's counter, copied in at save time
    int32_t hasBold = 0;
    int32_t reservedValue = 0; // the document's reserved value, copied in at save time
    int16_t lineOnPage = 0;
    int32_t imageStart = 0;
    int32_t forceKeep = 0; // 1 keeps a record present whatever its line number
    GeometryTail geometryTail;
    int32_t reservedInt = 0;

    bool isPresent() const { return lineNumber > 0 || forceKeep == 1; }

    // The field's text: its bytes up to the first zero byte.
    QByteArray text(TextField field) const;
    // Stores the text cut at capacity minus one, then one zero byte; the rest of the
    // field image stays as it was.
    void setText(TextField field, const QByteArray& text);
    // Appends to the field's text; what does not fit is dropped silently, and what the
    // field holds already is always kept.
    void appendText(TextField field, const QByteArray& addition);
    static int capacity(TextField field);
    // The bytes of the field images kept in memory (shared between copies of a record).
    qsizetype heldTextBytes() const;

    // The exact record image, and a record read from one (kImageSize bytes).
    void writeImage(char* out) const;
    static LineRecord fromImage(const char* image);

    // Equal records have equal images.
    bool operator==(const LineRecord&) const = default;

private:
    std::array<QByteArray, kTextFieldCount> m_fieldImages;
};

} // namespace folia
