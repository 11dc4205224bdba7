#pragma once

#include <map>

namespace folia {

struct AppState;
class MainView;
class PageViewMode;

// How a menu command shows: offered or greyed, checked (for a switch) and, for a colour
// command, the colour of its swatch.
struct CommandState {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    int swatch = -1; // 0xBBGGRR; none when negative
    bool operator==(const CommandState&) const = default;
};

// Every command's state, by command id.
using MenuStates = std::map<int, CommandState>;

// The menu as the program's state has it. Without a document the marking commands, "Update",
// "Undo", "Redo", "Remove marks", "Go to", "Save Image", "Export as PDF…", "Export marks…"
// and "Find" are greyed; with one, the page view's mode decides which groups are offered.
// "Undo" and "Redo" are offered while there is a step to take back or make again, and no
// snapshot is being written.
MenuStates menuStates(const AppState& state, const PageViewMode& mode);

// Has the main window show them; called after every command and every input event that
// can change them.
void showMenuStates(const AppState& state, const PageViewMode& mode, MainView& view);

} // namespace folia
