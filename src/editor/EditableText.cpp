#include "EditableText.h"

#include <algorithm>

namespace folia {
namespace {

// Ctrl+arrows move over one class of characters, then over the blanks after it.
enum class CharClass { Blank, Word, Other };

CharClass classOf(QChar c) {
    if (c.isSpace()) return CharClass::Blank;
    if (c.isLetterOrNumber() || c == u'_' || c.isMark()) return CharClass::Word;
    return CharClass::Other;
}

} // namespace

QString EditableText::selectedText() const {
    return text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void EditableText::setText(QStringView text) {
    apply(0, this->text().size(), WrappedText::withPlainBreaks(text), Merge::No);
    select(0, 0);
}

void EditableText::select(qsizetype anchor, qsizetype caret) {
    const qsizetype size = text().size();
    m_anchor = std::clamp<qsizetype>(anchor, 0, size);
    m_caret = std::clamp<qsizetype>(caret, 0, size);
    m_column = -1;
    m_typing = false;
}

void EditableText::moveTo(qsizetype position, bool extend) {
    select(extend ? m_anchor : position, position);
}

void EditableText::moveByRows(qsizetype rows, bool extend) {
    const qsizetype column = m_column >= 0 ? m_column : columnOf(m_caret);
    const qsizetype row =
        std::clamp<qsizetype>(m_wrapped.rowOf(m_caret) + rows, 0, m_wrapped.rowCount() - 1);
    moveTo(positionOnRow(row, column), extend);
    m_column = column;
}

void EditableText::type(QStringView typed) {
    const QString plain = WrappedText::withPlainBreaks(typed);
    const bool merges = m_typing && !plain.contains(u'\n') && !hasSelection() && !m_undo.empty() &&
                        m_undo.back().at + m_undo.back().inserted.size() == m_caret;
    apply(selectionStart(), selectionEnd(), plain, merges ? Merge::Typing : Merge::No);
    m_typing = !plain.contains(u'\n');
}

void EditableText::eraseTo(qsizetype position) {
    if (hasSelection())
        apply(selectionStart(), selectionEnd(), QString(), Merge::No);
    else if (position != m_caret)
        apply(std::min(position, m_caret), std::max(position, m_caret), QString(), Merge::No);
}

void EditableText::replaceRange(qsizetype start, qsizetype end, QStringView with) {
    const qsizetype size = text().size();
    start = std::clamp<qsizetype>(start, 0, size);
    end = std::clamp<qsizetype>(end, start, size);
    apply(start, end, WrappedText::withPlainBreaks(with), Merge::No);
}

void EditableText::apply(qsizetype start, qsizetype end, const QString& with, Merge merge) {
    if (start == end && with.isEmpty()) return;
    if (merge == Merge::Typing)
        m_undo.back().inserted += with;
    else
        m_undo.push_back({start, text().mid(start, end - start), with, m_caret, m_anchor});
    m_redo.clear();
    change(start, end, with);
    select(start + with.size(), start + with.size());
}

void EditableText::change(qsizetype start, qsizetype end, const QString& with) {
    const QString removed = m_listener ? text().mid(start, end - start) : QString();
    m_wrapped.replace(start, end, with);
    if (m_listener) m_listener(start, removed, with);
}

bool EditableText::undo() {
    if (m_undo.empty()) return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    change(step.at, step.at + step.inserted.size(), step.removed);
    select(step.anchorBefore, step.caretBefore);
    m_redo.push_back(std::move(step));
    return true;
}

bool EditableText::redo() {
    if (m_redo.empty()) return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    change(step.at, step.at + step.removed.size(), step.inserted);
    const qsizetype end = step.at + step.inserted.size();
    select(end, end);
    m_undo.push_back(std::move(step));
    return true;
}

qsizetype EditableText::characterBefore(qsizetype position) const {
    if (position <= 0) return 0;
    const bool pair = position >= 2 && text()[position - 1].isLowSurrogate() &&
                      text()[position - 2].isHighSurrogate();
    return position - (pair ? 2 : 1);
}

qsizetype EditableText::characterAfter(qsizetype position) const {
    const QString& t = text();
    if (position >= t.size()) return t.size();
    const bool pair = position + 1 < t.size() && t[position].isHighSurrogate() &&
                      t[position + 1].isLowSurrogate();
    return position + (pair ? 2 : 1);
}

qsizetype EditableText::wordAfter(qsizetype position) const {
    const QString& t = text();
    qsizetype i = std::min(position, t.size());
    if (i < t.size() && classOf(t[i]) != CharClass::Blank) {
        const CharClass kind = classOf(t[i]);
        while (i < t.size() && classOf(t[i]) == kind)
            ++i;
    }
    while (i < t.size() && classOf(t[i]) == CharClass::Blank)
        ++i;
    return i;
}

qsizetype EditableText::wordBefore(qsizetype position) const {
    const QString& t = text();
    qsizetype i = std::clamp<qsizetype>(position, 0, t.size());
    while (i > 0 && classOf(t[i - 1]) == CharClass::Blank)
        --i;
    if (i > 0) {
        const CharClass kind = classOf(t[i - 1]);
        while (i > 0 && classOf(t[i - 1]) == kind)
            --i;
    }
    return i;
}

std::pair<qsizetype, qsizetype> EditableText::wordAround(qsizetype position) const {
    const QString& t = text();
    if (t.isEmpty()) return {0, 0};
    const qsizetype at = std::clamp<qsizetype>(position, 0, t.size() - 1);
    if (t[at] == u'\n') return {at, at};
    const CharClass kind = classOf(t[at]);
    qsizetype start = at, end = at;
    while (start > 0 && t[start - 1] != u'\n' && classOf(t[start - 1]) == kind)
        --start;
    while (end < t.size() && t[end] != u'\n' && classOf(t[end]) == kind)
        ++end;
    return {start, end};
}

qsizetype EditableText::rowStartOf(qsizetype position) const {
    return m_wrapped.row(m_wrapped.rowOf(position)).start;
}

qsizetype EditableText::rowEndOf(qsizetype position) const {
    return positionOnRow(m_wrapped.rowOf(position), text().size());
}

qsizetype EditableText::positionOnRow(qsizetype row, qsizetype column) const {
    const qsizetype start = m_wrapped.row(row).start;
    // After the last character of a wrapped row the caret stands on the row below.
    const qsizetype last = m_wrapped.rowEnd(row) - (m_wrapped.endsAtSoftWrap(row) ? 1 : 0);
    return std::clamp<qsizetype>(start + std::max<qsizetype>(column, 0), start, last);
}

qsizetype EditableText::columnOf(qsizetype position) const {
    return position - rowStartOf(position);
}

} // namespace folia
