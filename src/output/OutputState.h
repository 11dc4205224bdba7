#pragma once

#include <QString>
#include <cstdint>

namespace folia {

// Which pages "Save Image" works on.
enum PageChoiceCode : int {
    ChoiceCancelled = 0,
    ChoiceCurrentPage = 1,
    ChoiceRange = 2,
    ChoiceAll = 3
};

// What the page-choice dialog decided and how printing went; kept for the whole run,
// never saved.
struct OutputState {
    int pageChoice = ChoiceCurrentPage;
    int16_t rangeFrom = 0;
    int16_t rangeTo = 0;
    QString exportFolderName;
    bool printRequested = false;
    // Failed pages of the current print batch: limits the failure messages to two.
    int printFailureCount = 0;
};

} // namespace folia
