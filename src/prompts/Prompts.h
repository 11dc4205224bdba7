#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace folia {

// The command logic never touches a widget. It talks to these ports, which src/ui
// implements with Qt and tests replace with scripted fakes.

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
    // Colour as 0x00BBGGRR, or nothing when cancelled.
    virtual std::optional<uint32_t> pickColour(uint32_t initial) = 0;

    // Shorthand for the common OK box.
    void tell(const QString& text, const QString& title, MessageIcon icon = MessageIcon::None,
              bool systemModal = false) {
        message({text, title, MessageButtons::Ok, icon, systemModal});
    }
};

// What FOLIA's main window shows and lets the user do.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setCommandEnabled(int commandId, bool enabled) = 0;
    virtual void setCommandChecked(int commandId, bool checked) = 0;
    // Rebuilds the menu bar, so that the colour swatches show the current colours.
    virtual void rebuildMenu() = 0;
    // Shows the 794 x 955 view surface.
    virtual void showView(const QImage& view) = 0;
    virtual void startBusyAnimation() = 0;
    virtual void stopBusyAnimation() = 0;
    virtual void focusPage() = 0;
};

} // namespace folia
