#pragma once

#include "OutputState.h"

#include <QString>

namespace folia {

struct TextSet;

// The logic of the "Export pages" dialog. The widget shows what this says and forwards
// the user's clicks; the results land in OutputState.
class PageChoiceForm {
public:
    // Opening the dialog: no print requested, and a cancelled choice becomes the current page.
    PageChoiceForm(OutputState& state, const TextSet& texts, int currentPage, int pageCount);

    QString singlePageText() const;
    int choice() const { return m_state.pageChoice; }
    void choose(int choice) { m_state.pageChoice = choice; }
    bool rangeBoxesEnabled() const { return m_state.pageChoice == ChoiceRange; }

    // The buttons; each returns true when the dialog closes. Invalid input keeps it open.
    bool save(const QString& folderName, const QString& fromText, const QString& toText);
    bool print(const QString& fromText, const QString& toText);
    // "Exit" and the window's own close: nothing is exported or printed.
    void cancel();

private:
    bool pagesValid(const QString& fromText, const QString& toText);
    bool takeValidRange(const QString& fromText, const QString& toText);

    OutputState& m_state;
    const TextSet& m_texts;
    int m_currentPage;
    int m_pageCount;
};

} // namespace folia
