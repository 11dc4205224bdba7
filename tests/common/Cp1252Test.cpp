#include "common/Cp1252.h"
#include "common/TextEncoding.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace folia;

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, HighRangeMapsToTypographicCharacters) {
    EXPECT_EQ(fromCp1252(QByteArray("\x80\x93\x94\xF1", 4)), QString::fromUtf8("€“”ñ"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("¿Añil? ¡Sí!")), QByteArray("\xBF"
                                                                     "A\xF1il? \xA1S\xED!"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const QString greek = QString::fromUtf8("aλb");
    EXPECT_FALSE(fitsCp1252(greek));
    EXPECT_EQ(toCp1252(greek), QByteArray("a?b"));
    EXPECT_TRUE(fitsCp1252(QString::fromUtf8("€ñ")));
}

TEST(TextEncoding, TheMarkDecidesElseValidUtf8WithAHighByteElseWindows1252) {
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBFplain"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xFF\xFEp\0"), TextEncoding::Utf16LittleEndian);
    EXPECT_EQ(detectEncoding("\xFE\xFF\0p"), TextEncoding::Utf16BigEndian);
    EXPECT_EQ(detectEncoding("Cicer\xC3\xB3n"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("plain"), TextEncoding::Windows1252) << "ASCII reads as it always did";
    EXPECT_EQ(detectEncoding("Cicer\xF3n"), TextEncoding::Windows1252);
    EXPECT_EQ(detectEncoding("Cicer\xC3\xB3n \xE9"), TextEncoding::Windows1252)
        << "one invalid byte makes the whole file Windows-1252";
    for (const char* invalid : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_EQ(detectEncoding(invalid), TextEncoding::Windows1252) << invalid;

    // Pieces may cut a character or the mark anywhere.
    EncodingDetector detector;
    for (const char byte : QByteArray("\xEF\xBB\xBF\xC3\xB3"))
        detector.feed(QByteArrayView(&byte, 1));
    EXPECT_EQ(detector.encoding(), TextEncoding::Utf8);
}

TEST(TextEncoding, CharactersTheCodePageLacksBecomeTheNearestAndAreCounted) {
    EXPECT_EQ(nearestCp1252(U'\u201C'), '\x93') << "typographic quotes are the code page's own";
    EXPECT_EQ(nearestCp1252(U'\u2014'), '\x97');
    EXPECT_EQ(nearestCp1252(U'\u0151'), 'o') << "o with double acute";
    EXPECT_EQ(nearestCp1252(U'\u1EA5'), '\xE2') << "a with circumflex and acute keeps one mark";
    EXPECT_EQ(nearestCp1252(U'\u2015'), '\x97');
    EXPECT_EQ(nearestCp1252(U'\u03BB'), '?');
    EXPECT_EQ(nearestCp1252(U'\U0001F600'), '?');

    // UTF-16 with a pair cut between two pieces: one character, counted once.
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray utf16 = encoder(QString::fromUtf8("ñ\u0151😀!"));
    Cp1252Transcoder transcoder(TextEncoding::Utf16LittleEndian);
    QByteArray converted = transcoder.convert(utf16.first(8));
    converted += transcoder.convert(utf16.sliced(8));
    EXPECT_EQ(converted, QByteArray("\xF1o?!"));
    EXPECT_EQ(transcoder.replacedCharacters(), 2);

    const Cp1252Text windows = toCp1252Text("caf\xE9 \x80\x81");
    EXPECT_EQ(windows.bytes, QByteArray("caf\xE9 \x80\x81")) << "Windows-1252 passes unchanged";
    EXPECT_EQ(windows.replacedCharacters, 0);
}
