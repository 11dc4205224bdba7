#include "editor/WrappedText.h"
#include "editor/EditableText.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace folia;

namespace {

QList<DisplayLine> keptRows(const WrappedText& wrapped) {
    QList<DisplayLine> rows;
    wrapped.forEachRow([&rows](const DisplayLine& line) { rows.append(line); });
    return rows;
}

// The rows kept edit by edit must be the rows of the whole text laid out afresh.
void expectFreshLayout(const WrappedText& wrapped, const std::string& step) {
    const QList<DisplayLine> fresh = displayLines(wrapped.text());
    ASSERT_EQ(keptRows(wrapped), fresh) << step;
    ASSERT_EQ(wrapped.rowCount(), fresh.size()) << step;
    for (qsizetype i = 0; i < fresh.size(); ++i) {
        ASSERT_EQ(wrapped.row(i), fresh[i]) << step << ", row " << i;
        ASSERT_EQ(wrapped.rowOf(fresh[i].start), i) << step << ", row " << i;
    }
}

QString piece(QRandomGenerator& random) {
    static const QStringList pieces = {"a",   "word",       " ",          "  ", "\t",
                                       "-",   "(x)",        "why?",       "\n", "\r\n",
                                       "año", "well-known", "e-mail/path"};
    const int kind = random.bounded(20);
    if (kind == 0) return QString(random.bounded(1, 300), u'w'); // a long word
    if (kind == 1) return QString(random.bounded(1, 120), u' ');
    return pieces[random.bounded(int(pieces.size()))];
}

QString randomText(QRandomGenerator& random, qsizetype size) {
    QString text;
    while (text.size() < size)
        text += piece(random);
    return text;
}

// One long run, with the hyphens, brackets and slashes of the pieces to break it.
QString withoutBlanks(QString text) {
    return text.remove(u' ').remove(u'\t').remove(u'\n').remove(u'\r');
}

TEST(WrappedText, EditsKeepTheRowsOfAFreshLayout) {
    QRandomGenerator random(424242);
    // Short paragraphs are laid out again whole; long ones, with and without blanks, only
    // around the edit.
    const QStringList starts = {randomText(random, 3000), QString(9000, u'x'),
                                randomText(random, 9000).remove(u'\n').remove(u'\r'),
                                QString(5000, u'y') + " tail " + QString(5000, u'-'),
                                withoutBlanks(randomText(random, 12000))};
    for (const QString& start : starts) {
        WrappedText wrapped;
        wrapped.setText(start);
        expectFreshLayout(wrapped, "loaded");
        for (int step = 0; step < 120; ++step) {
            const qsizetype size = wrapped.size();
            const qsizetype at = random.bounded(int(size + 1));
            const qsizetype end =
                random.bounded(3) == 0 ? std::min(size, at + random.bounded(200)) : at;
            const QString with = random.bounded(4) == 0 ? QString() : piece(random);
            wrapped.replace(at, end, with);
            expectFreshLayout(wrapped, "step " + std::to_string(step) + " at " +
                                           std::to_string(at) + ".." + std::to_string(end));
        }
    }
}

TEST(WrappedText, EveryKindOfBreakBecomesOneNewline) {
    WrappedText wrapped;
    wrapped.setText(u"a\r\nb\rc\u2028d\u2029e");
    EXPECT_EQ(wrapped.text(), "a\nb\nc\nd\ne");
    wrapped.replace(1, 1, u"\r\n\r");
    EXPECT_EQ(wrapped.text(), "a\n\n\nb\nc\nd\ne");
    EXPECT_EQ(wrapped.rowCount(), 7);
    wrapped.setText(u"");
    EXPECT_EQ(wrapped.rowCount(), 1) << "an empty text is one empty row";
}

TEST(WrappedText, ACaretAtASoftWrapStandsOnTheLowerRow) {
    WrappedText wrapped;
    wrapped.setText(QString(93, u'a') + "   next\nlast");
    ASSERT_EQ(wrapped.rowCount(), 3);
    EXPECT_TRUE(wrapped.endsAtSoftWrap(0));
    EXPECT_EQ(wrapped.rowEnd(0), 96) << "the hanging blanks belong to the upper row";
    EXPECT_EQ(wrapped.rowOf(95), 0);
    EXPECT_EQ(wrapped.rowOf(96), 1);
    EXPECT_FALSE(wrapped.endsAtSoftWrap(1));
    EXPECT_EQ(wrapped.rowOf(100), 1) << "the caret before the hard break";
    EXPECT_EQ(wrapped.rowOf(101), 2);
}

TEST(EditableText, TypingIsUndoneAtOnceAndRedoneAgain) {
    EditableText edit;
    edit.setText(u"start");
    edit.moveTo(5, false);
    for (const char16_t c : u" more")
        if (c) edit.type(QStringView(&c, 1));
    EXPECT_EQ(edit.text(), "start more");
    edit.type(u"\n");
    edit.type(u"x");
    EXPECT_TRUE(edit.undo());
    EXPECT_TRUE(edit.undo());
    EXPECT_EQ(edit.text(), "start more") << "a line break ends a typing step";
    EXPECT_TRUE(edit.undo());
    EXPECT_EQ(edit.text(), "start");
    EXPECT_EQ(edit.caret(), 5);
    EXPECT_TRUE(edit.undo()) << "setText is a step of its own";
    EXPECT_EQ(edit.text(), "");
    EXPECT_FALSE(edit.undo());
    EXPECT_TRUE(edit.redo());
    EXPECT_TRUE(edit.redo());
    EXPECT_EQ(edit.text(), "start more");
    edit.moveTo(0, false);
    edit.type(u"!");
    EXPECT_FALSE(edit.redo()) << "a new edit forgets what was undone";
}

TEST(EditableText, TypingAndErasingReplaceTheSelection) {
    EditableText edit;
    edit.setText(u"one two three");
    edit.select(4, 7);
    EXPECT_EQ(edit.selectedText(), "two");
    edit.type(u"2");
    EXPECT_EQ(edit.text(), "one 2 three");
    edit.select(0, 4);
    edit.eraseTo(edit.characterBefore(edit.caret()));
    EXPECT_EQ(edit.text(), "2 three") << "the selection goes, not one more character";
    edit.setText(u"a\U0001F600b");
    edit.moveTo(3, false);
    edit.eraseTo(edit.characterBefore(edit.caret()));
    EXPECT_EQ(edit.text(), "ab") << "a character outside the BMP goes whole";
}

TEST(EditableText, CaretMovesByWordsAndRows) {
    EditableText edit;
    edit.setText(u"alpha, beta  gamma");
    EXPECT_EQ(edit.wordAfter(0), 5);
    EXPECT_EQ(edit.wordAfter(5), 7) << "the comma, then the blank after it";
    EXPECT_EQ(edit.wordBefore(13), 7);
    EXPECT_EQ(edit.wordAround(8), std::make_pair(qsizetype(7), qsizetype(11)));

    // Rows of 93, 3 and 93 characters: the column survives the short row.
    edit.setText(QString(93, u'a') + QString(93, u'b') + "\nccc\n" + QString(93, u'd'));
    edit.moveTo(50, false);
    edit.moveByRows(1, false);
    EXPECT_EQ(edit.caret(), 93 + 50);
    edit.moveByRows(1, false);
    EXPECT_EQ(edit.caret(), 187 + 3) << "at the end of the short row";
    edit.moveByRows(1, true);
    EXPECT_EQ(edit.caret(), 191 + 50);
    EXPECT_EQ(edit.anchor(), 187 + 3);
    EXPECT_EQ(edit.rowEndOf(10), 92) << "the caret stays on a wrapped row, before its last cell";
    EXPECT_EQ(edit.rowStartOf(100), 93);
}

} // namespace
