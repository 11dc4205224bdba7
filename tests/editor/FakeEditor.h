#pragma once

#include "editor/EditorView.h"
#include "support/ScriptedPrompts.h"

namespace folia::test {

// A text box and status bar in memory.
class FakeEditorView : public EditorView {
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        m_selection = {0, 0};
    }
    std::pair<qsizetype, qsizetype> selection() const override { return m_selection; }
    void select(qsizetype start, qsizetype end) override { m_selection = {start, end}; }
    void focusText() override { ++focusCount; }
    void showCounts(const QString& lines, const QString& pages) override {
        linesShown = lines;
        pagesShown = pages;
    }

    QString selectedText() const {
        return m_text.mid(m_selection.first, m_selection.second - m_selection.first);
    }
    void setCaret(qsizetype at) { m_selection = {at, at}; }

    QString linesShown, pagesShown;
    int focusCount = 0;

private:
    QString m_text;
    std::pair<qsizetype, qsizetype> m_selection{0, 0};
};

} // namespace folia::test
