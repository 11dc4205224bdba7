#pragma once

#include "editor/LineLayout.h"

#include <QString>
#include <vector>

namespace folia {

// The text box's text with its display lines, kept laid out edit by edit: an edit lays
// out again only the paragraphs it touches, and inside a long paragraph only the rows
// from just before the edit to where they fall as before. So a keystroke costs the same
// in a 10 MB text as in a short one, long lines without blanks included; only where a
// line has no break opportunity at all, and every row is a cut at the row's width, do
// all the rows after the edit move.
// Hard breaks are '\n' alone: CR LF, CR and the Unicode separators become '\n' on the
// way in, so that every offset counts characters as the box shows them.
class WrappedText {
public:
    WrappedText();

    const QString& text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    void setText(QStringView text);
    // Replaces [start, end) by `with`, its hard breaks made '\n'.
    void replace(qsizetype start, qsizetype end, QStringView with);

    qsizetype rowCount() const;
    // The absolute start of a row and the characters written for it, as in cache.txt.
    DisplayLine row(qsizetype index) const;
    // Where a row's characters end, hanging blanks included: the next row's start at a
    // soft wrap, the hard break (or the text's end) at a paragraph's last row.
    qsizetype rowEnd(qsizetype index) const;
    bool endsAtSoftWrap(qsizetype index) const;
    // The row a caret at `position` stands on; at a soft wrap, the lower one.
    qsizetype rowOf(qsizetype position) const;

    void forEachRow(const DisplayLineVisit& visit) const;

    static QString withPlainBreaks(QStringView text);

private:
    struct Paragraph {
        qsizetype start = 0;
        qsizetype firstRow = 0;
        std::vector<DisplayLine> rows; // offsets within the paragraph; empty: one row
    };

    qsizetype paragraphOf(qsizetype position) const;
    qsizetype paragraphOfRow(qsizetype row) const;
    qsizetype paragraphEnd(size_t index) const;
    std::vector<Paragraph> layOutParagraphs(qsizetype from, qsizetype to) const;
    void layOutAgainAround(Paragraph& paragraph, qsizetype oldSize, qsizetype editStart,
                           qsizetype inserted, qsizetype delta);
    void numberRowsFrom(size_t index);

    QString m_text;
    std::vector<Paragraph> m_paragraphs;
};

} // namespace folia
