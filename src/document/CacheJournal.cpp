#include "CacheJournal.h"

#include "LineRecord.h"
#include "common/RegularFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace folia {
namespace {

// Image: magic, file length (int64), span count (uint32), per span its offset (int64),
// length (uint32) and bytes, then the SHA-256 of all that; integers little-endian.
constexpr char kMagic[8] = {'F', 'O', 'L', 'I', 'A', 'J', 'N', '1'};
// Written over the magic once the change is complete: a journal that starts with it, or an
// empty one, holds no change. It costs the disk less than cutting the file would.
constexpr char kAtRest[sizeof kMagic] = {};
constexpr qsizetype kHeaderSize = 8 + 8 + 4;
constexpr qsizetype kSpanHeaderSize = 8 + 4;
constexpr qsizetype kChecksumSize = 32;

QByteArray checksumOf(const char* data, qsizetype length) {
    return QCryptographicHash::hash(QByteArrayView(data, length), QCryptographicHash::Sha256);
}

template <typename Int> void append(QByteArray& image, Int value) {
    const Int little = qToLittleEndian(value);
    image.append(reinterpret_cast<const char*>(&little), sizeof(Int));
}

// Reads the image front to back, never past its end.
class ImageReader {
public:
    explicit ImageReader(QByteArrayView image) : m_image(image) {}
    template <typename Int> bool take(Int& value) {
        if (left() < qsizetype(sizeof(Int))) return false;
        value = qFromLittleEndian<Int>(m_image.data() + m_at);
        m_at += sizeof(Int);
        return true;
    }
    bool take(QByteArray& bytes, qsizetype length) {
        if (length > left()) return false;
        bytes = m_image.sliced(m_at, length).toByteArray();
        m_at += length;
        return true;
    }
    qsizetype left() const { return m_image.size() - m_at; }

private:
    QByteArrayView m_image;
    qsizetype m_at = 0;
};

bool wellPlaced(const FileSpan& span, qint64 previousEnd, qint64 fileLength) {
    return !span.bytes.isEmpty() && span.offset >= previousEnd &&
           span.bytes.size() <= fileLength - span.offset;
}

// The largest journal read for a file of this length. A change is written in place only
// while its journal and pages cost at most half what the whole file does, so a longer
// one is not this program's, and is not read into memory.
qint64 largestImageFor(qint64 fileLength) {
    return kHeaderSize + fileLength + kChecksumSize;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// The file is changed a whole disk page at a time, each page read, patched and written
// back. A page cache that holds the file in blocks of up to 2 MB is told first to forget
// the blocks around the pages: a write into a block it holds would mark all of it for
// the disk, while a whole page written into a forgotten one makes a block of its own and
// needs no read.
constexpr qint64 kDiskPage = 4096;
constexpr qint64 kCacheBlock = 2 << 20;

// The pages the spans touch, ascending.
std::vector<qint64> touchedPages(const CacheJournal& journal) {
    std::vector<qint64> pages;
    for (const FileSpan& span : journal.spans) {
        const qint64 end = span.offset + span.bytes.size();
        for (qint64 page = span.offset / kDiskPage * kDiskPage; page < end; page += kDiskPage)
            if (pages.empty() || pages.back() != page) pages.push_back(page);
    }
    return pages;
}

// Copies into the page standing at `at` what the spans from `first` on hold for it;
// returns the first span that may still reach into the pages after it.
size_t patchPage(QByteArray& page, qint64 at, const std::vector<FileSpan>& spans, size_t first) {
    const qint64 pageEnd = at + page.size();
    for (; first < spans.size() && spans[first].offset < pageEnd; ++first) {
        const FileSpan& span = spans[first];
        const qint64 spanEnd = span.offset + span.bytes.size();
        const qint64 from = std::max(at, span.offset);
        std::memcpy(page.data() + (from - at), span.bytes.constData() + (from - span.offset),
                    size_t(std::min(pageEnd, spanEnd) - from));
        if (spanEnd > pageEnd) break;
    }
    return first;
}

// Writes the pages[first, end) of one cache block with the spans' bytes.
bool writeBlockPages(int file, const CacheJournal& journal, const std::vector<qint64>& pages,
                     size_t first, size_t end, size_t& span, DiskWrites& disk) {
    std::vector<QByteArray> contents;
    for (size_t i = first; i < end; ++i) {
        QByteArray& page = contents.emplace_back(std::min(kDiskPage, journal.fileLength - pages[i]),
                                                 Qt::Uninitialized);
        if (!disk.readAt(file, pages[i], page.data(), page.size())) return false;
        span = patchPage(page, pages[i], journal.spans, span);
    }
    disk.forget(file, pages[first] / kCacheBlock * kCacheBlock, kCacheBlock);
    for (size_t i = first; i < end; ++i)
        if (!disk.writeAt(file, pages[i], contents[i - first].constData(),
                          contents[i - first].size()))
            return false;
    return true;
}

bool writePages(int file, const CacheJournal& journal, DiskWrites& disk) {
    const std::vector<qint64> pages = touchedPages(journal);
    size_t span = 0;
    for (size_t first = 0, end = 0; first < pages.size(); first = end) {
        while (end < pages.size() && pages[end] / kCacheBlock == pages[first] / kCacheBlock)
            ++end;
        if (!writeBlockPages(file, journal, pages, first, end, span, disk)) return false;
    }
    return true;
}

// Writes the spans into the file and waits for them to be on the disk.
bool applySpans(const QString& cachePath, const CacheJournal& journal, DiskWrites& disk) {
    const int file = disk.openExisting(cachePath);
    if (file < 0) return false;
    const bool written = writePages(file, journal, disk) && disk.sync(file);
    const int error = errno;
    disk.close(file);
    errno = error;
    return written;
}

// The journal file, made when missing; a new one's place in the folder is on the disk
// before it is used.
int openJournal(const QString& path, DiskWrites& disk) {
    const int existing = disk.openExisting(path);
    if (existing >= 0 || errno != ENOENT) return existing;
    const int created = disk.create(path);
    if (created < 0 || disk.syncFolder(folderOf(path))) return created;
    const int error = errno;
    disk.close(created);
    errno = error;
    return -1;
}

void settle(int file, DiskWrites& disk) {
    disk.writeAt(file, 0, kAtRest, sizeof kAtRest);
}

// True when the journal file starts with a change, or is anything but a regular file.
bool holdsChange(const QFileInfo& journal) {
    if (journal.isSymLink() || (journal.exists() && !journal.isFile())) return true;
    QFile file(journal.filePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray start = file.read(sizeof kAtRest);
    return !start.isEmpty() && start != QByteArrayView(kAtRest, sizeof kAtRest);
}

bool writeJournal(int file, const QByteArray& image, DiskWrites& disk) {
    return disk.writeAt(file, 0, image.constData(), image.size()) &&
           disk.truncate(file, image.size()) && disk.sync(file);
}

// The journal beside the file, when there is one that can be read in full.
std::optional<QByteArray> journalFileImage(const QString& path, qint64 fileLength) {
    QFile file(path);
    if (!openRegularFileForReading(file) || file.size() > largestImageFor(fileLength))
        return std::nullopt;
    return file.readAll();
}

qint64 regularFileLength(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}

} // namespace

QString journalPath(const QString& cachePath) {
    return cachePath + QStringLiteral("-journal");
}

QByteArray journalImage(const CacheJournal& journal) {
    QByteArray image(kMagic, sizeof kMagic);
    append<qint64>(image, journal.fileLength);
    append<quint32>(image, quint32(journal.spans.size()));
    for (const FileSpan& span : journal.spans) {
        append<qint64>(image, span.offset);
        append<quint32>(image, quint32(span.bytes.size()));
        image += span.bytes;
    }
    return image + checksumOf(image.constData(), image.size());
}

std::optional<CacheJournal> readJournalImage(const QByteArray& image) {
    if (image.size() < kHeaderSize + kChecksumSize ||
        !image.startsWith(QByteArrayView(kMagic, sizeof kMagic)))
        return {};
    const qsizetype body = image.size() - kChecksumSize;
    if (checksumOf(image.constData(), body) != image.sliced(body)) return {};

    ImageReader reader(QByteArrayView(image).first(body).sliced(sizeof kMagic));
    CacheJournal journal;
    quint32 count = 0;
    reader.take(journal.fileLength);
    reader.take(count);
    if (journal.fileLength <= 0 || journal.fileLength % LineRecord::kImageSize != 0) return {};
    // Each span takes at least its header and a byte: a count beyond that is a lie.
    if (count > reader.left() / (kSpanHeaderSize + 1)) return {};
    journal.spans.reserve(count);
    qint64 end = 0;
    for (quint32 i = 0; i < count; ++i) {
        FileSpan span;
        quint32 length = 0;
        if (!reader.take(span.offset) || !reader.take(length) || !reader.take(span.bytes, length))
            return {};
        if (!wellPlaced(span, end, journal.fileLength)) return {};
        end = span.offset + span.bytes.size();
        journal.spans.push_back(std::move(span));
    }
    if (reader.left() != 0) return {};
    return journal;
}

WriteResult writeThroughJournal(const QString& cachePath, const CacheJournal& journal,
                                DiskWrites& disk) {
    const int file = openJournal(journalPath(cachePath), disk);
    if (file < 0) return writeFailureOf(errno);
    WriteResult result;
    if (!writeJournal(file, journalImage(journal), disk)) {
        result = writeFailureOf(errno);
        settle(file, disk); // the file is untouched: nothing to complete
    } else if (!applySpans(cachePath, journal, disk)) {
        result = writeFailureOf(errno); // the journal completes the change at the next start
    } else {
        settle(file, disk);
    }
    disk.close(file);
    return result;
}

bool journalPending(const QString& cachePath) {
    return holdsChange(QFileInfo(journalPath(cachePath)));
}

bool removeJournal(const QString& cachePath, DiskWrites& disk) {
    const QFileInfo journal(journalPath(cachePath));
    if (!journal.exists() && !journal.isSymLink()) return true;
    return disk.remove(journal.filePath()) && disk.syncFolder(folderOf(cachePath));
}

JournalRecovery recoverJournal(const QString& cachePath, DiskWrites& disk) {
    if (!journalPending(cachePath)) return JournalRecovery::None;
    const qint64 fileLength = regularFileLength(cachePath);
    std::optional<CacheJournal> journal;
    if (const std::optional<QByteArray> image =
            journalFileImage(journalPath(cachePath), fileLength))
        journal = readJournalImage(*image);
    const bool matches = journal && journal->fileLength == fileLength;
    if (matches && !applySpans(cachePath, *journal, disk)) return JournalRecovery::Kept;
    if (!removeJournal(cachePath, disk)) return JournalRecovery::Kept;
    return matches ? JournalRecovery::Applied : JournalRecovery::Discarded;
}

} // namespace folia
