#pragma once

#include "common/AtomicFile.h"

#include <QString>

namespace folia {

class Prompts;
struct TextSet;

// Tells the user, in one message box, that the file could not be written and why. A
// successful write shows nothing. Returns whether the file was written.
bool reportWriteFailure(Prompts& prompts, const TextSet& texts, const QString& path,
                        const WriteResult& result);

// Asks whether to end the program although the document could not be written to the file
// at `path`. True for Yes.
bool confirmExitWithoutSaving(Prompts& prompts, const TextSet& texts, const QString& path,
                              const WriteResult& result);

} // namespace folia
