#pragma once

#include <QString>

namespace folia {

struct TextSet;

// Starts Quillet with the text set of its build and runs it until Exit; `file`, when not
// empty, is read once the window is up. `argv` gives the program's path only.
int runQuillet(char** argv, const TextSet& texts, const QString& file);

} // namespace folia
