#pragma once

#include "DiskWrites.h"
#include "Document.h"
#include "common/AtomicFile.h"

#include <QString>
#include <vector>

namespace folia {

class EventPump;

// "cache.04" beside the program: the whole document, and the single-level undo store.
QString cachePath();

// The document as the cache file holds it: every present row, pages then rows ascending,
// with the document-wide values copied in. The records share their texts with the
// document's, so taking a snapshot is cheap, and the document may change (on the window
// thread) while a snapshot is written on another.
struct CacheSnapshot {
    std::vector<LineRecord> records;
};
CacheSnapshot snapshotOf(const Document& document);

// What a snapshot writes: only what changed since the file was last written or read, or
// the whole file (after an import, and whenever the file's state is not known).
enum class CacheWriteScope { Changes, Everything };

// Writes the records as 32,724-byte images. The file is written to a temporary and renamed
// over the old one, so a crash or a full disk in the middle of a save leaves the previous
// file whole; the result says why nothing was replaced. A journal left beside the file by
// a change in place that stopped is completed or removed first.
WriteResult saveCache(const CacheSnapshot& snapshot, const QString& path);
WriteResult saveCache(const Document& document, const QString& path);

// Writes `next` over a file that holds `onDisk`, leaving the same bytes as saveCache: while
// the present rows stay the same, only the changed bytes, in place through the journal
// (nothing at all when nothing changed); the whole file when rows come or go, when that
// costs less, or when the file is not the one `onDisk` describes.
WriteResult saveCacheChanges(const CacheSnapshot& onDisk, const CacheSnapshot& next,
                             const QString& path, DiskWrites& disk = systemDisk());

// What tells one state of a file from another without reading it: where it stands on the
// disk, its length and when it was last written.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 length = -1; // -1: no file
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const QString& path);

// Replaces the document with the file's records. A file that is missing, not a regular file,
// empty, not a whole number of records long or without a single usable record leaves the
// document untouched and returns false. Records whose page or row lie outside the table are
// skipped. `asRead`, when given, receives every record of a loaded file in file order: what
// the file holds, for the next saveCacheChanges.
bool loadCache(Document& document, const QString& path, EventPump* pump = nullptr,
               CacheSnapshot* asRead = nullptr);

} // namespace folia
