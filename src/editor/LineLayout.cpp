#include "LineLayout.h"

#include <QString>
#include <QTextBoundaryFinder>
#include <vector>

namespace folia {
namespace {

// The wrap rule. The text box draws with Qt's text layout, so the rule is that layout's,
// restated over character columns; a test lays the same texts out in the box and
// compares row by row.
// - A row may end only where Unicode allows a line break: after a run of spaces, after a
//   hyphen, and so on. The next word goes down when its last character would pass
//   column 93.
// - The spaces at a soft wrap stay at the end of the upper row (the box lets them hang
//   invisibly past the edge), so the lower row starts with the next word. Blanks at the
//   end of a wrapped row are not written: it ends in the file at its last visible
//   character. A row that ends at a hard break keeps its trailing blanks, as far as
//   column 93.
// - A word longer than a row is cut after the character that fills the row.
// - A tab takes one column, as every character does in a FOLIA row (QuilletTextBox sets
//   the box's tab stops one character apart). Unlike spaces it must fit: spaces past
//   column 93 before a tab send the tab down to start the next row; a tab that is itself
//   the 94th column ends the row, and the blanks after it start the next one.

bool isHardBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// Characters between which Unicode never allows a break: for a paragraph made of these
// and blanks, the only break opportunities are after runs of blanks.
bool isPlainWordChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u',' || c == u'.' || c == u';' || c == u':' || c == u'\'' || c == u'"' ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

// Where a row may end inside one paragraph. Plain paragraphs (nearly all prose) are
// answered from the characters; others ask Unicode's line-break rules.
class BreakOpportunities {
public:
    explicit BreakOpportunities(QStringView paragraph) : m_text(paragraph) {
        for (QChar c : paragraph) {
            if (!isBlank(c.unicode()) && !isPlainWordChar(c.unicode())) {
                computeUnicodeBreaks();
                break;
            }
        }
    }

    // True when a row may end just before position i (0 < i < size).
    bool before(qsizetype i) const {
        if (m_unicode.empty()) return isBlank(m_text[i - 1].unicode());
        return m_unicode[size_t(i)] != 0;
    }

private:
    void computeUnicodeBreaks() {
        const QString copy = m_text.toString();
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, copy);
        m_unicode.assign(size_t(copy.size()) + 1, 0);
        for (qsizetype at = finder.toNextBoundary(); at >= 0; at = finder.toNextBoundary())
            m_unicode[size_t(at)] = 1;
    }

    QStringView m_text;
    std::vector<char> m_unicode;
};

// Lays out one paragraph (the text between two hard breaks) starting at `offset`.
void layOutParagraph(QStringView para, qsizetype offset,
                     const std::function<void(const DisplayLine&)>& visit) {
    const qsizetype n = para.size();
    if (n <= kRowColumns) {
        visit({offset, n});
        return;
    }
    const BreakOpportunities breaks(para);
    qsizetype pos = 0;
    do {
        const qsizetype rowStart = pos;
        qsizetype placed = 0;  // columns settled on the row
        qsizetype pending = 0; // spaces after them, hanging unless a word follows
        qsizetype wordEnd = 0; // columns up to the end of the last word
        qsizetype p = pos;
        bool softWrap = false;
        while (p < n) {
            if (para[p] == u'\t') {
                // A tab first settles the blanks before it, then must fit itself;
                // either failing ends the row, the tab hanging in the second case.
                if (placed > 0 && placed + pending > kRowColumns) {
                    softWrap = true;
                    break;
                }
                placed += pending + 1;
                pending = 0;
                ++p;
                if (placed > kRowColumns && placed > 1) {
                    softWrap = true;
                    break;
                }
                continue;
            }
            if (para[p] == u' ') {
                const qsizetype runStart = p;
                while (p < n && para[p] == u' ')
                    ++p;
                pending += p - runStart;
                if (pending > kRowColumns && p < n) {
                    // A run of blanks wider than the row ends the row by itself.
                    softWrap = true;
                    break;
                }
                continue;
            }
            qsizetype q = p + 1;
            while (q < n && !isBlank(para[q].unicode()) && !breaks.before(q))
                ++q;
            if (placed + pending + (q - p) <= kRowColumns) {
                placed += pending + (q - p);
                wordEnd = placed;
                pending = 0;
                p = q;
                continue;
            }
            softWrap = true;
            if (placed == 0) {
                // Nothing fits before the word: cut it where the row is full.
                const qsizetype cut = std::max<qsizetype>(1, kRowColumns - pending);
                placed = pending + cut;
                wordEnd = placed;
                pending = 0;
                p += cut;
            }
            break;
        }
        const qsizetype written = softWrap ? wordEnd : std::min(placed + pending, kRowColumns);
        visit({offset + rowStart, written});
        pos = p;
    } while (pos < n);
}

} // namespace

void forEachDisplayLine(QStringView text, const std::function<void(const DisplayLine&)>& visit) {
    const QChar* data = text.data();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (!isHardBreak(c)) continue;
        layOutParagraph(text.mid(start, i - start), start, visit);
        if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    layOutParagraph(text.mid(start), start, visit);
}

QList<DisplayLine> displayLines(QStringView text) {
    QList<DisplayLine> lines;
    forEachDisplayLine(text, [&lines](const DisplayLine& line) { lines.append(line); });
    return lines;
}

qsizetype countDisplayLines(QStringView text) {
    qsizetype count = 0;
    forEachDisplayLine(text, [&count](const DisplayLine&) { ++count; });
    return count;
}

} // namespace folia
