#include "document/TextImport.h"
#include "document/Document.h"
#include "output/PictureCache.h"
#include "output/PictureLoader.h"
#include "support/SeenPictureProblems.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;

namespace {

QByteArray numberedLines(int count, const QByteArray& end = "\r\n") {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + end;
    return text;
}

class TextImportTest : public ::testing::Test {
protected:
    QByteArray picture(const QString& name, int height) {
        QImage image(30, height, QImage::Format_RGB32);
        image.fill(Qt::green);
        EXPECT_TRUE(image.save(dir.filePath(name), "PNG"));
        return dir.filePath(name).toLocal8Bit();
    }
    bool import(const QByteArray& bytes) {
        QFile file(dir.filePath("cache.txt"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return importPath(file.fileName());
    }
    bool importPath(const QString& path) {
        pagesStarted.clear();
        const auto height = [this](const QByteArray& name) {
            const std::optional<QImage> loaded = pictures.load(name, 0, 0, false);
            return loaded ? loaded->height() : 0;
        };
        imported =
            importText(document, height, path, [this](int page) { pagesStarted.push_back(page); });
        return imported.has_value();
    }
    const LineRecord& at(int page, int row) const { return document.row(page, row); }
    QByteArray textAt(int page, int row) const { return at(page, row).text(TextField::Text); }
    int presentRows(int page) const {
        int count = 0;
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            count += at(page, row).isPresent();
        return count;
    }

    QTemporaryDir dir;
    Document document;
    PictureCache decoded;
    test::SeenPictureProblems seen;
    PictureLoader pictures{seen.recorder(), &decoded};
    std::vector<int> pagesStarted;
    std::optional<ImportedText> imported;
};

} // namespace

TEST_F(TextImportTest, SixtyFiveRowsAPageNumberedThroughTheDocument) {
    ASSERT_TRUE(import(numberedLines(130)));
    EXPECT_EQ(document.pageCount, 2);
    EXPECT_EQ(pagesStarted, (std::vector<int>{1, 2}));
    const LineRecord& line66 = at(2, 1);
    EXPECT_EQ(line66.lineNumber, 66);
    EXPECT_EQ(line66.page, 2);
    EXPECT_EQ(line66.lineOnPage, 1);
    EXPECT_EQ(line66.text(TextField::Text), "line 66");
    EXPECT_EQ(presentRows(1) + presentRows(2), 130);

    ASSERT_TRUE(import(numberedLines(131)));
    EXPECT_EQ(pagesStarted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(presentRows(3), 1);

    ASSERT_TRUE(import(QByteArray())); // an empty file: one page, one empty row
    EXPECT_EQ(presentRows(1), 1);
    EXPECT_EQ(textAt(1, 1), "");
}

TEST_F(TextImportTest, AnyLineEndAndTheBytesAsRead) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        ASSERT_TRUE(import(QByteArray("caf\xe9 \x80") + end + end + "three" + end));
        EXPECT_EQ(presentRows(1), 3);
        EXPECT_EQ(textAt(1, 1), "caf\xe9 \x80");
        EXPECT_EQ(textAt(1, 2), "");
        EXPECT_EQ(textAt(1, 3), "three");
    }
    ASSERT_TRUE(import("a\r\nb\nc\rd\n\re")); // LF CR is two ends; the last needs none
    EXPECT_EQ(presentRows(1), 6);
    EXPECT_EQ(textAt(1, 6), "e");
    // The file is read in 64 KiB pieces: this CR ends the first, its LF starts the next.
    const QByteArray cut = QByteArray(113, 'a') + QByteArray(37, 'b');
    ASSERT_TRUE(import(cut + QByteArray(65535 - 150, 'x') + "\r\nnext"));
    EXPECT_EQ(presentRows(1), 2);
    EXPECT_EQ(textAt(1, 1), QByteArray(113, 'a'));
}

TEST_F(TextImportTest, UnicodeFilesAreStoredInWindows1252) {
    const QByteArray spanish = "\xC2\xA1Haz esto!, dijo Cicer\xC3\xB3n\r\n";
    const QByteArray stored = "\xA1Haz esto!, dijo Cicer\xF3n";
    for (const QByteArray& mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        ASSERT_TRUE(import(mark + spanish + "two"));
        EXPECT_EQ(textAt(1, 1), stored);
        EXPECT_EQ(textAt(1, 2), "two");
        EXPECT_EQ(imported->replacedCharacters, 0);
    }
    QStringEncoder utf16(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    ASSERT_TRUE(
        import(utf16(QString::fromUtf8("\u00A1Haz esto!, dijo Cicer\u00F3n\r\n\u03BB \u0151"))));
    EXPECT_EQ(textAt(1, 1), stored);
    EXPECT_EQ(textAt(1, 2), "? o");
    EXPECT_EQ(imported->replacedCharacters, 2);

    // UTF-8 up to one byte that is not: the whole file is Windows-1252, read as it is.
    ASSERT_TRUE(import(spanish + "caf\xE9"));
    EXPECT_EQ(textAt(1, 1), spanish.chopped(2));
    EXPECT_EQ(imported->replacedCharacters, 0);

    // 113 letters of two bytes each are 113 characters: the line is kept whole.
    ASSERT_TRUE(import(QByteArray("\xC3\xB1").repeated(113) + "\nnext"));
    EXPECT_EQ(textAt(1, 1), QByteArray(113, '\xF1'));
    EXPECT_EQ(textAt(1, 2), "next");
}

TEST_F(TextImportTest, MoreThan200PagesAreCutAfterPage200) {
    ASSERT_TRUE(import(numberedLines(200 * 65 + 500, "\n")));
    EXPECT_EQ(document.pageCount, 200);
    EXPECT_EQ(at(200, 65).text(TextField::Text), "line 13000");
    EXPECT_EQ(pagesStarted.back(), 200);

    // A second, shorter text leaves nothing of the first.
    document.editRow(2, 5).setText(TextField::HorizontalMarks, "5,3,9;");
    ASSERT_TRUE(import("only\r\n"));
    EXPECT_EQ(document.pageCount, 1);
    for (int page = 2; page <= 200; ++page)
        ASSERT_EQ(presentRows(page), 0);
    EXPECT_TRUE(document.row(2, 5).text(TextField::HorizontalMarks).isEmpty());
}

TEST_F(TextImportTest, APictureTakesTheRowsOfItsHeightWhenItFits) {
    const QByteArray path = picture("figure.png", 40);
    ASSERT_TRUE(import(numberedLines(9) + "{@@figure," + path + "}\r\nafter\r\n"));
    for (int row = 10; row <= 12; ++row) {
        EXPECT_EQ(at(1, row).lineNumber, 10);
        EXPECT_EQ(at(1, row).lineOnPage, row);
    }
    EXPECT_EQ(textAt(1, 10), path);
    EXPECT_EQ(at(1, 10).imageStart, 1);
    EXPECT_EQ(at(1, 11).imageStart, 0);
    EXPECT_EQ(textAt(1, 13), "after");
    EXPECT_EQ(at(1, 13).lineNumber, 13);

    // At row 62 there are 48 pixels left: a 48-pixel picture is dropped, 47 fits.
    ASSERT_TRUE(import(numberedLines(61) + "{@@x," + picture("a.png", 48) + "}\nafter\n"));
    EXPECT_FALSE(at(1, 62).isPresent());
    EXPECT_EQ(textAt(1, 63), "after");
    ASSERT_TRUE(import(numberedLines(61) + "{@@x," + picture("b.png", 47) + "}\nafter\n"));
    EXPECT_EQ(at(1, 64).lineNumber, 62);
    EXPECT_EQ(textAt(1, 65), "after");
    EXPECT_TRUE(seen.lines.empty());

    EXPECT_EQ(picturePath("{@@word,C:\\pics\\a.png}"), QByteArray("C:\\pics\\a.png"));
    EXPECT_FALSE(picturePath("{@@word,b.png").has_value());
    EXPECT_EQ(picturePath("{@@word,/notes/a,b.png}"), QByteArray("/notes/a,b.png"))
        << "a comma inside the path belongs to it";
    EXPECT_EQ(picturePath("{@@no comma}"), QByteArray());
}

TEST_F(TextImportTest, AMissingPictureIsReportedAndKeepsItsRow) {
    ASSERT_TRUE(import("{@@a,/gone/figure.png}\r\nnext\r\n"));
    EXPECT_EQ(seen.lines, QStringList{"missing /gone/figure.png"});
    EXPECT_EQ(textAt(1, 1), "/gone/figure.png");
    EXPECT_EQ(at(1, 1).imageStart, 1);
    EXPECT_EQ(textAt(1, 2), "next");
}

TEST_F(TextImportTest, UnreadableBinaryAndHugeFiles) {
    ASSERT_TRUE(import("kept\r\n"));
    EXPECT_FALSE(importPath(dir.filePath("absent.txt")));
    EXPECT_FALSE(importPath(dir.path()));
    EXPECT_EQ(textAt(1, 1), "kept");

    // 50 MB without a line end, NUL bytes included: one row, its text up to the NUL.
    QByteArray noEnds(50 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < noEnds.size(); i += 7)
        noEnds[i] = 'A';
    ASSERT_TRUE(import(noEnds));
    EXPECT_EQ(presentRows(1), 1);
    EXPECT_EQ(textAt(1, 1), "A");

    QByteArray noise(256 * 1024, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    ASSERT_TRUE(import(noise));
}
