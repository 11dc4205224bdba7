#pragma once

#include "editor/WrappedText.h"

#include <QString>
#include <functional>
#include <vector>

namespace folia {

// What the text box does with keys and the mouse, without a window: the caret and the
// selection over the wrapped text, typing and erasing, moving by characters, words and
// rows, undo and redo.
class EditableText {
public:
    // Called after every change of the text: where, what went and what came.
    using ChangeListener =
        std::function<void(qsizetype at, const QString& removed, const QString& inserted)>;

    const WrappedText& wrapped() const { return m_wrapped; }
    const QString& text() const { return m_wrapped.text(); }
    void onChange(ChangeListener listener) { m_listener = std::move(listener); }

    qsizetype caret() const { return m_caret; }
    qsizetype anchor() const { return m_anchor; }
    qsizetype selectionStart() const { return std::min(m_caret, m_anchor); }
    qsizetype selectionEnd() const { return std::max(m_caret, m_anchor); }
    bool hasSelection() const { return m_caret != m_anchor; }
    QString selectedText() const;

    // Replaces the whole text in one step that Undo takes back; the caret goes to the start.
    void setText(QStringView text);
    // Selects from `anchor` to `caret` (clamped to the text).
    void select(qsizetype anchor, qsizetype caret);
    // Moves the caret, dragging the selection along with `extend`.
    void moveTo(qsizetype position, bool extend);
    // Moves the caret by rows, keeping the column it had before the first such move.
    void moveByRows(qsizetype rows, bool extend);

    // Typing replaces the selection; characters typed one after another are taken back
    // by Undo at once, up to a line break.
    void type(QStringView typed);
    // Without a selection, removes the characters from the caret to `position`.
    void eraseTo(qsizetype position);
    void replaceRange(qsizetype start, qsizetype end, QStringView with);
    bool undo();
    bool redo();

    // Where the caret movements go from `position`.
    qsizetype characterBefore(qsizetype position) const;
    qsizetype characterAfter(qsizetype position) const;
    qsizetype wordBefore(qsizetype position) const;
    qsizetype wordAfter(qsizetype position) const;
    qsizetype rowStartOf(qsizetype position) const;
    qsizetype rowEndOf(qsizetype position) const;
    // The word (or run of blanks or of punctuation) around `position`.
    std::pair<qsizetype, qsizetype> wordAround(qsizetype position) const;
    // The place nearest to `column` on a row where the caret may stand.
    qsizetype positionOnRow(qsizetype row, qsizetype column) const;
    qsizetype columnOf(qsizetype position) const;

private:
    struct Step {
        qsizetype at;
        QString removed, inserted;
        qsizetype caretBefore, anchorBefore;
    };
    enum class Merge { No, Typing };
    void apply(qsizetype start, qsizetype end, const QString& with, Merge merge);
    void change(qsizetype start, qsizetype end, const QString& with);

    WrappedText m_wrapped;
    qsizetype m_caret = 0, m_anchor = 0;
    qsizetype m_column = -1; // kept across moves by rows
    std::vector<Step> m_undo, m_redo;
    bool m_typing = false; // the last step may take more typed characters
    ChangeListener m_listener;
};

} // namespace folia
