#pragma once

#include <QString>

namespace folia {

struct AppState;
class Prompts;

// "Export marks…": every mark of the document into a Markdown, CSV or JSON file that the
// user names. The name's extension decides the type, else the filter chosen in the dialog.
// The next export of the run starts where the last one went.
class MarkExport {
public:
    MarkExport(AppState& state, Prompts& prompts) : m_state(state), m_prompts(prompts) {}

    void run();

private:
    AppState& m_state;
    Prompts& m_prompts;
    QString m_lastPath;
};

} // namespace folia
