#include "quillet/QuilletTextBox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace folia;

namespace {

const QString kRuler = QStringLiteral("123456789012345678901234567890123456789012345678901234567890"
                                      "123456789012345678901234567890123*");

class TextBox : public ::testing::Test {
protected:
    void SetUp() override {
        box.resize(778, 875);
        box.show();
        box.activateWindow();
        box.setFocus();
        QApplication::processEvents();
    }
    // How many pixels of a cell (column, row from the top of the view) are drawn.
    int inkIn(const QImage& view, int column, int row) const {
        const QRect cell = box.characterRect(box.rows().row(row).start);
        int ink = 0;
        for (int y = cell.top(); y < cell.top() + cell.height(); ++y)
            for (int x = cell.left() + column * 8; x < cell.left() + column * 8 + 8; ++x)
                if (qGray(view.pixel(x, y)) < 128) ++ink;
        return ink;
    }
    QImage view() { return box.viewport()->grab().toImage(); }
    QString typed(const QString& start, const std::function<void()>& keys) {
        box.setText(start);
        keys();
        return box.text();
    }
    QuilletTextBox box;
};

TEST_F(TextBox, DrawsEveryCharacterInItsColumnAndWrapsTheRulerStar) {
    box.setText(kRuler);
    const QImage image = view();
    for (int column = 0; column < 93; ++column)
        EXPECT_GT(inkIn(image, column, 0), 0) << "digit in column " << column + 1;
    EXPECT_EQ(inkIn(image, 93, 0), 0) << "nothing past column 93";
    EXPECT_GT(inkIn(image, 0, 1), 0) << "the star";
    EXPECT_EQ(inkIn(image, 1, 1), 0);
    const int rowHeight = box.characterRect(0).height();
    EXPECT_EQ(box.characterRect(93), QRect(4, rowHeight, 8, rowHeight)) << "the star's cell";
}

TEST_F(TextBox, KeysTypeEraseAndMoveAsInAnyTextBox) {
    EXPECT_EQ(typed("", [&] { QTest::keyClicks(&box, "ab"); }), "ab");
    EXPECT_EQ(typed("",
                    [&] {
                        QTest::keyClicks(&box, "ab");
                        QTest::keyClick(&box, Qt::Key_Return);
                        QTest::keyClick(&box, Qt::Key_Tab);
                        QTest::keyClicks(&box, "c");
                    }),
              "ab\n\tc")
        << "Enter breaks the line, Tab is a character";
    EXPECT_EQ(typed("abc",
                    [&] {
                        QTest::keyClick(&box, Qt::Key_End);
                        QTest::keyClick(&box, Qt::Key_Backspace);
                        QTest::keyClick(&box, Qt::Key_Home);
                        QTest::keyClick(&box, Qt::Key_Delete);
                    }),
              "b");
    EXPECT_EQ(typed("one two",
                    [&] {
                        QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier);
                        QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
                        QTest::keyClicks(&box, "2");
                    }),
              "one 2");
    EXPECT_EQ(typed("keep",
                    [&] {
                        QTest::keyClicks(&box, "xy");
                        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
                    }),
              "keep")
        << "Undo takes the typing back";

    // Down from column 10 of the first row of a wrapped paragraph, then End.
    box.setText(QString(200, u'w'));
    box.select(10, 10);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.caret(), 93 + 10);
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(box.caret(), 93 + 92) << "before the last cell of the wrapped row";
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(box.caret(), 200);
}

TEST_F(TextBox, CopiesCutsAndPastesThroughTheClipboard) {
    box.setText("copy me");
    box.select(0, 4);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "copy");
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box.text(), " me");
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), " mecopy");
    QApplication::clipboard()->setText("two\r\nlines");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), " mecopytwo\nlines") << "pasted breaks become the box's own";
}

TEST_F(TextBox, MouseSetsTheCaretAndDragsASelection) {
    box.setText("first row\nsecond row");
    const QPoint second = box.characterRect(10 + 7).center() - QPoint(3, 0);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(box.caret(), 17);
    QTest::mousePress(box.viewport(), Qt::LeftButton, {},
                      box.characterRect(0).center() - QPoint(3, 0));
    QTest::mouseMove(box.viewport(), box.characterRect(5).center() - QPoint(3, 0));
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {},
                        box.characterRect(5).center() - QPoint(3, 0));
    EXPECT_EQ(box.selection(), std::make_pair(qsizetype(0), qsizetype(5)));
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(box.selection(), std::make_pair(qsizetype(17), qsizetype(20)));
}

TEST_F(TextBox, ASelectionFarDownIsScrolledIntoView) {
    QString lines;
    for (int i = 0; i < 5000; ++i)
        lines += QStringLiteral("line %1\n").arg(i);
    box.setText(lines);
    EXPECT_EQ(box.firstShownRow(), 0);
    const qsizetype at = lines.indexOf(QStringLiteral("line 4000"));
    box.select(at, at + 9);
    EXPECT_LE(box.firstShownRow(), 4000);
    EXPECT_GT(box.firstShownRow() + box.viewport()->height() / box.characterRect(0).height(), 4000);
    QTest::keyClick(&box, Qt::Key_PageUp);
    EXPECT_LT(box.caret(), at);
    EXPECT_LE(box.firstShownRow(), int(box.rows().rowOf(box.caret())));
}

TEST_F(TextBox, LongUnbrokenLinesLoadWhole) {
    const QString line(1 << 20, u'k');
    box.setText(line + "\nend");
    EXPECT_EQ(box.rows().rowCount(), (line.size() + 92) / 93 + 1);
    box.select(line.size() / 2, line.size() / 2);
    QTest::keyClicks(&box, "mid");
    EXPECT_EQ(box.text().mid(line.size() / 2, 3), "mid");
    EXPECT_EQ(box.rows().rowCount(), (line.size() + 3 + 92) / 93 + 1);
}

TEST_F(TextBox, ScreenReadersReadTheTextCaretAndSelection) {
    box.setAccessibleName("Editor");
    box.setText("hello world");
    box.select(6, 11);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&box);
    ASSERT_TRUE(access);
    EXPECT_EQ(access->role(), QAccessible::EditableText);
    EXPECT_EQ(access->text(QAccessible::Name), "Editor");
    EXPECT_TRUE(access->state().multiLine && access->state().editable);
    QAccessibleTextInterface* text = access->textInterface();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->characterCount(), 11);
    EXPECT_EQ(text->text(0, 5), "hello");
    EXPECT_EQ(text->cursorPosition(), 11);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(6, 11));
    text->setCursorPosition(2);
    EXPECT_EQ(box.caret(), 2);
    ASSERT_TRUE(access->editableTextInterface());
    access->editableTextInterface()->insertText(5, ",");
    EXPECT_EQ(box.text(), "hello, world");
}

} // namespace
