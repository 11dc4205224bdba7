#include "PageChoiceForm.h"

#include "common/Cp1252.h"
#include "common/LenientNumber.h"
#include "text/TextSet.h"

namespace folia {

PageChoiceForm::PageChoiceForm(OutputState& state, const TextSet& texts, int currentPage,
                               int pageCount)
    : m_state(state), m_texts(texts), m_currentPage(currentPage), m_pageCount(pageCount) {
    m_state.printRequested = false;
    if (m_state.pageChoice == ChoiceCancelled) m_state.pageChoice = ChoiceCurrentPage;
}

QString PageChoiceForm::singlePageText() const {
    return m_texts.singlePage + QString::number(m_currentPage) + QLatin1Char(')');
}

bool PageChoiceForm::takeValidRange(const QString& fromText, const QString& toText) {
    m_state.rangeFrom = lenientInt16(toCp1252(fromText));
    m_state.rangeTo = lenientInt16(toCp1252(toText));
    const int from = m_state.rangeFrom;
    const int to = m_state.rangeTo;
    return from < to && from >= 1 && from < m_pageCount && to >= 1 && to <= m_pageCount;
}

bool PageChoiceForm::save(const QString& folderName, const QString& fromText,
                          const QString& toText) {
    m_state.exportFolderName = folderName;
    const bool closes = pagesValid(fromText, toText) && !folderName.isEmpty();
    // The button last pressed decides, so an earlier refused "Print" cannot turn a
    // "Save" into printing.
    if (closes) m_state.printRequested = false;
    return closes;
}

bool PageChoiceForm::print(const QString& fromText, const QString& toText) {
    const bool closes = pagesValid(fromText, toText);
    if (closes) m_state.printRequested = true;
    return closes;
}

bool PageChoiceForm::pagesValid(const QString& fromText, const QString& toText) {
    switch (m_state.pageChoice) {
    case ChoiceRange:
        return takeValidRange(fromText, toText);
    case ChoiceCurrentPage:
    case ChoiceAll:
        return true;
    default:
        return false;
    }
}

void PageChoiceForm::cancel() {
    m_state.pageChoice = ChoiceCancelled;
    m_state.printRequested = false;
}

} // namespace folia
