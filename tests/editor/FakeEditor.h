#pragma once

#include "editor/EditorView.h"
#include "shell/Ports.h"

#include <QList>
#include <deque>

namespace folia::testing {

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

// Records every message and answers file dialogs from a script.
class ScriptedPrompts : public Prompts {
public:
    MessageAnswer message(const MessageRequest& request) override {
        messages.append(request);
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> openFile(const FileDialogRequest& request) override {
        return answer(request);
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override {
        return answer(request);
    }
    std::optional<uint32_t> pickColour(uint32_t) override { return {}; }

    QList<MessageRequest> messages;
    QList<FileDialogRequest> dialogs;
    std::deque<std::optional<QString>> fileAnswers;

private:
    std::optional<QString> answer(const FileDialogRequest& request) {
        dialogs.append(request);
        if (fileAnswers.empty()) return {};
        auto chosen = fileAnswers.front();
        fileAnswers.pop_front();
        return chosen;
    }
};

} // namespace folia::testing
