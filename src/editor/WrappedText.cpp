#include "WrappedText.h"

#include <algorithm>

namespace folia {
namespace {

// Paragraphs up to this size are laid out again whole after an edit: cheaper than
// working out which of their rows stay.
constexpr qsizetype kWholeLayoutUpTo = 1024;

std::vector<DisplayLine> rowsOf(QStringView paragraph) {
    std::vector<DisplayLine> rows;
    if (paragraph.size() <= kRowColumns) return rows;
    ParagraphRows layout(paragraph);
    qsizetype pos = 0;
    do
        rows.push_back(layout.rowAt(pos, pos));
    while (pos < paragraph.size());
    return rows;
}

qsizetype rowsIn(const std::vector<DisplayLine>& rows) {
    return rows.empty() ? 1 : qsizetype(rows.size());
}

} // namespace

WrappedText::WrappedText() : m_paragraphs(1) {}

QString WrappedText::withPlainBreaks(QStringView text) {
    const auto isOtherBreak = [](QChar c) {
        return c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(text.begin(), text.end(), isOtherBreak)) return text.toString();
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isOtherBreak(text[i])) {
            plain += text[i];
            continue;
        }
        plain += u'\n';
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    }
    return plain;
}

void WrappedText::setText(QStringView text) {
    m_text = withPlainBreaks(text);
    m_paragraphs = layOutParagraphs(0, m_text.size());
    numberRowsFrom(0);
}

void WrappedText::replace(qsizetype start, qsizetype end, QStringView with) {
    const QString inserted = withPlainBreaks(with);
    const qsizetype delta = inserted.size() - (end - start);
    const size_t first = size_t(paragraphOf(start));
    const size_t last = size_t(paragraphOf(end));
    const qsizetype oldEnd = paragraphEnd(last);
    const qsizetype oldSize = oldEnd - m_paragraphs[first].start;
    m_text.replace(start, end - start, inserted);
    size_t after = last + 1;
    if (first == last && oldSize > kWholeLayoutUpTo && !inserted.contains(u'\n')) {
        layOutAgainAround(m_paragraphs[first], oldSize, start - m_paragraphs[first].start,
                          inserted.size(), delta);
    } else {
        std::vector<Paragraph> fresh = layOutParagraphs(m_paragraphs[first].start, oldEnd + delta);
        const auto at = m_paragraphs.begin() + qsizetype(first);
        m_paragraphs.erase(at, at + qsizetype(last - first + 1));
        m_paragraphs.insert(m_paragraphs.begin() + qsizetype(first),
                            std::make_move_iterator(fresh.begin()),
                            std::make_move_iterator(fresh.end()));
        after = first + fresh.size();
    }
    for (size_t i = after; i < m_paragraphs.size(); ++i)
        m_paragraphs[i].start += delta;
    numberRowsFrom(first);
}

// A row depends on the text from its start to one column past its end, the blanks that
// hang there, and the break opportunities in that stretch. Those before the last place
// before the edit where the break rules restart are as they were, so the rows that can
// change begin at the row holding the place a row's width before it. They fall as before
// again once a row starts where an old one did, past the first place after the edit
// where the rules restart.
void WrappedText::layOutAgainAround(Paragraph& paragraph, qsizetype oldSize, qsizetype editStart,
                                    qsizetype inserted, qsizetype delta) {
    const QStringView text = QStringView(m_text).mid(paragraph.start, oldSize + delta);
    if (text.size() <= kRowColumns) {
        paragraph.rows.clear();
        return;
    }
    const std::vector<DisplayLine>& old = paragraph.rows;
    qsizetype unchangedBefore = std::max<qsizetype>(editStart - 1, 0);
    while (!breakRulesRestartAt(text, unchangedBefore))
        --unchangedBefore;
    const qsizetype from = std::max<qsizetype>(unchangedBefore - (kRowColumns + 2), 0);
    const auto byStart = [](qsizetype pos, const DisplayLine& row) { return pos < row.start; };
    const size_t restart =
        size_t(std::upper_bound(old.begin(), old.end(), from, byStart) - old.begin()) - 1;
    qsizetype settled = editStart + inserted + 1;
    while (!breakRulesRestartAt(text, settled))
        ++settled;

    std::vector<DisplayLine> rows(old.begin(), old.begin() + qsizetype(restart));
    ParagraphRows layout(text);
    qsizetype pos = old[restart].start;
    size_t same = restart + 1;
    do {
        rows.push_back(layout.rowAt(pos, pos));
        if (pos < settled || pos >= text.size()) continue;
        while (same < old.size() && old[same].start < pos - delta)
            ++same;
        if (same < old.size() && old[same].start == pos - delta) {
            for (; same < old.size(); ++same)
                rows.push_back({old[same].start + delta, old[same].length});
            break;
        }
    } while (pos < text.size());
    paragraph.rows = std::move(rows);
}

std::vector<WrappedText::Paragraph> WrappedText::layOutParagraphs(qsizetype from,
                                                                  qsizetype to) const {
    std::vector<Paragraph> paragraphs;
    const QStringView text(m_text);
    qsizetype start = from;
    for (;;) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0 || end > to) end = to;
        paragraphs.push_back({start, 0, rowsOf(text.mid(start, end - start))});
        if (end >= to) break;
        start = end + 1;
    }
    return paragraphs;
}

void WrappedText::numberRowsFrom(size_t index) {
    qsizetype row =
        index == 0 ? 0 : m_paragraphs[index - 1].firstRow + rowsIn(m_paragraphs[index - 1].rows);
    for (size_t i = index; i < m_paragraphs.size(); ++i) {
        m_paragraphs[i].firstRow = row;
        row += rowsIn(m_paragraphs[i].rows);
    }
}

qsizetype WrappedText::paragraphEnd(size_t index) const {
    return index + 1 < m_paragraphs.size() ? m_paragraphs[index + 1].start - 1 : m_text.size();
}

qsizetype WrappedText::paragraphOf(qsizetype position) const {
    const auto after = std::upper_bound(
        m_paragraphs.begin(), m_paragraphs.end(), position,
        [](qsizetype pos, const Paragraph& paragraph) { return pos < paragraph.start; });
    return qsizetype(after - m_paragraphs.begin()) - 1;
}

qsizetype WrappedText::paragraphOfRow(qsizetype row) const {
    const auto after = std::upper_bound(
        m_paragraphs.begin(), m_paragraphs.end(), row,
        [](qsizetype r, const Paragraph& paragraph) { return r < paragraph.firstRow; });
    return qsizetype(after - m_paragraphs.begin()) - 1;
}

qsizetype WrappedText::rowCount() const {
    const Paragraph& last = m_paragraphs.back();
    return last.firstRow + rowsIn(last.rows);
}

DisplayLine WrappedText::row(qsizetype index) const {
    const size_t p = size_t(paragraphOfRow(index));
    const Paragraph& paragraph = m_paragraphs[p];
    if (paragraph.rows.empty()) return {paragraph.start, paragraphEnd(p) - paragraph.start};
    const DisplayLine& line = paragraph.rows[size_t(index - paragraph.firstRow)];
    return {paragraph.start + line.start, line.length};
}

qsizetype WrappedText::rowEnd(qsizetype index) const {
    const size_t p = size_t(paragraphOfRow(index));
    const Paragraph& paragraph = m_paragraphs[p];
    const size_t next = size_t(index - paragraph.firstRow) + 1;
    return next < paragraph.rows.size() ? paragraph.start + paragraph.rows[next].start
                                        : paragraphEnd(p);
}

bool WrappedText::endsAtSoftWrap(qsizetype index) const {
    const qsizetype end = rowEnd(index);
    return end < m_text.size() && m_text[end] != u'\n';
}

void WrappedText::forEachRow(const DisplayLineVisit& visit) const {
    for (size_t p = 0; p < m_paragraphs.size(); ++p) {
        const Paragraph& paragraph = m_paragraphs[p];
        if (paragraph.rows.empty()) visit({paragraph.start, paragraphEnd(p) - paragraph.start});
        for (const DisplayLine& line : paragraph.rows)
            visit({paragraph.start + line.start, line.length});
    }
}

qsizetype WrappedText::rowOf(qsizetype position) const {
    const Paragraph& paragraph = m_paragraphs[size_t(paragraphOf(position))];
    if (paragraph.rows.empty()) return paragraph.firstRow;
    const qsizetype within = position - paragraph.start;
    const auto after =
        std::upper_bound(paragraph.rows.begin(), paragraph.rows.end(), within,
                         [](qsizetype pos, const DisplayLine& row) { return pos < row.start; });
    return paragraph.firstRow + qsizetype(after - paragraph.rows.begin()) - 1;
}

} // namespace folia
