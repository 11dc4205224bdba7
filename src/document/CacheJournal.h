#pragma once

#include "DiskWrites.h"
#include "common/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace folia {

// New bytes for one place of a file.
struct FileSpan {
    qint64 offset = 0;
    QByteArray bytes;
};

// A change of cache.04 in place, as "cache.04-journal" holds it while the file is being
// changed: the length of the file, which the change keeps, and the new bytes of each
// changed place, ascending and apart. Between changes the journal stays, holding no
// change, so that its place in the folder need not be made durable again at every change.
struct CacheJournal {
    qint64 fileLength = 0;
    std::vector<FileSpan> spans;
};

QString journalPath(const QString& cachePath);

// The journal's file image, closed by a checksum of everything before it.
QByteArray journalImage(const CacheJournal& journal);
// The journal an image holds; nothing unless the image is whole and intact and its spans
// are ascending, apart, not empty and inside a file that is a whole number of records long.
std::optional<CacheJournal> readJournalImage(const QByteArray& image);

// Changes the file in place so that, wherever the write stops, the next start finds the
// old bytes or the new ones: the journal is written and made durable first, then the
// spans, and only then is the journal marked as holding no change (should the mark not
// reach the disk, applying the journal again changes nothing). A failure after the file was touched
// leaves the journal, which completes the change at the next recovery.
WriteResult writeThroughJournal(const QString& cachePath, const CacheJournal& journal,
                                DiskWrites& disk = systemDisk());

// True when a journal holding a change, or anything but a regular file, stands beside
// cache.04.
bool journalPending(const QString& cachePath);

// Removes the journal beside cache.04, returning once its removal is on the disk.
bool removeJournal(const QString& cachePath, DiskWrites& disk = systemDisk());

enum class JournalRecovery {
    None,      // no journal beside the file, or one that holds no change
    Applied,   // the change it describes is complete in the file, and the journal gone
    Discarded, // damaged, incomplete or made for another file: removed unapplied
    Kept,      // it could not be applied or removed, and stays
};
// Completes the change a journal beside cache.04 describes when the journal is whole,
// intact and made for a file of cache.04's length, then removes it; any other pending
// journal is removed without touching the file. Run before cache.04 is read or replaced.
JournalRecovery recoverJournal(const QString& cachePath, DiskWrites& disk = systemDisk());

} // namespace folia
