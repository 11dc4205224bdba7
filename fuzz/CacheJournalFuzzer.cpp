// Any bytes as "cache.04-journal" beside a cache.04 of two records: recovery must not
// crash, must keep the file's length, and must change the file only when the journal is
// whole, intact and made for a file of its length, and then exactly as its spans say;
// either way the journal is gone afterwards, unless it held no change (empty, or its
// first eight bytes zero) and was left alone. An input whose last byte is odd has that
// byte replaced by the right checksum, so that what lies behind the checksum is explored.

#include "FuzzSupport.h"
#include "document/CacheJournal.h"
#include "document/LineRecord.h"

#include <QCryptographicHash>
#include <QFile>

using namespace folia;

namespace {

constexpr qsizetype kChecksumSize = 32;

QByteArray checksumOf(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray journalOf(QByteArray input) {
    if (input.isEmpty() || (input.back() & 1) == 0) return input;
    input.chop(1);
    return input + checksumOf(input);
}

QByteArray cacheFile() {
    QByteArray bytes(2 * LineRecord::kImageSize, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 31 % 251);
    return bytes;
}

bool intactAndForLength(const QByteArray& journal, qint64 length) {
    if (journal.size() < 16 + kChecksumSize) return false;
    const qsizetype body = journal.size() - kChecksumSize;
    qint64 declared = 0;
    for (int i = 15; i >= 8; --i)
        declared = (declared << 8) | static_cast<unsigned char>(journal[i]);
    return checksumOf(QByteArrayView(journal).first(body)) == journal.sliced(body) &&
           declared == length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray original = cacheFile();
    const QString cache = fuzz::inWorkFolder(QStringLiteral("cache.04"));
    const QByteArray journal = journalOf(fuzz::bytesOf(data, size));
    fuzz::writeFile(cache, original);
    fuzz::writeFile(journalPath(cache), journal);

    const std::optional<CacheJournal> read = readJournalImage(journal);
    const JournalRecovery recovery = recoverJournal(cache);
    const QByteArray after = fuzz::readFile(cache);
    fuzz::check(after.size() == original.size(), "recovery keeps the file's length");
    if (journal.isEmpty() || journal.startsWith(QByteArray(8, '\0'))) {
        fuzz::check(recovery == JournalRecovery::None && after == original,
                    "a journal that holds no change is left alone");
        return 0;
    }
    fuzz::check(!QFile::exists(journalPath(cache)), "the journal is gone after recovery");
    if (recovery != JournalRecovery::Applied) {
        fuzz::check(recovery == JournalRecovery::Discarded, "a journal is applied or discarded");
        fuzz::check(after == original, "a discarded journal changes nothing");
        fuzz::check(!read || read->fileLength != original.size(),
                    "a whole journal for the file is applied");
        return 0;
    }
    fuzz::check(intactAndForLength(journal, original.size()),
                "only an intact journal made for the file's length is applied");
    fuzz::check(read && !readJournalImage(journal.chopped(1)), "a cut journal is refused");
    QByteArray expected = original;
    for (const FileSpan& span : read->spans)
        expected.replace(span.offset, span.bytes.size(), span.bytes);
    fuzz::check(after == expected, "the file gets exactly the journal's spans");
    return 0;
}
