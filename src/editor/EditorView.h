#pragma once

#include "editor/LineLayout.h"

#include <QString>
#include <utility>

namespace folia {

// What the editor's logic needs from its window: the text box and the status bar.
// The window implements it over its widgets; tests replace it with a plain buffer.
class EditorView {
public:
    virtual ~EditorView() = default;
    // The whole text, hard breaks as '\n'.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // 0-based offsets into text(), end exclusive.
    virtual std::pair<qsizetype, qsizetype> selection() const = 0;
    // Selects and scrolls the caret into view.
    virtual void select(qsizetype start, qsizetype end) = 0;
    virtual void focusText() = 0;
    virtual void showCounts(const QString& lines, const QString& pages) = 0;
    // The display lines of text(); a view that keeps them laid out gives them at once.
    virtual void forEachDisplayLine(const DisplayLineVisit& visit) const {
        folia::forEachDisplayLine(text(), visit);
    }
    virtual qsizetype displayLineCount() const { return countDisplayLines(text()); }
};

} // namespace folia
