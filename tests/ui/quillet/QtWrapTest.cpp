#include "common/Cp1252.h"
#include "editor/FormattedFile.h"
#include "editor/LineLayout.h"
#include "quillet/QuilletTextBox.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextLayout>
#include <cmath>
#include <gtest/gtest.h>

using namespace folia;

namespace {

const QString kRuler = QStringLiteral("123456789012345678901234567890123456789012345678901234567890"
                                      "123456789012345678901234567890123*");

// The rows Qt's own text layout gives at the box's width of 93 columns and a quarter,
// tab stops one column apart, as the box showed them when Qt laid it out: each row's
// characters without the blanks that hang past the edge at a soft wrap.
struct QtRows {
    QStringList rows;
    QList<qsizetype> starts;
};

QtRows rowsOfQtLayout(const QString& text) {
    const QFont font = editorFont();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    QtRows result;
    qsizetype start = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(std::ceil(advance * qreal(kRowColumns) + advance / 4));
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            QString row = paragraph.mid(line.textStart(), line.textLength());
            if (i + 1 < layout.lineCount())
                while (!row.isEmpty() && row.back().isSpace() && row.back() != QChar::Nbsp)
                    row.chop(1);
            result.rows.append(row.left(kRowColumns));
            result.starts.append(start + line.textStart());
        }
        start += paragraph.size() + 1;
    }
    return result;
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

void expectSameRows(const QString& text) {
    const QtRows shown = rowsOfQtLayout(text);
    const QStringList laidOut = rowsOfTheLayout(text);
    ASSERT_EQ(shown.rows.size(), laidOut.size()) << text.toStdString();
    const auto lines = displayLines(text);
    for (qsizetype i = 0; i < laidOut.size(); ++i) {
        ASSERT_EQ(visible(shown.rows[i]), visible(laidOut[i]))
            << "row " << i << " starts at " << shown.starts[i] << " in Qt, " << lines[i].start
            << " in the layout; previous row: " << visible(shown.rows.value(i - 1));
        ASSERT_EQ(shown.starts[i], lines[i].start) << "row " << i;
    }
    // cache.txt holds exactly those rows.
    QByteArray expected;
    for (const QString& row : shown.rows)
        expected += toCp1252(row) + "\r\n";
    ASSERT_EQ(formattedBytes(text), expected);
}

TEST(QtWrap, TheRulerFillsOneRowAndItsStarWraps) {
    expectSameRows(kRuler);
    EXPECT_EQ(rowsOfQtLayout(kRuler).rows, QStringList({kRuler.left(93), "*"}));
}

TEST(QtWrap, HandPickedTextsWrapAsQtWrapsThem) {
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
        QString(90, u'a') + ":12345 end",
        "x " + QString(89, u'b') + ",2.5;7 end",
    };
    for (const QString& text : texts)
        expectSameRows(text);
}

TEST(QtWrap, RandomTextsWrapAsQtWrapsThem) {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 150; ++round)
        expectSameRows(randomText(random, 1500, false));
    // Paragraphs of letters, digits, quotes and commas take the layout's quick path.
    for (int round = 0; round < 50; ++round)
        expectSameRows(randomText(random, 1500, true));
}

TEST(QtWrap, LongRunsWithoutBlanksWrapAsQtWrapsThem) {
    // Runs far longer than a row, of words, numbers and signs that Unicode breaks
    // between in many ways, are asked of its rules a stretch at a time.
    QRandomGenerator random(20261209);
    for (int round = 0; round < 30; ++round) {
        QString run = randomText(random, 2500, false);
        run.remove(u' ').remove(u'\t').remove(u'\n');
        SCOPED_TRACE(run.left(120).toStdString());
        expectSameRows(run);
        expectSameRows("before " + run + " after");
    }
}

} // namespace
