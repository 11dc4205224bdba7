#include "CacheFile.h"

#include "common/EventPump.h"
#include "common/ProgramFolder.h"
#include "common/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace folia {
namespace {

constexpr qsizetype kRecordSize = LineRecord::kImageSize;
constexpr qsizetype kRecordsPerRead = 16;

void pumpIfAny(EventPump* pump) {
    if (pump) pump->pump();
}

} // namespace

QString cachePath() {
    return besideProgram(QStringLiteral("cache.04"));
}

WriteResult saveCache(const Document& document, const QString& path, EventPump* pump) {
    return writeFileAtomically(path, [&](const AppendBytes& append) {
        std::vector<char> image(kRecordSize);
        for (int page = 1; page <= document.pageCount && page <= Document::kMaxPages; ++page) {
            for (int row = 1; row <= Document::kRowsPerPage; ++row) {
                const LineRecord& stored = document.row(page, row);
                if (stored.isPresent()) {
                    LineRecord record = stored; // fields are shared, so the copy is cheap
                    record.markSerial = document.markSerial;
                    record.reservedValue = document.reservedValue;
                    record.writeImage(image.data());
                    if (!append(image.data(), kRecordSize)) return false;
                }
                pumpIfAny(pump);
            }
        }
        return true;
    });
}

bool loadCache(Document& document, const QString& path, EventPump* pump) {
    QFile file(path);
    if (!openRegularFileForReading(file, QIODevice::Unbuffered)) return false;
    const qint64 length = file.size();
    if (length <= 0 || length % kRecordSize != 0) return false;

    Document loaded;
    bool anyStored = false;
    // Records are read a batch at a time: few system calls, and a buffer small enough to
    // stay in the processor's cache while its records are taken apart.
    std::vector<char> batch(kRecordsPerRead * kRecordSize);
    for (qint64 first = 0; first < length / kRecordSize; first += kRecordsPerRead) {
        const qint64 count = std::min<qint64>(kRecordsPerRead, length / kRecordSize - first);
        if (file.read(batch.data(), count * kRecordSize) != count * kRecordSize) return false;
        for (qint64 k = 0; k < count; ++k) {
            LineRecord record = LineRecord::fromImage(batch.data() + k * kRecordSize);
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
    return true;
}

} // namespace folia
