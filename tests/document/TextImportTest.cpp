#include "document/TextImport.h"
#include "output/RecordingPrompts.h"
#include "shell/AppState.h"
#include "text/TextSet.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;
using folia::test::RecordingPrompts;

namespace {

class RecordingView : public MainView {
public:
    void setCaption(const QString& text) override { captions << text; }
    void setCommandEnabled(int, bool) override {}
    void setCommandChecked(int, bool) override {}
    void rebuildMenu() override {}
    void showView(const QImage&) override {}
    void startBusyAnimation() override { ++busyStarts; }
    void stopBusyAnimation() override { ++busyStops; }
    void focusPage() override { ++focusCalls; }

    QStringList captions;
    int busyStarts = 0;
    int busyStops = 0;
    int focusCalls = 0;
};

QByteArray numberedLines(int count, const QByteArray& end = "\r\n") {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + end;
    return text;
}

class TextImportTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = "cache.txt") {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString writePicture(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::green);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    bool import(const QByteArray& bytes) { return importPath(write(bytes)); }
    bool importPath(const QString& path) {
        filled.clear();
        return importText(state, view, prompts, path, [this](int page) { filled.push_back(page); });
    }

    const LineRecord& at(int page, int row) const { return state.document.row(page, row); }
    QByteArray textAt(int page, int row) const { return at(page, row).text(TextField::Text); }
    int presentRows(int page) const {
        int count = 0;
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            count += at(page, row).isPresent();
        return count;
    }

    QTemporaryDir dir;
    AppState state{englishTexts()};
    RecordingView view;
    RecordingPrompts prompts;
    std::vector<int> filled;
};

} // namespace

TEST_F(TextImportTest, SixtyFiveRowsAPageNumberedThroughTheDocument) {
    ASSERT_TRUE(import(numberedLines(130)));
    EXPECT_EQ(state.document.pageCount, 2);
    EXPECT_EQ(filled, (std::vector<int>{1, 2}));
    EXPECT_EQ(view.captions.last(), "Page 1 of 2");
    EXPECT_TRUE(view.captions.contains("Page 2 ... "));
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_TRUE(state.documentPresent);
    EXPECT_EQ(view.busyStarts, 1);
    EXPECT_EQ(view.busyStops, 1);
    EXPECT_EQ(view.focusCalls, 1);

    const LineRecord& line66 = at(2, 1);
    EXPECT_EQ(line66.lineNumber, 66);
    EXPECT_EQ(line66.page, 2);
    EXPECT_EQ(line66.lineOnPage, 1);
    EXPECT_EQ(line66.text(TextField::Text), "line 66");
    EXPECT_EQ(at(1, 65).lineNumber, 65);
    EXPECT_EQ(at(1, 65).lineOnPage, 65);
    EXPECT_EQ(presentRows(1), 65);
    EXPECT_EQ(presentRows(2), 65);

    ASSERT_TRUE(import(numberedLines(131)));
    EXPECT_EQ(state.document.pageCount, 3);
    EXPECT_EQ(presentRows(3), 1);
    EXPECT_EQ(at(3, 1).lineNumber, 131);
    EXPECT_EQ(view.captions.last(), "Page 1 of 3");
    EXPECT_TRUE(state.surfaces.hasPage(3));
}

TEST_F(TextImportTest, AnEmptyFileGivesOnePageWithOneEmptyRow) {
    ASSERT_TRUE(import(QByteArray()));
    EXPECT_EQ(state.document.pageCount, 1);
    EXPECT_EQ(filled, std::vector<int>{1});
    EXPECT_TRUE(at(1, 1).isPresent());
    EXPECT_EQ(textAt(1, 1), "");
    EXPECT_EQ(presentRows(1), 1);
    EXPECT_EQ(view.captions.last(), "Page 1 of 1");
}

TEST_F(TextImportTest, AllThreeLineEndsAndTheBytesAsRead) {
    const QByteArray lines[] = {"caf\xe9 \x80 one", "", "three"};
    for (const QByteArray end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
        ASSERT_TRUE(import(lines[0] + end + lines[1] + end + lines[2] + end));
        EXPECT_EQ(presentRows(1), 3) << end.toHex().constData();
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(textAt(1, row), lines[row - 1]);
    }
    // Mixed ends; the last line needs no end; a CR LF is one end, LF CR two.
    ASSERT_TRUE(import("a\r\nb\nc\rd\n\re"));
    EXPECT_EQ(presentRows(1), 6);
    EXPECT_EQ(textAt(1, 4), "d");
    EXPECT_EQ(textAt(1, 5), "");
    EXPECT_EQ(textAt(1, 6), "e");
}

TEST_F(TextImportTest, ACarriageReturnAndItsLineFeedInDifferentReads) {
    // The file is read in 64 KiB pieces: this CR is the last byte of the first one.
    ASSERT_TRUE(import(QByteArray(65535, 'x') + "\r\nnext\r\n"));
    EXPECT_EQ(presentRows(1), 2);
    EXPECT_EQ(textAt(1, 1), QByteArray(113, 'x'));
    EXPECT_EQ(textAt(1, 2), "next");
}

TEST_F(TextImportTest, LongLinesAreCutAt113Characters) {
    const QByteArray longLine = QByteArray(113, 'a') + QByteArray(37, 'b');
    ASSERT_TRUE(import(longLine + "\r\nshort\r\n"));
    EXPECT_EQ(textAt(1, 1), QByteArray(113, 'a'));
    EXPECT_EQ(textAt(1, 2), "short");
}

TEST_F(TextImportTest, MoreThan200PagesAreCutAfterPage200) {
    ASSERT_TRUE(import(numberedLines(200 * 65 + 500, "\n")));
    EXPECT_EQ(state.document.pageCount, 200);
    EXPECT_EQ(filled.size(), 200u);
    EXPECT_EQ(filled.back(), 200);
    EXPECT_EQ(at(200, 65).lineNumber, 13000);
    EXPECT_EQ(at(200, 65).text(TextField::Text), "line 13000");
    EXPECT_EQ(view.captions.last(), "Page 1 of 200");

    ASSERT_TRUE(import(numberedLines(200 * 65, "\n"))); // exactly full: page 200 drawn once
    EXPECT_EQ(filled.size(), 200u);
}

TEST_F(TextImportTest, APictureTakesTheRowsOfItsHeight) {
    const QString picture = writePicture("figure.png", 30, 40);
    QByteArray text = numberedLines(9);
    text += "{@@figure," + picture.toLocal8Bit() + "}\r\n";
    text += "after\r\n";
    ASSERT_TRUE(import(text));
    for (int row = 10; row <= 12; ++row) {
        EXPECT_EQ(at(1, row).lineNumber, 10) << row;
        EXPECT_EQ(at(1, row).lineOnPage, row);
        EXPECT_EQ(at(1, row).page, 1);
    }
    EXPECT_EQ(textAt(1, 10), picture.toLocal8Bit());
    EXPECT_EQ(at(1, 10).imageStart, 1);
    EXPECT_EQ(textAt(1, 11), "");
    EXPECT_EQ(at(1, 11).imageStart, 0);
    EXPECT_EQ(textAt(1, 13), "after");
    EXPECT_EQ(at(1, 13).lineNumber, 13);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(TextImportTest, APictureTooTallForTheRestOfThePageIsDropped) {
    const QString picture = writePicture("tall.png", 30, 48); // 3 rows of room at row 62
    ASSERT_TRUE(import(numberedLines(61) + "{@@x," + picture.toLocal8Bit() + "}\nafter\n"));
    EXPECT_FALSE(at(1, 62).isPresent());
    EXPECT_EQ(textAt(1, 63), "after");
    EXPECT_EQ(at(1, 63).lineNumber, 63);

    const QString fits = writePicture("fits.png", 30, 47);
    ASSERT_TRUE(import(numberedLines(61) + "{@@x," + fits.toLocal8Bit() + "}\nafter\n"));
    EXPECT_EQ(at(1, 62).imageStart, 1);
    EXPECT_EQ(at(1, 64).lineNumber, 62);
    EXPECT_EQ(textAt(1, 65), "after");
}

TEST_F(TextImportTest, AMissingPictureIsReportedAndKeepsItsRow) {
    ASSERT_TRUE(import("{@@a,/gone/figure.png}\r\nnext\r\n"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "[GraphicLoadImageFileToBitmap] called on </gone/figure.png> Missing file");
    EXPECT_EQ(prompts.messages[0].title, "Programador");
    EXPECT_EQ(textAt(1, 1), "/gone/figure.png");
    EXPECT_EQ(at(1, 1).imageStart, 1);
    EXPECT_EQ(textAt(1, 2), "next");
}

TEST_F(TextImportTest, PicturePathIsTheSecondFieldWithoutTheBrace) {
    EXPECT_EQ(picturePath("{@@word,C:\\pics\\a.png}"), QByteArray("C:\\pics\\a.png"));
    EXPECT_EQ(picturePath("{@@,b.png}"), QByteArray("b.png"));
    EXPECT_FALSE(picturePath("{@@word,b.png").has_value());
    EXPECT_FALSE(picturePath(" {@@word,b.png}").has_value());
    EXPECT_EQ(picturePath("{@@}"), QByteArray());
}

TEST_F(TextImportTest, ASecondImportReplacesTheFirstCompletely) {
    ASSERT_TRUE(import(numberedLines(200)));
    state.document.editRow(2, 5).setText(TextField::HorizontalMarks, "5,3,9;");
    ASSERT_TRUE(import("only\r\n"));
    EXPECT_EQ(state.document.pageCount, 1);
    EXPECT_EQ(presentRows(1), 1);
    for (int page = 2; page <= 4; ++page) {
        EXPECT_EQ(presentRows(page), 0);
        EXPECT_FALSE(state.surfaces.hasPage(page));
    }
    EXPECT_TRUE(state.document.row(2, 5).text(TextField::HorizontalMarks).isEmpty());
}

TEST_F(TextImportTest, AFileThatCannotBeOpenedLeavesTheDocumentAlone) {
    ASSERT_TRUE(import("kept\r\n"));
    EXPECT_FALSE(importPath(dir.filePath("absent.txt")));
    EXPECT_FALSE(importPath(dir.path()));
    EXPECT_EQ(textAt(1, 1), "kept");
    EXPECT_TRUE(filled.empty());
}

TEST_F(TextImportTest, BinaryAndHugeFilesImportWithoutHarm) {
    // 50 MB without a single line end, NUL bytes included: one row.
    QByteArray noEnds(50 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < noEnds.size(); i += 7)
        noEnds[i] = char('A' + i % 26);
    ASSERT_TRUE(import(noEnds));
    EXPECT_EQ(state.document.pageCount, 1);
    EXPECT_EQ(presentRows(1), 1);
    EXPECT_EQ(textAt(1, 1), "A"); // the stored text ends at the first NUL

    // Random bytes: many short lines, cut at page 200 at the latest.
    QByteArray noise(4 * 1024 * 1024, '\0');
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    ASSERT_TRUE(import(noise));
    EXPECT_EQ(state.document.pageCount, 200);
    EXPECT_EQ(at(200, 65).lineNumber, 13000);
}
