#include "document/LineRecord.h"
#include "document/Document.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace folia;

namespace {

std::vector<char> imageOf(const LineRecord& record) {
    std::vector<char> image(LineRecord::kImageSize);
    record.writeImage(image.data());
    return image;
}

int32_t int32At(const std::vector<char>& image, int offset) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(image[offset + i]);
    return static_cast<int32_t>(v);
}

} // namespace

TEST(LineRecord, FieldsStandAtTheirOffsets) {
    LineRecord r;
    r.lineNumber = 0x01020304;
    r.page = 7;
    r.hasMarks = 1;
    r.linkKind = 2;
    r.markSerial = 5;
    r.hasBold = 1;
    r.reservedValue = -1;
    r.lineOnPage = 65;
    r.imageStart = 1;
    r.forceKeep = 1;
    r.reservedInt = 9;
    r.setText(TextField::Text, "Hello");
    r.setText(TextField::HorizontalMarks, "3,10,20;");
    r.setText(TextField::BoldMarks, "B");
    r.setText(TextField::Alignment, "AL2");
    const auto image = imageOf(r);
    EXPECT_EQ(int32At(image, 0), 0x01020304);
    EXPECT_EQ(image[0], 0x04) << "little-endian";
    EXPECT_EQ(int32At(image, 4), 7);
    EXPECT_EQ(std::string(&image[8]), "Hello");
    EXPECT_EQ(std::string(&image[122]), "3,10,20;");
    EXPECT_EQ(int32At(image, 574), 1);
    EXPECT_EQ(int32At(image, 2054), 2);
    EXPECT_EQ(int32At(image, 2058), 5);
    EXPECT_EQ(std::string(&image[6808]), "AL2");
    EXPECT_EQ(int32At(image, 14490), 1);
    EXPECT_EQ(int32At(image, 14494), -1);
    EXPECT_EQ(std::string(&image[14498]), "B");
    EXPECT_EQ(image[26926], 65);
    EXPECT_EQ(int32At(image, 26928), 1);
    EXPECT_EQ(int32At(image, 26932), 1);
    EXPECT_EQ(int32At(image, 32720), 9);
}

TEST(LineRecord, TextsAreCutAtCapacityMinusOne) {
    LineRecord r;
    r.setText(TextField::Text, QByteArray(150, 'x'));
    EXPECT_EQ(r.text(TextField::Text).size(), 113);
    r.setText(TextField::HorizontalMarks, QByteArray(440, 'a'));
    r.appendText(TextField::HorizontalMarks, QByteArray(40, 'b'));
    EXPECT_EQ(r.text(TextField::HorizontalMarks).size(), 451);
    EXPECT_TRUE(r.text(TextField::HorizontalMarks).endsWith(QByteArray(11, 'b')));
    const auto image = imageOf(r);
    EXPECT_EQ(image[122 + 451], 0) << "the terminator stays inside the field";
}

TEST(LineRecord, AppendingToAFieldFullToItsLastByteKeepsItWhole) {
    // "1,2,3;" 74 times and "14,25,6;" fill the 452 bytes: no room for a terminator.
    QByteArray full;
    for (int i = 0; i < 74; ++i)
        full += "1,2,3;";
    full += "14,25,6;";
    ASSERT_EQ(full.size(), 452);
    std::vector<char> image(LineRecord::kImageSize, '\0');
    std::copy(full.begin(), full.end(), image.begin() + 122);
    LineRecord r = LineRecord::fromImage(image.data());
    ASSERT_EQ(r.text(TextField::HorizontalMarks), full);

    r.appendText(TextField::HorizontalMarks, "6,7,8;");
    EXPECT_EQ(r.text(TextField::HorizontalMarks), full) << "its last entry stays";
    EXPECT_EQ(imageOf(r), image);
}

TEST(LineRecord, AShorterTextKeepsTheBytesAfterItsTerminator) {
    LineRecord r;
    r.setText(TextField::Text, "abcdefgh");
    r.setText(TextField::Text, "xy");
    EXPECT_EQ(r.text(TextField::Text), QByteArray("xy"));
    const auto image = imageOf(r);
    EXPECT_EQ(QByteArray(&image[8], 9), QByteArray("xy\0defgh", 8) + QByteArray(1, '\0'));
}

TEST(LineRecord, AnyImageRoundTripsByteForByte) {
    std::vector<char> image(LineRecord::kImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = char((i * 131 + 7) % 251);
    for (int i : {8 + 3, 122 + 10, 26936 + 100})
        image[size_t(i)] = 0; // terminators mid-field
    const LineRecord r = LineRecord::fromImage(image.data());
    EXPECT_EQ(imageOf(r), image);
}

// Whatever a field holds, its image comes back up to its last non-zero byte: a text
// followed by zeros only, bytes far behind the terminator, a field without terminator.
TEST(LineRecord, EveryKindOfFieldTailRoundTrips) {
    const int offset = 6808; // the alignment field, 7,682 bytes wide
    const int width = LineRecord::capacity(TextField::Alignment);
    struct Case {
        const char* what;
        std::vector<std::pair<int, char>> bytes; // place in the field, value
        QByteArray text;
    };
    const std::vector<Case> cases = {
        {"empty", {}, ""},
        {"a text, then zeros", {{0, 'A'}, {1, 'L'}, {2, '2'}}, "AL2"},
        {"a byte far behind the terminator", {{0, 'A'}, {width - 1, 'z'}}, "A"},
        {"only a byte at the very end", {{width - 1, 'z'}}, ""},
        {"a byte in the middle of the zeros", {{0, 'x'}, {width / 2, 'y'}}, "x"},
    };
    for (const Case& c : cases) {
        std::vector<char> image(LineRecord::kImageSize);
        for (const auto& [place, value] : c.bytes)
            image[size_t(offset + place)] = value;
        const LineRecord r = LineRecord::fromImage(image.data());
        EXPECT_EQ(r.text(TextField::Alignment), c.text) << c.what;
        EXPECT_EQ(imageOf(r), image) << c.what;
    }
    std::vector<char> full(LineRecord::kImageSize, 'q'); // no terminator anywhere
    EXPECT_EQ(imageOf(LineRecord::fromImage(full.data())), full);
}

TEST(Document, APlaceOutsideTheTableTakesNoChange) {
    Document d;
    for (const auto& [page, row] : {std::pair{0, 1}, {201, 1}, {1, 66}, {1, 0}})
        d.editRow(page, row).setText(TextField::Text, "lost");
    EXPECT_FALSE(d.row(1, 1).isPresent());
    EXPECT_TRUE(d.editRow(1, 66).text(TextField::Text).isEmpty()) << "nothing kept from before";
}
