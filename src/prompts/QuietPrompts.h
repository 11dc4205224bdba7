#pragma once

#include "Prompts.h"

namespace folia {

// Prompts that show nothing: for drawing that repeats work whose problems the user has
// just been told about (the pages drawn while a text is imported).
class QuietPrompts : public Prompts {
public:
    MessageAnswer message(const MessageRequest&) override { return MessageAnswer::Ok; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return {}; }
    std::optional<ChosenFile> saveFileOfType(const TypedSaveRequest&) override { return {}; }
    std::optional<uint32_t> pickColour(uint32_t) override { return {}; }
};

} // namespace folia
