#pragma once

#include "shell/CommandDispatcher.h"

class QWidget;

namespace folia {

struct AppState;
class MainView;
class Prompts;

// The dialogs behind "Save Image", "Set up" and "Favorite colors", opened over the main
// window. Each call returns when its dialog has closed.
class FoliaDialogs : public CommandDialogs {
public:
    FoliaDialogs(AppState& state, MainView& view, Prompts& prompts, QWidget* window)
        : m_state(state), m_view(view), m_prompts(prompts), m_window(window) {}

    void saveImage() override;
    void setUp() override;
    void favouriteColours() override;

private:
    AppState& m_state;
    MainView& m_view;
    Prompts& m_prompts;
    QWidget* m_window;
};

} // namespace folia
