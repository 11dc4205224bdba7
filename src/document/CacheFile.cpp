#include "CacheFile.h"

#include "CacheFileChanges.h"
#include "CacheJournal.h"
#include "common/EventPump.h"
#include "common/ProgramFolder.h"
#include "common/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace folia {
namespace {

constexpr qsizetype kRecordSize = LineRecord::kImageSize;
// Records read or written in one system call.
constexpr qsizetype kRecordsPerBatch = 16;

// Left unfilled: only the bytes a batch reads or writes are ever looked at, and filling
// half a megabyte first would cost as much as reading a small file.
std::unique_ptr<char[]> newBatch() {
    return std::make_unique_for_overwrite<char[]>(kRecordsPerBatch * kRecordSize);
}

void pumpIfAny(EventPump* pump) {
    if (pump) pump->pump();
}

// A journal must not outlive the file it was made for: the change a pending one describes
// is completed, then the journal is gone for good before a whole file replaces cache.04.
WriteResult clearJournal(const QString& path) {
    recoverJournal(path);
    if (removeJournal(path)) return {};
    return writeFailureOf(errno);
}

// The file still stands as it was last written or read: the length of `onDisk`, and no
// change pending in the journal.
bool fileHolds(const CacheSnapshot& onDisk, const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.size() == qint64(onDisk.records.size()) * kRecordSize &&
           !journalPending(path);
}

} // namespace

QString cachePath() {
    return besideProgram(QStringLiteral("cache.04"));
}

CacheSnapshot snapshotOf(const Document& document) {
    CacheSnapshot snapshot;
    const int pages = std::clamp(document.pageCount, 0, Document::kMaxPages);
    snapshot.records.reserve(size_t(pages) * Document::kRowsPerPage);
    for (int page = 1; page <= pages; ++page) {
        for (int row = 1; row <= Document::kRowsPerPage; ++row) {
            const LineRecord& stored = document.row(page, row);
            if (!stored.isPresent()) continue;
            LineRecord& record = snapshot.records.emplace_back(stored);
            record.markSerial = document.markSerial;
            record.reservedValue = document.reservedValue;
        }
    }
    return snapshot;
}

WriteResult saveCache(const CacheSnapshot& snapshot, const QString& path) {
    if (WriteResult cleared = clearJournal(path); !cleared) return cleared;
    return writeFileAtomically(path, [&](const AppendBytes& append) {
        // Images are put together a batch at a time, so that the file gets few large writes.
        const auto batch = newBatch();
        const std::vector<LineRecord>& records = snapshot.records;
        for (size_t first = 0; first < records.size(); first += kRecordsPerBatch) {
            const size_t count = std::min<size_t>(kRecordsPerBatch, records.size() - first);
            for (size_t k = 0; k < count; ++k)
                records[first + k].writeImage(batch.get() + k * kRecordSize);
            if (!append(batch.get(), qsizetype(count) * kRecordSize)) return false;
        }
        return true;
    });
}

WriteResult saveCache(const Document& document, const QString& path) {
    return saveCache(snapshotOf(document), path);
}

WriteResult saveCacheChanges(const CacheSnapshot& onDisk, const CacheSnapshot& next,
                             const QString& path, DiskWrites& disk) {
    const std::optional<CacheJournal> changes = changesBetween(onDisk, next);
    if (!changes || !fileHolds(onDisk, path)) return saveCache(next, path);
    if (changes->spans.empty()) return {};
    return writeThroughJournal(path, *changes, disk);
}

FileStamp fileStamp(const QString& path) {
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
    return {quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

bool loadCache(Document& document, const QString& path, EventPump* pump, CacheSnapshot* asRead) {
    QFile file(path);
    if (!openRegularFileForReading(file, QIODevice::Unbuffered)) return false;
    const qint64 length = file.size();
    if (length <= 0 || length % kRecordSize != 0) return false;

    Document loaded;
    CacheSnapshot read;
    if (asRead) read.records.reserve(size_t(length / kRecordSize));
    bool anyStored = false;
    // A batch buffer is small enough to stay in the processor's cache while its records
    // are taken apart.
    const auto batch = newBatch();
    for (qint64 first = 0; first < length / kRecordSize; first += kRecordsPerBatch) {
        const qint64 count = std::min<qint64>(kRecordsPerBatch, length / kRecordSize - first);
        if (file.read(batch.get(), count * kRecordSize) != count * kRecordSize) return false;
        for (qint64 k = 0; k < count; ++k) {
            LineRecord record = LineRecord::fromImage(batch.get() + k * kRecordSize);
            if (asRead) read.records.push_back(record);
            if (first + k == 0) {
                loaded.markSerial = record.markSerial;
                loaded.reservedValue = record.reservedValue;
            }
            if (Document::isValidPlace(record.page, record.lineOnPage)) {
                // Files this program writes end with their last page; a file out of order
                // keeps every page it holds rather than losing those past its last
                // record's page.
                loaded.pageCount = std::max(loaded.pageCount, int(record.page));
                loaded.editRow(record.page, record.lineOnPage) = std::move(record);
                anyStored = true;
            }
        }
        pumpIfAny(pump);
    }
    if (!anyStored) return false;
    document = std::move(loaded);
    if (asRead) *asRead = std::move(read);
    return true;
}

} // namespace folia
