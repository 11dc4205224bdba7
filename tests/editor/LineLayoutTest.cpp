#include "editor/LineLayout.h"
#include "editor/EditorCommands.h"

#include <gtest/gtest.h>

using namespace folia;

namespace {

QStringList rows(const QString& text) {
    QStringList result;
    for (const DisplayLine& line : displayLines(text))
        result.append(text.mid(line.start, line.length));
    return result;
}

QString linesOf(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line"));
    return lines.join(u'\n');
}

TEST(LineLayoutCount, RulerEmptyTextAndPageBoundaries) {
    EXPECT_EQ(countDisplayLines(kRuler), 2);
    EXPECT_EQ(rows(kRuler), QStringList({kRuler.left(93), "*"}));
    EXPECT_EQ(countDisplayLines(u""), 1);
    EXPECT_EQ(countDisplayLines(u"a\n"), 2) << "a final break opens an empty last line";
    EXPECT_EQ(fullPages(countDisplayLines(linesOf(65))), 0);
    EXPECT_EQ(fullPages(countDisplayLines(linesOf(66))), 1);
    EXPECT_EQ(fullPages(countDisplayLines(linesOf(131))), 1);
    EXPECT_EQ(fullPages(countDisplayLines(linesOf(132))), 2);
}

TEST(LineLayoutCount, EveryKindOfLineEndIsOneBreak) {
    EXPECT_EQ(rows("a\r\nb\rc\nd\u2029e\u2028f"), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(rows("\r\n\r\n"), QStringList({"", "", ""}));
}

TEST(LineLayoutWrap, WordsThatDoNotFitGoDown) {
    QString paragraph; // 200 characters of short words
    while (paragraph.size() < 200)
        paragraph += QStringLiteral("ab cde f ");
    paragraph.truncate(200);
    const QStringList shown = rows(paragraph);
    EXPECT_GE(shown.size(), 3);
    for (const QString& row : shown) {
        EXPECT_LE(row.size(), 93);
        EXPECT_FALSE(row.endsWith(u' ')) << "the spaces at a wrap are not written";
        EXPECT_FALSE(row.startsWith(u' '));
    }
    EXPECT_EQ(shown.join(u' '), paragraph.trimmed());
}

TEST(LineLayoutWrap, SpacesAtTheBreakStayOnTheUpperRowUnwritten) {
    const QString full(93, u'a');
    EXPECT_EQ(rows(full + "     next"), QStringList({full, "next"}));
    EXPECT_EQ(rows(QString(90, u'a') + "   bb"), QStringList({QString(90, u'a'), "bb"}));
    // At a hard break the trailing spaces are the writer's, as far as the row goes.
    EXPECT_EQ(rows("end  \nx"), QStringList({"end  ", "x"}));
    EXPECT_EQ(rows(QString(90, u'a') + QString(10, u' ')),
              QStringList({QString(90, u'a') + "   "}));
}

TEST(LineLayoutWrap, ALongWordIsCutWhereTheRowIsFull) {
    const QString word(200, u'z');
    EXPECT_EQ(rows("short " + word),
              QStringList({"short", QString(93, u'z'), QString(93, u'z'), QString(14, u'z')}));
    EXPECT_EQ(rows("  " + word).first(), "  " + QString(91, u'z'));
    // Blanks filling the whole row leave no column for the word: it goes down whole.
    EXPECT_EQ(rows(QString(93, u' ') + "word"), QStringList({"", "word"}));
}

TEST(LineLayoutWrap, UnicodeBreaksAfterHyphens) {
    const QString text = QString(87, u'a') + " well-known";
    EXPECT_EQ(rows(text), QStringList({QString(87, u'a') + " well-", "known"}));
}

TEST(LineLayoutWrap, TabsTakeOneColumnAndMustFit) {
    EXPECT_EQ(rows("\tx"), QStringList({"\tx"}));
    const QString full(93, u'a');
    EXPECT_EQ(rows(full + "\t\tnext"), QStringList({full, "\tnext"}));
    EXPECT_EQ(rows(QString(91, u'a') + "\tb c"), QStringList({QString(91, u'a') + "\tb", "c"}));
}

TEST(LineLayoutWrap, RowsCoverTheTextInOrder) {
    const QString text = "one two\n" + QString(300, u'x') + "\n\nlast words here";
    qsizetype previous = -1;
    for (const DisplayLine& line : displayLines(text)) {
        EXPECT_GT(line.start, previous);
        EXPECT_LE(line.start + line.length, text.size());
        previous = line.start;
    }
}

} // namespace
