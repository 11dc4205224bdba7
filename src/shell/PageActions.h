#pragma once

namespace folia {

struct AppState;
class MainView;
class Prompts;

// The steps that most commands share.

// Clears the current page's surface, renders it with the reading guide as set and draws
// its furniture (screen mode: with the frame; output mode: without it).
void redrawPage(AppState& state, Prompts& prompts, bool screenMode = true);
// Shows the current page in the view at the vertical offset.
void showView(AppState& state, MainView& view);
// Both: the current page drawn again and shown.
void redrawAndShow(AppState& state, MainView& view, Prompts& prompts);

} // namespace folia
