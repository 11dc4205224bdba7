#pragma once

#include "output/OutputPorts.h"

#include <functional>

namespace folia {

struct OutputState;
struct TextSet;
class Prompts;

// Prints the pages of one request, one job each. When the printer fails, the user is
// told the service's error once and then that no default printer is set up; the rest
// of the batch is skipped without a word.
class PagePrinter {
public:
    PagePrinter(OutputState& state, PrintService& service, Prompts& prompts, const TextSet& texts);

    // A new request: its failures are told afresh.
    void startBatch();
    // `render` draws the page for output; it is not called for a skipped page.
    // True when the page was printed.
    bool printPage(const PrintJobOptions& options, const std::function<QImage()>& render);

private:
    void tell(const QString& text);

    OutputState& m_state;
    PrintService& m_service;
    Prompts& m_prompts;
    const TextSet& m_texts;
};

} // namespace folia
