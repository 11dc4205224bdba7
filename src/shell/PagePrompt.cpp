#include "PagePrompt.h"

#include "AppState.h"
#include "common/Cp1252.h"
#include "common/LenientNumber.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"

namespace folia {

std::optional<QString> askForAnotherPage(const AppState& state, Prompts& prompts) {
    const TextSet& t = state.texts;
    const int pageCount = state.document.pageCount;
    const QString title = t.from1 + t.to + QString::number(pageCount);
    while (true) {
        std::optional<QString> answer = prompts.input(t.enterPageNumber, title, {});
        if (!answer) return answer;
        const double value = lenientValue(toCp1252(*answer));
        if (value >= 1 && value <= pageCount && value != state.currentPage) return answer;
    }
}

} // namespace folia
