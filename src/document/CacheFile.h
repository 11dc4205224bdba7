#pragma once

#include "Document.h"
#include "common/AtomicFile.h"

#include <QString>

namespace folia {

class EventPump;

// "cache.04" beside the program: the whole document, and the single-level undo store.
QString cachePath();

// Writes every present row, pages then rows ascending, as 32,724-byte records. The file is
// written to a temporary and renamed over the old one, so a crash or a full disk in the
// middle of a save leaves the previous file whole; the result says why nothing was replaced.
WriteResult saveCache(const Document& document, const QString& path, EventPump* pump = nullptr);

// Replaces the document with the file's records. A file that is missing, not a regular file,
// empty, not a whole number of records long or without a single usable record leaves the
// document untouched and returns false. Records whose page or row lie outside the table are
// skipped.
bool loadCache(Document& document, const QString& path, EventPump* pump = nullptr);

} // namespace folia
