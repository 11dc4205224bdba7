#pragma once

#include "prompts/Prompts.h"

class QWidget;

namespace folia {

// The prompts port over Qt's message boxes, input dialogs and file and colour dialogs.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent) : m_parent(parent) {}
    MessageAnswer message(const MessageRequest& request) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<ChosenFile> saveFileOfType(const TypedSaveRequest& request) override;
    std::optional<uint32_t> pickColour(uint32_t initial) override;

private:
    QWidget* m_parent;
};

} // namespace folia
