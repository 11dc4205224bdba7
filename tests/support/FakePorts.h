#pragma once

#include "shell/AppState.h"
#include "shell/Ports.h"

#include <QImage>
#include <QList>
#include <deque>
#include <functional>
#include <map>

namespace folia::test {

// Records what the program told its main window.
class RecordingView : public MainView {
public:
    void setCaption(const QString& text) override {
        caption = text;
        captions.append(text);
    }
    void setCommandEnabled(int id, bool enabled) override { enabled_[id] = enabled; }
    void setCommandChecked(int id, bool checked) override { checked_[id] = checked; }
    void rebuildMenu() override { ++menuBuilds; }
    void showView(const QImage& view) override {
        lastView = view;
        ++viewsShown;
    }
    void startBusyAnimation() override { ++busyStarts; }
    void stopBusyAnimation() override { ++busyStops; }
    void focusPage() override { ++pageFocused; }

    bool isEnabled(int id) const {
        const auto found = enabled_.find(id);
        return found != enabled_.end() && found->second;
    }
    bool isChecked(int id) const {
        const auto found = checked_.find(id);
        return found != checked_.end() && found->second;
    }

    QString caption;
    QList<QString> captions;
    QImage lastView;
    int viewsShown = 0;
    int menuBuilds = 0;
    int busyStarts = 0;
    int busyStops = 0;
    int pageFocused = 0;

private:
    std::map<int, bool> enabled_;
    std::map<int, bool> checked_;
};

// Answers input boxes, questions, file dialogs and the colour picker from scripts and
// records every request. An
// unscripted box or dialog is cancelled.
class ScriptedPrompts : public Prompts {
public:
    struct InputRequest {
        QString prompt;
        QString title;
        QString defaultText;
    };

    MessageAnswer message(const MessageRequest& request) override {
        messages.append(request);
        if (onMessage) onMessage(request);
        if (request.buttons != MessageButtons::YesNo) return MessageAnswer::Ok;
        if (questionAnswers.empty()) return MessageAnswer::No;
        const MessageAnswer answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override {
        inputs.append({prompt, title, defaultText});
        return next(answers);
    }
    std::optional<QString> openFile(const FileDialogRequest& request) override {
        dialogs.append(request);
        return next(fileAnswers);
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override {
        dialogs.append(request);
        return next(fileAnswers);
    }
    std::optional<uint32_t> pickColour(uint32_t initial) override {
        pickerStarts.append(initial);
        if (colourAnswers.empty()) return std::nullopt;
        const std::optional<uint32_t> answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> answers;        // for input boxes
    std::deque<std::optional<QString>> fileAnswers;    // for file dialogs
    std::deque<MessageAnswer> questionAnswers;         // for Yes/No boxes; No when unscripted
    std::deque<std::optional<uint32_t>> colourAnswers; // for the colour picker
    QList<uint32_t> pickerStarts;
    // Runs while a message is on screen, as a user acting meanwhile would.
    std::function<void(const MessageRequest&)> onMessage;
    QList<MessageRequest> messages;
    QList<InputRequest> inputs;
    QList<FileDialogRequest> dialogs;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& script) {
        std::optional<QString> answer;
        if (script.empty()) return answer;
        answer.swap(script.front());
        script.pop_front();
        return answer;
    }
};

// A present row of the document.
inline LineRecord& putRow(Document& document, int page, int row, const QByteArray& text) {
    LineRecord& record = document.editRow(page, row);
    record.lineNumber = (page - 1) * Document::kRowsPerPage + row;
    record.page = page;
    record.lineOnPage = static_cast<int16_t>(row);
    record.setText(TextField::Text, text);
    document.pageCount = std::max(document.pageCount, page);
    return record;
}

} // namespace folia::test
