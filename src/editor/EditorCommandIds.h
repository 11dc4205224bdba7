#pragma once

namespace folia::editorCommand {

// Quillet's controls and menu commands, by their decimal ids.
enum : int {
    TextBox = 1001,
    ReadPlainText = 1002,
    WriteWithFormat = 1003,
    WriteWithoutFormat = 1004,
    Author = 1005,
    Exit = 1006,
    Find = 1007,
    StatusBar = 1008,
    CountTimer = 1009,
    New = 1010,
    Replace = 1011,
};

} // namespace folia::editorCommand
