#pragma once

#include "prompts/Prompts.h"

#include <QList>
#include <deque>
#include <functional>

namespace folia::test {

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
    std::optional<ChosenFile> saveFileOfType(const TypedSaveRequest& request) override {
        typedSaves.append(request);
        if (typedFileAnswers.empty()) return std::nullopt;
        const std::optional<ChosenFile> answer = typedFileAnswers.front();
        typedFileAnswers.pop_front();
        return answer;
    }
    std::optional<uint32_t> pickColour(uint32_t initial) override {
        pickerStarts.append(initial);
        if (colourAnswers.empty()) return std::nullopt;
        const std::optional<uint32_t> answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> answers;             // for input boxes
    std::deque<std::optional<QString>> fileAnswers;         // for file dialogs
    std::deque<std::optional<ChosenFile>> typedFileAnswers; // for save dialogs with types
    std::deque<MessageAnswer> questionAnswers;              // for Yes/No boxes; No when unscripted
    std::deque<std::optional<uint32_t>> colourAnswers;      // for the colour picker
    QList<uint32_t> pickerStarts;
    // Runs while a message is on screen, as a user acting meanwhile would.
    std::function<void(const MessageRequest&)> onMessage;
    QList<MessageRequest> messages;
    QList<InputRequest> inputs;
    QList<FileDialogRequest> dialogs;
    QList<TypedSaveRequest> typedSaves;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& script) {
        std::optional<QString> answer;
        if (script.empty()) return answer;
        answer.swap(script.front());
        script.pop_front();
        return answer;
    }
};

} // namespace folia::test
