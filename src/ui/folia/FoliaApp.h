#pragma once

namespace folia {

class MainWindow;
struct TextSet;

// Starts FOLIA with the text set of its build and runs it until Exit.
int runFolia(int argc, char** argv, const TextSet& texts);

// Centres and shows the window, runs its start-up inside the event loop and returns when
// the program ends.
int runMainWindow(MainWindow& window);

} // namespace folia
