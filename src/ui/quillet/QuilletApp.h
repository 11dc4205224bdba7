#pragma once

namespace folia {

struct TextSet;

// Starts Quillet with the text set of its build and runs it until Exit.
int runQuillet(int argc, char** argv, const TextSet& texts);

} // namespace folia
