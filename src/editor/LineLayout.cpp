#include "LineLayout.h"

#include <QString>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace folia {
namespace {

// The wrap rule is that of Qt's text layout at a width of 93 columns, restated over
// character columns in linear time (Qt's own takes time with the square of a long
// word); a test lays the same texts out with Qt and compares row by row.
// - A row may end only where Unicode allows a line break: after a run of spaces, after a
//   hyphen, and so on. The next word goes down when its last character would pass
//   column 93.
// - The spaces at a soft wrap stay at the end of the upper row (the box lets them hang
//   invisibly past the edge), so the lower row starts with the next word. Blanks at the
//   end of a wrapped row are not written: it ends in the file at its last visible
//   character. A row that ends at a hard break keeps its trailing blanks, as far as
//   column 93.
// - A word longer than a row is cut after the character that fills the row.
// - A tab takes one column, as every character does in a FOLIA row. Unlike spaces it must
//   fit: spaces past column 93 before a tab send the tab down to start the next row; a
//   tab that is itself the 94th column ends the row, and the blanks after it start the
//   next one.

bool isHardBreak(char16_t c) {
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

// Letters: between two of them no break rule of Unicode's looks further back or further
// ahead, so the break opportunities on either side of such a pair are those of that side
// alone. (Not so between two digits: a number's breaks are settled only at its end.)
constexpr bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

constexpr bool isSeparator(char16_t c) {
    return c == u',' || c == u'.' || c == u';' || c == u':';
}

// Characters between which Unicode allows a break only after a separator that comes
// before a digit (see holdsNoBreak).
constexpr bool isPlainWordChar(char16_t c) {
    return isLetter(c) || (c >= u'0' && c <= u'9') || isSeparator(c) || c == u'\'' || c == u'"';
}

enum class CharKind : unsigned char { Plain, Space, Tab, Other };

// The kinds of the first 256 characters, looked up rather than tested: the layout runs
// over the whole text every second.
constexpr std::array<CharKind, 256> kLatin1Kinds = [] {
    std::array<CharKind, 256> kinds{};
    for (int c = 0; c < 256; ++c)
        kinds[size_t(c)] = c == ' '                       ? CharKind::Space
                           : c == '\t'                    ? CharKind::Tab
                           : isPlainWordChar(char16_t(c)) ? CharKind::Plain
                                                          : CharKind::Other;
    return kinds;
}();

// A space the layout lets hang at a wrap: the space itself and the other Unicode spaces
// that allow a break (a no-break space is a letter of its word).
bool isWideBreakableSpace(QChar c) {
    return c.isSpace() && !isHardBreak(c.unicode()) && c.decompositionTag() != QChar::NoBreak;
}

inline CharKind kindOf(QChar c) {
    if (c.unicode() < 256) return kLatin1Kinds[c.unicode()];
    return isWideBreakableSpace(c) ? CharKind::Space : CharKind::Other;
}

inline bool isBreakableSpace(QChar c) {
    return kindOf(c) == CharKind::Space;
}
inline bool isBlank(QChar c) {
    const CharKind kind = kindOf(c);
    return kind == CharKind::Space || kind == CharKind::Tab;
}

// Plain word characters hold no break opportunity among themselves but for one pair: a
// separator before a digit (after "page:" in "page:9" a row may end).
bool holdsNoBreak(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (kindOf(text[i]) != CharKind::Plain) return false;
        if (isSeparator(text[i].unicode()) && i + 1 < text.size() && text[i + 1].isDigit())
            return false;
    }
    return true;
}

} // namespace

bool breakRulesRestartAt(QStringView paragraph, qsizetype position) {
    if (position <= 0 || position >= paragraph.size()) return true;
    return isBlank(paragraph[position - 1]) ||
           (isLetter(paragraph[position - 1].unicode()) && isLetter(paragraph[position].unicode()));
}

// Where a row may end inside a run of non-blank characters, asked of Unicode's rules a
// window at a time: a window starts and ends where the rules restart (see
// breakRulesRestartAt), so what they say inside it is what they say of the whole run,
// and a row needs only the window it stands in, however long its run. Windows of plain
// word characters only, most of prose, need no lookup at all.
class ParagraphRows::RunBreaks {
public:
    explicit RunBreaks(QStringView paragraph) : m_text(paragraph) {}

    // The end of the word that starts at p: the next break opportunity in its run, or
    // the run's end, or `limit` when both lie beyond it.
    qsizetype wordEnd(qsizetype p, qsizetype limit) {
        for (;;) {
            if (p < m_start || p >= m_end) examineWindowAt(p);
            const qsizetype last = std::min(m_end, limit);
            if (!m_breaks.empty())
                for (qsizetype q = p + 1; q < last; ++q)
                    if (m_breaks[size_t(q - m_start)]) return q;
            if (limit <= m_end) return limit;
            if (m_endsRun) return m_end;
            p = m_end; // no break between the two letters at the window's end
        }
    }

private:
    static constexpr qsizetype kWindow = 256;

    void examineWindowAt(qsizetype p) {
        m_start = p;
        while (!breakRulesRestartAt(m_text, m_start))
            --m_start;
        m_end = p + 1;
        while (m_end < m_text.size() && !isBlank(m_text[m_end]) &&
               (m_end - p < kWindow || !breakRulesRestartAt(m_text, m_end)))
            ++m_end;
        m_endsRun = m_end == m_text.size() || isBlank(m_text[m_end]);
        m_breaks.clear();
        const QStringView window = m_text.mid(m_start, m_end - m_start);
        if (holdsNoBreak(window)) return;
        // The rules see the character before the window too: a number that starts the
        // text they are given is broken differently from one after a blank.
        const qsizetype context = m_start > 0 ? 1 : 0;
        const QString copy = m_text.mid(m_start - context, m_end - m_start + context).toString();
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, copy);
        m_breaks.assign(size_t(window.size()) + 1, 0);
        for (qsizetype at = finder.toNextBoundary(); at >= 0; at = finder.toNextBoundary())
            if (at >= context) m_breaks[size_t(at - context)] = 1;
    }

    QStringView m_text;
    qsizetype m_start = 0, m_end = 0;
    bool m_endsRun = false;
    std::vector<char> m_breaks; // empty for a window of plain word characters
};

ParagraphRows::ParagraphRows(QStringView paragraph)
    : m_text(paragraph), m_breaks(std::make_unique<RunBreaks>(paragraph)) {}

ParagraphRows::~ParagraphRows() = default;

namespace {

// The columns of a row as it fills up.
struct RowFill {
    qsizetype placed = 0;  // columns settled on the row
    qsizetype pending = 0; // spaces after them, hanging unless a word follows
    qsizetype wordEnd = 0; // columns up to the end of the last word

    // The columns a word may take after the pending spaces.
    qsizetype room() const { return std::max<qsizetype>(kRowColumns - placed - pending, 0); }

    // A tab first settles the blanks before it, then must fit itself; either failing
    // ends the row (true), the tab hanging in the second case, with `p` past it.
    bool tabEndsRow(qsizetype& p) {
        if (placed > 0 && placed + pending > kRowColumns) return true;
        placed += pending + 1;
        pending = 0;
        ++p;
        return placed > kRowColumns && placed > 1;
    }

    // Places a word of `length` columns after the pending spaces, if it fits.
    bool placeWord(qsizetype length) {
        if (placed + pending + length > kRowColumns) return false;
        placed += pending + length;
        wordEnd = placed;
        pending = 0;
        return true;
    }

    // For a word that does not fit: the characters of it the row takes. Blanks that fill
    // the row hang at its end, as a wider run does: the word starts the next row rather
    // than being cut to one column past the edge. When nothing fits before the word it
    // is cut where the row is full.
    qsizetype cutOfUnfittingWord() {
        if (placed != 0 || pending >= kRowColumns) return 0;
        const qsizetype cut = kRowColumns - pending;
        placed = pending + cut;
        wordEnd = placed;
        pending = 0;
        return cut;
    }
};

} // namespace

DisplayLine ParagraphRows::rowAt(qsizetype pos, qsizetype& next) {
    const QStringView para = m_text;
    const qsizetype n = para.size();
    if (n <= kRowColumns) {
        next = n;
        return {0, n};
    }
    RowFill row;
    qsizetype p = pos;
    bool softWrap = false;
    while (p < n && !softWrap) {
        if (para[p] == u'\t') {
            softWrap = row.tabEndsRow(p);
        } else if (isBreakableSpace(para[p])) {
            const qsizetype runStart = p;
            while (p < n && isBreakableSpace(para[p]))
                ++p;
            row.pending += p - runStart;
            // A run of blanks wider than the row ends the row by itself.
            softWrap = row.pending > kRowColumns && p < n;
        } else {
            // Whether the word fits needs its end only as far as one column past the row.
            const qsizetype q = m_breaks->wordEnd(p, p + row.room() + 1);
            if (row.placeWord(q - p)) {
                p = q;
            } else {
                softWrap = true;
                p += row.cutOfUnfittingWord();
            }
        }
    }
    next = p;
    return {pos, softWrap ? row.wordEnd : std::min(row.placed + row.pending, kRowColumns)};
}

namespace {

// Lays out one paragraph (the text between two hard breaks) starting at `offset`.
void layOutParagraph(QStringView para, qsizetype offset,
                     const std::function<void(const DisplayLine&)>& visit) {
    if (para.size() <= kRowColumns) {
        visit({offset, para.size()});
        return;
    }
    ParagraphRows rows(para);
    qsizetype pos = 0;
    do {
        const DisplayLine row = rows.rowAt(pos, pos);
        visit({offset + row.start, row.length});
    } while (pos < para.size());
}

} // namespace

bool isBlankForLayout(QChar c) {
    return isBlank(c);
}

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
