#pragma once

#include "common/AtomicFile.h"

#include <QString>

namespace folia {

struct TextSet;

// Why the write failed, in the build's language; the system's own words when the
// program has none of its own for it.
QString writeFailureReason(const TextSet& texts, const WriteResult& result);

// The whole message: the file that could not be written and, on the next line, why.
QString writeFailureMessage(const TextSet& texts, const QString& path, const WriteResult& result);

} // namespace folia
