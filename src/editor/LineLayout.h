#pragma once

#include <QList>
#include <QStringView>
#include <functional>
#include <memory>

namespace folia {

// A FOLIA row holds 93 characters; the editor wraps its text at that width so that what
// the box shows is what FOLIA will import.
inline constexpr qsizetype kRowColumns = 93;
inline constexpr qsizetype kLinesPerPage = 66;

// One row of the wrapped text: where it starts in the text and how many characters it
// writes (the spaces at a soft wrap are not among them, see LineLayout.cpp).
struct DisplayLine {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const DisplayLine&, const DisplayLine&) = default;
};

// Hard line breaks may be LF, CR LF, CR, or the paragraph and line separators that the
// text widget uses internally; each counts as one break.
using DisplayLineVisit = std::function<void(const DisplayLine&)>;
void forEachDisplayLine(QStringView text, const DisplayLineVisit& visit);
QList<DisplayLine> displayLines(QStringView text);
// An empty text is one (empty) display line.
qsizetype countDisplayLines(QStringView text);

// Lays out one paragraph (text without hard breaks) a row at a time. A row depends only
// on the text from where it starts, so after an edit the rows can be laid out again from
// any row start before it.
class ParagraphRows {
public:
    explicit ParagraphRows(QStringView paragraph);
    ~ParagraphRows();
    // The row starting at `pos` (0 or where the previous row ended), offsets within the
    // paragraph; `next` receives where the next row starts, the paragraph's size after the
    // last row.
    DisplayLine rowAt(qsizetype pos, qsizetype& next);

private:
    class RunBreaks;
    QStringView m_text;
    std::unique_ptr<RunBreaks> m_breaks;
};

// Spaces and tabs: between them and a word a row may end.
bool isBlankForLayout(QChar c);

// Whether the break opportunities before `position` depend only on the paragraph's text
// before it, and those after it only on the text after it: at either end, after a blank,
// and between two letters.
bool breakRulesRestartAt(QStringView paragraph, qsizetype position);

inline qsizetype fullPages(qsizetype lineCount) {
    return lineCount / kLinesPerPage;
}

} // namespace folia
