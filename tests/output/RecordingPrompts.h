#pragma once

#include "shell/Ports.h"

#include <vector>

namespace folia::test {

// Answers every box with OK and remembers what was shown.
struct RecordingPrompts : Prompts {
    MessageAnswer message(const MessageRequest& request) override {
        messages.push_back(request);
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<uint32_t> pickColour(uint32_t) override { return std::nullopt; }
    std::vector<MessageRequest> messages;
};

} // namespace folia::test
