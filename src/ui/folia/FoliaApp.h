#pragma once

#include <QString>

namespace folia {

class MainWindow;
struct TextSet;

// Starts FOLIA with the text set of its build and runs it until Exit; `file`, when not
// empty, is opened once the start-up is done. `argv` gives the program's path only.
int runFolia(char** argv, const TextSet& texts, const QString& file);

// Centres and shows the window, runs its start-up inside the event loop, then opens `file`
// when one is given, and returns when the program ends.
int runMainWindow(MainWindow& window, const QString& file = QString());

} // namespace folia
