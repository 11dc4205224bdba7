#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace folia {

// The logic of both programs never opens a dialog. It asks and tells the user through
// this port, which src/ui implements with Qt and tests replace with scripted fakes.

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool systemModal = false;
};

struct FileDialogRequest {
    QString title;
    QString filterDescription; // e.g. "Text"
    QString filterPattern;     // e.g. "*.*"
    QString defaultExtension;  // appended when the user types a name without one
    QString initialFolder;
    QString initialName;
};

// A save dialog that offers several types of file, one filter each.
struct FileType {
    QString description; // "CSV"
    QString extension;   // "csv": what the filter shows and a name typed without one gets
};

struct TypedSaveRequest {
    QString title;
    std::vector<FileType> types; // the first is chosen at the start
    QString initialFolder;
    QString initialName;
};

struct ChosenFile {
    QString path;
    int type = 0; // index of the type whose filter was chosen
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual MessageAnswer message(const MessageRequest& request) = 0;
    // The text typed, or nothing when the user cancelled or closed the box.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<ChosenFile> saveFileOfType(const TypedSaveRequest& request) = 0;
    // Colour as 0x00BBGGRR, or nothing when cancelled.
    virtual std::optional<uint32_t> pickColour(uint32_t initial) = 0;

    // Shorthand for the common OK box.
    void tell(const QString& text, const QString& title, MessageIcon icon = MessageIcon::None,
              bool systemModal = false) {
        message({text, title, MessageButtons::Ok, icon, systemModal});
    }
};

} // namespace folia
