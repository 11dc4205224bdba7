#include "common/Cp1252.h"
#include "editor/FormattedFile.h"
#include "editor/LineLayout.h"
#include "quillet/QuilletTextBox.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace folia;

namespace {

const QString kRuler = QStringLiteral("123456789012345678901234567890123456789012345678901234567890"
                                      "123456789012345678901234567890123*");

// What the box shows on each row, read from Qt's own layout: the row's characters
// without the blanks that hang past the edge at a soft wrap.
QStringList rowsShownByTheBox(QuilletTextBox& box) {
    QStringList rows;
    const QString text = box.text();
    const auto shown = box.shownRows();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QString row = text.mid(shown[i].first, shown[i].second);
        const qsizetype end = shown[i].first + shown[i].second;
        const bool softWrap = end < text.size() && text[end] != u'\n';
        if (softWrap)
            while (!row.isEmpty() && row.back().isSpace() && row.back() != QChar::Nbsp)
                row.chop(1);
        rows.append(row.left(kRowColumns));
    }
    return rows;
}

QStringList rowsOfTheLayout(const QString& text) {
    QStringList rows;
    for (const DisplayLine& line : displayLines(text))
        rows.append(text.mid(line.start, line.length));
    return rows;
}

// Blanks made visible for failure messages.
std::string visible(QString row) {
    row.replace(u' ', u'\u00B7').replace(u'\t', u'\u2192');
    return row.toStdString();
}

QString randomText(QRandomGenerator& random, int length, bool plainWordsOnly) {
    static const QStringList plain = {"a",
                                      "word",
                                      "FOLIA",
                                      "it's",
                                      "\"quoted\"",
                                      "1,000.50",
                                      "año",
                                      "x",
                                      QString(120, u'w'),
                                      QString(93, u'n')};
    static const QStringList pieces = {"a",
                                       "word",
                                       "FOLIA",
                                       "well-known",
                                       "(aside)",
                                       "\"quoted\"",
                                       "it's",
                                       "1,000.50",
                                       "why?",
                                       "yes!",
                                       "e-mail",
                                       "path/to/file",
                                       "año",
                                       "ÁÉÍ",
                                       "x",
                                       "—",
                                       "50%",
                                       "$12",
                                       "{@@pic.png}",
                                       QString(120, u'w'),
                                       QString(93, u'n'),
                                       QString(92, u'm'),
                                       QString(94, u'o')};
    static const QStringList gaps = {" ",
                                     " ",
                                     " ",
                                     "  ",
                                     "   ",
                                     "\t",
                                     " \t ",
                                     "\n",
                                     "\n\n",
                                     QString(30, u' '),
                                     QString(100, u' ')};
    const QStringList& chosen = plainWordsOnly ? plain : pieces;
    QString text;
    while (text.size() < length) {
        text += chosen[random.bounded(int(chosen.size()))];
        text += gaps[random.bounded(int(gaps.size()))];
    }
    return text;
}

class TextBoxLayout : public ::testing::Test {
protected:
    void SetUp() override {
        m_box.resize(778, 875);
        m_box.show();
    }
    void expectSameRows(const QString& text) {
        m_box.setText(text);
        QApplication::processEvents();
        ASSERT_EQ(m_box.text(), text);
        const QStringList shown = rowsShownByTheBox(m_box);
        const QStringList laidOut = rowsOfTheLayout(text);
        ASSERT_EQ(shown.size(), laidOut.size()) << text.toStdString();
        const auto boxRows = m_box.shownRows();
        const auto lines = displayLines(text);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            ASSERT_EQ(visible(shown[i]), visible(laidOut[i]))
                << "row " << i << " starts at " << boxRows[i].first << " in the box, "
                << lines[i].start << " in the layout; previous row: " << visible(shown.value(i - 1))
                << " (" << boxRows.value(i - 1).second << ")";
            ASSERT_EQ(boxRows[i].first, lines[i].start) << "row " << i;
        }
        // cache.txt holds exactly those rows.
        QByteArray expected;
        for (const QString& row : shown)
            expected += toCp1252(row) + "\r\n";
        ASSERT_EQ(formattedBytes(text), expected);
    }
    QuilletTextBox m_box;
};

TEST_F(TextBoxLayout, TheRulerFillsOneRowAndItsStarWraps) {
    expectSameRows(kRuler);
    const auto rows = m_box.shownRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].second, 93);
    EXPECT_EQ(rows[1].second, 1);
}

TEST_F(TextBoxLayout, HandPickedTextsWrapAsTheBoxShowsThem) {
    const QString word200 = QString(200, u'z');
    QString paragraph; // 200 characters of short words
    while (paragraph.size() < 200)
        paragraph += QStringLiteral("ab cde f ");
    paragraph.truncate(200);
    const QStringList texts = {
        "",
        "\n",
        "one\n\nthree\n",
        paragraph,
        word200,
        "short " + word200 + " tail",
        QString(90, u'a') + "     " + QString(10, u'b'),
        QString(93, u'a') + "   " + "next",
        QString(92, u'a') + " b" + " c",
        QString(93, u'a') + "\t\tnext",
        "\tindented\tby\ttabs " + QString(85, u'q') + "\tafter",
        QString(150, u' ') + "after many blanks",
        "end with blanks " + QString(120, u' '),
        QString(88, u'a') + " well-known words",
        QString(91, u'a') + " (aside) and e-mail/path",
        QString(92, u'a') + " , b ; c",
        QString(88, u'a') + QChar(0xA0) + "nbsp joins words",
        QString(90, u'a') + QChar(0x2002) + QChar(0x2002) + "en spaces break",
        QString(85, u'a') + " 1-2 (x)(y) why?no! 50%a $1",
    };
    for (const QString& text : texts)
        expectSameRows(text);
}

TEST_F(TextBoxLayout, RandomTextsWrapAsTheBoxShowsThem) {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 150; ++round)
        expectSameRows(randomText(random, 1500, false));
    // Paragraphs of letters, digits, quotes and commas take the layout's quick path.
    for (int round = 0; round < 50; ++round)
        expectSameRows(randomText(random, 1500, true));
}

} // namespace
