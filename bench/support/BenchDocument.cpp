#include "BenchDocument.h"

#include "document/CacheFile.h"
#include "marks/MarkEntryBuilders.h"

#include <random>

namespace folia::bench {
namespace {

constexpr int kLineWidth = 93;

const char* const kWords[] = {
    "the",      "reader",  "underlines", "a",       "page",     "of",      "notes",
    "margin",   "text",    "which",      "study",   "between",  "careful", "lines",
    "argument", "history", "and",        "its",     "meaning",  "every",   "chapter",
    "returns",  "to",      "question",   "whether", "author",   "claims",  "evidence",
    "quietly",  "under",   "summer",     "light",   "river",    "stone",   "memory",
    "in",       "with",    "nothing",    "perhaps", "although", "because", "silence",
    "library",  "window",  "travellers", "morning", "is",       "was",     "had",
};

QByteArray proseLine(std::mt19937& random) {
    std::uniform_int_distribution<size_t> word(0, std::size(kWords) - 1);
    std::uniform_int_distribution<int> width(40, kLineWidth);
    const int target = width(random);
    QByteArray line;
    for (;;) {
        const QByteArray next = kWords[word(random)];
        if (line.size() + 1 + next.size() > target) break;
        if (!line.isEmpty()) line += ' ';
        line += next;
    }
    return line;
}

void markRow(LineRecord& record, int row, int pageCount, int32_t& serial) {
    const int end = 3 + int(record.text(TextField::Text).size());
    addHorizontalPiece(record, row, 4, std::min(end, 20));
    addBoldPiece(record, row, 22, std::min(end, 30));
    addTwoColourPiece(record, row, 32, std::min(end, 40), 65535, 255);
    if (row % 9 == 0) addFullHorizontalLine(record, row);
    if (row % 12 == 0 && pageCount > 1)
        addPageLink(record, serial, row, 10, 16, QByteArray::number(1 + row % pageCount));
    if (row % 15 == 0) addDefinition(record, serial, row, 24, 28, "a word worth a note");
}

} // namespace

Document markedProse(int pages) {
    std::mt19937 random(13);
    Document document;
    int32_t serial = 0;
    for (int page = 1; page <= pages; ++page) {
        for (int row = 1; row <= Document::kRowsPerPage; ++row) {
            LineRecord& record = document.editRow(page, row);
            record.lineNumber = (page - 1) * Document::kRowsPerPage + row;
            record.page = page;
            record.lineOnPage = static_cast<int16_t>(row);
            record.setText(TextField::Text, proseLine(random));
            if (row % 3 == 0) markRow(record, row, pages, serial);
            if (row % 20 == 1) addBracket(record, row, row + 3);
        }
    }
    document.pageCount = pages;
    document.markSerial = serial;
    return document;
}

QString writeMarkedCache(const QString& folder, int pages) {
    const QString path = folder + QStringLiteral("/cache.04");
    saveCache(markedProse(pages), path);
    return path;
}

} // namespace folia::bench
