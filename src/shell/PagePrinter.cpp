#include "PagePrinter.h"

#include "output/OutputState.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"

namespace folia {

PagePrinter::PagePrinter(OutputState& state, PrintService& service, Prompts& prompts,
                         const TextSet& texts)
    : m_state(state), m_service(service), m_prompts(prompts), m_texts(texts) {}

void PagePrinter::startBatch() {
    m_state.printFailureCount = 0;
}

bool PagePrinter::printPage(const PrintJobOptions& options, const std::function<QImage()>& render) {
    if (m_state.printFailureCount != 0) {
        if (m_state.printFailureCount == 1) tell(m_texts.noDefaultPrinter);
        ++m_state.printFailureCount;
        return false;
    }
    const std::optional<PrintError> error = m_service.printPage(render(), options);
    if (!error) return true;
    if (++m_state.printFailureCount == 1)
        tell(m_texts.printErrorPrefix + QString::number(error->number) + QLatin1Char(' ') +
             error->description);
    return false;
}

void PagePrinter::tell(const QString& text) {
    m_prompts.tell(text, m_texts.programmerTitle);
}

} // namespace folia
