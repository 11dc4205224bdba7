// Any bytes as "cache.04": loading must not crash, and saving what was loaded must give
// each kept record back byte for byte; a second load and save must change nothing.

#include "FuzzSupport.h"
#include "document/CacheFile.h"

#include <cstring>
#include <map>

using namespace folia;

namespace {

constexpr qsizetype kRecord = LineRecord::kImageSize;

int32_t int32At(const char* record, int offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(record[offset + i]);
    return static_cast<int32_t>(value);
}

int16_t int16At(const char* record, int offset) {
    return static_cast<int16_t>(static_cast<unsigned char>(record[offset]) |
                                (static_cast<unsigned char>(record[offset + 1]) << 8));
}

// What a save after a load must write, worked out from the raw bytes: the last record
// for each place of the table, present ones only, in page and row order, with the
// document-wide values of the first record copied into each.
QByteArray expectedSave(const QByteArray& file) {
    std::map<int, const char*> byPlace;
    for (qsizetype at = 0; at + kRecord <= file.size(); at += kRecord) {
        const char* record = file.constData() + at;
        const int page = int32At(record, 4);
        const int row = int16At(record, 26926);
        if (Document::isValidPlace(page, row)) byPlace[page * 100 + row] = record;
    }
    QByteArray expected;
    for (const auto& [place, record] : byPlace) {
        if (int32At(record, 0) <= 0 && int32At(record, 26932) != 1) continue;
        QByteArray image(record, kRecord);
        std::memcpy(image.data() + 2058, file.constData() + 2058, 4);   // markSerial
        std::memcpy(image.data() + 14494, file.constData() + 14494, 4); // reservedValue
        expected += image;
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = fuzz::bytesOf(data, size);
    const QString in = fuzz::inWorkFolder(QStringLiteral("in.04"));
    const QString out = fuzz::inWorkFolder(QStringLiteral("cache.04"));
    fuzz::writeFile(in, input);

    Document document;
    const bool whole = !input.isEmpty() && input.size() % kRecord == 0;
    const QByteArray expected = whole ? expectedSave(input) : QByteArray();
    bool anyPlaced = false;
    for (qsizetype at = 0; whole && at < input.size(); at += kRecord)
        anyPlaced = anyPlaced || Document::isValidPlace(int32At(input.constData() + at, 4),
                                                        int16At(input.constData() + at, 26926));
    const bool loaded = loadCache(document, in).ok();
    fuzz::check(loaded == (whole && anyPlaced), "a file loads exactly when it has a usable record");
    if (!loaded) {
        fuzz::check(document.pageCount == 0, "a refused file leaves the document untouched");
        return 0;
    }

    fuzz::check(saveCache(document, out).ok(), "a loaded document can be saved");
    const QByteArray saved = fuzz::readFile(out);
    fuzz::check(saved == expected, "the save gives back every kept record byte for byte");
    if (saved.isEmpty()) return 0;

    Document again;
    fuzz::check(loadCache(again, out).ok(), "a saved file loads");
    fuzz::check(again.pageCount == int32At(saved.constData() + saved.size() - kRecord, 4),
                "a reload ends with the page of the last saved record");
    fuzz::check(again.markSerial == document.markSerial, "a reload keeps the mark serial");
    fuzz::check(saveCache(again, out).ok() && fuzz::readFile(out) == saved,
                "a second load and save change nothing");
    return 0;
}
