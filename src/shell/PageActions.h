#pragma once

namespace folia {

struct AppState;
class MainView;
class Prompts;

// The steps that most commands share.

// Clears the current page's surface, renders it with the reading guide as set and draws
// its furniture as the screen shows it (with the frame).
void redrawPage(AppState& state, Prompts& prompts);
// The current page drawn again and shown.
void redrawAndShow(AppState& state, MainView& view, Prompts& prompts);

} // namespace folia
