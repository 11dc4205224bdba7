#include "CacheFileChanges.h"

#include <QtEndian>
#include <algorithm>
#include <memory>

namespace folia {
namespace {

constexpr qint64 kRecordSize = LineRecord::kImageSize;
constexpr qint64 kDiskPage = 4096; // what the disk is written in

bool samePlaces(const CacheSnapshot& a, const CacheSnapshot& b) {
    return std::equal(a.records.begin(), a.records.end(), b.records.begin(), b.records.end(),
                      [](const LineRecord& x, const LineRecord& y) {
                          return x.page == y.page && x.lineOnPage == y.lineOnPage;
                      });
}

// A new link or definition changes the serial copy of every record and nothing else in
// most of them: those are told apart without building images.
bool differOnlyInSerial(const LineRecord& before, const LineRecord& after) {
    LineRecord probe = before;
    probe.markSerial = after.markSerial;
    return probe == after;
}

// Builds record images for comparing, reusing its two buffers.
class ImageComparer {
public:
    // The stretch of `after`'s image from the first to the last byte that differs from
    // `before`'s, for a record that stands at `at` in the file.
    std::optional<FileSpan> changedStretch(const LineRecord& before, const LineRecord& after,
                                           qint64 at) {
        before.writeImage(m_before.get());
        after.writeImage(m_after.get());
        const char* old = m_before.get();
        const char* now = m_after.get();
        int first = 0;
        while (first < LineRecord::kImageSize && old[first] == now[first])
            ++first;
        if (first == LineRecord::kImageSize) return std::nullopt;
        int last = LineRecord::kImageSize - 1;
        while (old[last] == now[last])
            --last;
        return FileSpan{at + first, QByteArray(now + first, last - first + 1)};
    }

private:
    std::unique_ptr<char[]> m_before = std::make_unique<char[]>(kRecordSize);
    std::unique_ptr<char[]> m_after = std::make_unique<char[]>(kRecordSize);
};

FileSpan serialSpan(const LineRecord& after, qint64 at) {
    const int32_t little = qToLittleEndian(after.markSerial);
    return {at + LineRecord::kMarkSerialOffset,
            QByteArray(reinterpret_cast<const char*>(&little), sizeof little)};
}

// The bytes a change in place costs: the journal, then every disk page the spans touch.
qint64 costInPlace(const CacheJournal& journal) {
    qint64 cost = 0;
    for (const FileSpan& span : journal.spans) {
        const qint64 firstPage = span.offset / kDiskPage;
        const qint64 lastPage = (span.offset + span.bytes.size() - 1) / kDiskPage;
        cost += span.bytes.size() + (lastPage - firstPage + 1) * kDiskPage;
    }
    return cost;
}

} // namespace

std::optional<CacheJournal> changesBetween(const CacheSnapshot& onDisk, const CacheSnapshot& next) {
    if (!samePlaces(onDisk, next)) return std::nullopt;
    CacheJournal journal;
    journal.fileLength = qint64(next.records.size()) * kRecordSize;
    ImageComparer comparer;
    for (size_t k = 0; k < next.records.size(); ++k) {
        const LineRecord& before = onDisk.records[k];
        const LineRecord& after = next.records[k];
        if (before == after) continue;
        const qint64 at = qint64(k) * kRecordSize;
        if (differOnlyInSerial(before, after))
            journal.spans.push_back(serialSpan(after, at));
        else if (std::optional<FileSpan> stretch = comparer.changedStretch(before, after, at))
            journal.spans.push_back(std::move(*stretch));
    }
    // Half the file: beyond that, the journal and the scattered writes cost about what
    // one write of the whole file does.
    if (costInPlace(journal) > journal.fileLength / 2) return std::nullopt;
    return journal;
}

} // namespace folia
