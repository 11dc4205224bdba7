#pragma once

namespace folia {

struct TextSet;

// Starts FOLIA with the text set of its build and runs it until Exit.
int runFolia(int argc, char** argv, const TextSet& texts);

} // namespace folia
