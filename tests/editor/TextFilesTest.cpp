#include "editor/EditorCommands.h"
#include "editor/FormattedFile.h"
#include "editor/LineLayout.h"
#include "editor/PlainTextFile.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(FormattedFile, RecordsAreTheDisplayLinesWithCrLf) {
    const QByteArray ruler = formattedBytes(kRuler);
    EXPECT_EQ(ruler.size(), 98);
    EXPECT_EQ(ruler, kRuler.left(93).toLatin1() + "\r\n*\r\n");
    EXPECT_EQ(formattedBytes(u""), QByteArray("\r\n"));
    EXPECT_EQ(formattedBytes(u"a\nb"), QByteArray("a\r\nb\r\n"));
    // Loaded text always ends with a break, so the file ends with an empty record.
    EXPECT_TRUE(formattedBytes(textFromPlainBytes("last line")).endsWith("\r\n\r\n"));
    // FOLIA's line codes pass as typed; accented letters become their 8-bit codes.
    EXPECT_EQ(formattedBytes(u"{@@pic.png}\nañó"), QByteArray("{@@pic.png}\r\na\xF1\xF3\r\n"));
    EXPECT_EQ(formattedBytes(u"€ ∑"), QByteArray("\x80 ?\r\n"));
}

TEST(FormattedFile, ReplacesAReadOnlyFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cache.txt");
    writeBytes(path, QByteArray(500, 'x'));
    QFile::setPermissions(path, QFile::ReadOwner);
    ASSERT_TRUE(writeFormattedFile(path, u"fresh"));
    EXPECT_EQ(readAll(path), QByteArray("fresh\r\n"));
}

TEST(PlainTextRead, WholeLinesEachFollowedByABreak) {
    EXPECT_EQ(textFromPlainBytes(""), "\n") << "an empty file is one empty line";
    EXPECT_EQ(textFromPlainBytes("no end"), "no end\n");
    EXPECT_EQ(textFromPlainBytes("a\r\nb\nc\rd\r\n"), "a\nb\nc\nd\n");
    EXPECT_EQ(textFromPlainBytes("\r\n\r\n"), "\n\n");
    // Nothing a comma-separated reader would cut or drop is lost.
    EXPECT_EQ(textFromPlainBytes("  a, \"b\"\tc"), "  a, \"b\"\tc\n");
    EXPECT_EQ(textFromPlainBytes("se\xF1or \x80"), QString::fromUtf8("señor €\n"));
}

TEST(PlainTextRead, ReadsAFileFromDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.txt");
    writeBytes(path, "one\r\ntwo");
    EXPECT_EQ(readPlainText(path).text, "one\ntwo\n");
}

TEST(PlainTextRead, AccentedLettersAreOneColumnEachInTheWrap) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.txt");
    writeBytes(path, "\xEF\xBB\xBF" + QByteArray("\xC3\xA9").repeated(100));
    const PlainText read = readPlainText(path);
    EXPECT_EQ(read.text, QString(100, u'\u00E9') + u'\n');
    EXPECT_EQ(read.replacedCharacters, 0);
    EXPECT_EQ(displayLines(read.text), (QList<DisplayLine>{{0, 93}, {93, 7}, {101, 0}}));
}

TEST(PlainTextAppend, AddsTheTextAndABreakAtTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    ASSERT_TRUE(appendPlainText(path, "a\nb"));
    ASSERT_TRUE(appendPlainText(path, "a\nb"));
    EXPECT_EQ(readAll(path), QByteArray("a\r\nb\r\na\r\nb\r\n"));
    ASSERT_TRUE(appendPlainText(path, ""));
    EXPECT_TRUE(readAll(path).endsWith("b\r\n\r\n")) << "an empty text appends just CR LF";
}

TEST(PlainTextAppend, KeepsTheExistingBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    writeBytes(path, QByteArray("\x00\xFFkept", 6));
    ASSERT_TRUE(appendPlainText(path, QString::fromUtf8("é")));
    EXPECT_EQ(readAll(path), QByteArray("\x00\xFFkept\xE9\r\n", 9));
}

TEST(PlainTextAppend, WritesInTheEncodingOfTheFile) {
    QTemporaryDir dir;
    const QString utf8 = dir.filePath("utf8.txt");
    writeBytes(utf8, "Cicer\xC3\xB3n\r\n");
    ASSERT_TRUE(appendPlainText(utf8, QString::fromUtf8("año")));
    EXPECT_EQ(readAll(utf8), QByteArray("Cicer\xC3\xB3n\r\na\xC3\xB1o\r\n"));
    EXPECT_EQ(detectEncoding(readAll(utf8)), TextEncoding::Utf8);

    const QString utf16 = dir.filePath("utf16.txt");
    writeBytes(utf16, QByteArray("\xFF\xFE" "a\0", 4));
    ASSERT_TRUE(appendPlainText(utf16, QString::fromUtf8("ñ")));
    EXPECT_EQ(readAll(utf16), QByteArray("\xFF\xFE" "a\0\xF1\0\r\0\n\0", 10));
}

TEST(PlainTextAppend, LeavesAProtectedFileAlone) {
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked.txt");
    writeBytes(locked, "mine");
    QFile::setPermissions(locked, QFile::ReadOwner);
    if (QFileInfo(locked).isWritable()) GTEST_SKIP() << "running as root: nothing is protected";
    EXPECT_FALSE(appendPlainText(locked, "more"));
    EXPECT_EQ(readAll(locked), QByteArray("mine"));
}

TEST(TextFiles, AFullDiskLeavesCacheTxtAndAnAppendedFileWhole) {
    QTemporaryDir dir;
    const QString formatted = dir.filePath("cache.txt");
    const QString plain = dir.filePath("notes.txt");
    writeBytes(formatted, "yesterday\r\n");
    writeBytes(plain, "kept\r\n");
    WriteResult cacheTxt, appended;
    {
        const test::FileSizeLimit limit(64);
        cacheTxt = writeFormattedFile(formatted, QString(100, u'a'));
        appended = appendPlainText(plain, QString(100, u'b'));
    }
    EXPECT_EQ(cacheTxt.failure, WriteFailure::FileTooLarge);
    EXPECT_EQ(appended.failure, WriteFailure::FileTooLarge);
    EXPECT_EQ(readAll(formatted), QByteArray("yesterday\r\n"));
    EXPECT_EQ(readAll(plain), QByteArray("kept\r\n"));
}

} // namespace
