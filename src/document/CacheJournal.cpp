#include "CacheJournal.h"

#include "LineRecord.h"
#include "common/RegularFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cerrno>

namespace folia {
namespace {

// Image: magic, file length (int64), span count (uint32), per span its offset (int64),
// length (uint32) and bytes, then the SHA-256 of all that; integers little-endian.
constexpr char kMagic[8] = {'F', 'O', 'L', 'I', 'A', 'J', 'N', '1'};
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

// The largest image a journal for a file of this length can have: its spans, at least a
// byte each and apart, hold at most the file's bytes.
qint64 largestImageFor(qint64 fileLength) {
    return kHeaderSize + fileLength * (kSpanHeaderSize + 1) + kChecksumSize;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Writes the spans into the file and waits for them to be on the disk.
bool applySpans(const QString& cachePath, const CacheJournal& journal, DiskWrites& disk) {
    const int file = disk.openExisting(cachePath);
    if (file < 0) return false;
    bool written = true;
    for (const FileSpan& span : journal.spans) {
        written = disk.writeAt(file, span.offset, span.bytes.constData(), span.bytes.size());
        if (!written) break;
    }
    written = written && disk.sync(file);
    const int error = errno;
    disk.close(file);
    errno = error;
    return written;
}

// Writes the journal file and makes it, and its place in the folder, durable.
bool writeJournalFile(const QString& path, const QByteArray& image, DiskWrites& disk) {
    const int file = disk.create(path);
    if (file < 0) return false;
    const bool written = disk.writeAt(file, 0, image.constData(), image.size()) && disk.sync(file);
    const int error = errno;
    disk.close(file);
    errno = error;
    return written && disk.syncFolder(folderOf(path));
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
    if (image.size() < kHeaderSize + kChecksumSize || !image.startsWith(kMagic)) return {};
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
    const QString path = journalPath(cachePath);
    if (!writeJournalFile(path, journalImage(journal), disk)) {
        const WriteResult failure = writeFailureOf(errno);
        disk.remove(path); // the file is untouched: nothing to complete
        return failure;
    }
    if (!applySpans(cachePath, journal, disk)) return writeFailureOf(errno);
    if (!removeJournal(cachePath, disk)) return writeFailureOf(errno);
    return {};
}

bool removeJournal(const QString& cachePath, DiskWrites& disk) {
    return disk.remove(journalPath(cachePath)) && disk.syncFolder(folderOf(cachePath));
}

JournalRecovery recoverJournal(const QString& cachePath, DiskWrites& disk) {
    const QString path = journalPath(cachePath);
    const QFileInfo journalFile(path);
    if (!journalFile.exists() && !journalFile.isSymLink()) return JournalRecovery::None;

    const qint64 fileLength = regularFileLength(cachePath);
    std::optional<CacheJournal> journal;
    if (const std::optional<QByteArray> image = journalFileImage(path, fileLength))
        journal = readJournalImage(*image);
    const bool matches = journal && journal->fileLength == fileLength;
    if (matches && !applySpans(cachePath, *journal, disk)) return JournalRecovery::Kept;
    if (!removeJournal(cachePath, disk)) return JournalRecovery::Kept;
    return matches ? JournalRecovery::Applied : JournalRecovery::Discarded;
}

} // namespace folia
