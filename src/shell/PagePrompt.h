#pragma once

#include <QString>
#include <optional>

namespace folia {

struct AppState;
class Prompts;

// Asks "Enter page number" until the answer's value names another page of the document
// (1..page count, not the current one). The answer as typed, or nothing when the user
// cancelled.
std::optional<QString> askForAnotherPage(const AppState& state, Prompts& prompts);

} // namespace folia
