#pragma once

#include "document/CacheFile.h"
#include "document/DiskWrites.h"
#include "support/DocumentRows.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <vector>

namespace folia::test {

// A document with `rows` present rows over a few pages, some of them marked.
inline Document smallDocument(int rows) {
    Document document;
    for (int i = 0; i < rows; ++i) {
        LineRecord& record = putRow(document, 1 + i / 12, 1 + i % 12,
                                    "row " + QByteArray::number(i) + " of a small text");
        if (i % 3 == 0) record.setText(TextField::HorizontalMarks, "1,3,9;");
    }
    document.markSerial = 3;
    return document;
}

// A copy of the document's rows and values.
inline Document copyOf(const Document& document) {
    Document copy;
    for (int page = 1; page <= document.pageCount; ++page)
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            if (!(document.row(page, row) == LineRecord()))
                copy.editRow(page, row) = document.row(page, row);
    copy.pageCount = document.pageCount;
    copy.markSerial = document.markSerial;
    copy.reservedValue = document.reservedValue;
    return copy;
}

// The file a whole save of the document gives.
inline QByteArray imageOf(const CacheSnapshot& snapshot) {
    QByteArray image(qsizetype(snapshot.records.size()) * LineRecord::kImageSize, '\0');
    for (size_t k = 0; k < snapshot.records.size(); ++k)
        snapshot.records[k].writeImage(image.data() + k * LineRecord::kImageSize);
    return image;
}

// One change a reader may make between two snapshots, the same for the same step of the
// same seed: mostly marks, sometimes a link or definition (a new serial), sometimes
// nothing, and now and then a row that comes or goes, which moves records.
inline void changeAtRandom(Document& document, unsigned seed, int step) {
    std::mt19937 random(seed * 7919u + unsigned(step));
    std::vector<LineRecord*> present;
    for (int page = 1; page <= document.pageCount; ++page)
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            if (document.row(page, row).isPresent())
                present.push_back(&document.editRow(page, row));
    LineRecord& picked = *present[random() % present.size()];
    const QByteArray entry =
        QByteArray::number(picked.lineOnPage) + "," + QByteArray::number(random() % 40) + ",60;";
    switch (random() % 10) {
    case 0: // a new link or definition: a new serial
        picked.linkKind = 1;
        picked.appendText(TextField::LinkMarks, entry.chopped(1) + ",1E" +
                                                    QByteArray::number(++document.markSerial) +
                                                    ";");
        break;
    case 1: // nothing changes
        break;
    case 2: // a row comes, or goes
        if (present.size() > 1 && random() % 2 == 0) {
            present.back()->lineNumber = 0;
        } else {
            const int at = int(present.size());
            putRow(document, 1 + at / 12, 1 + at % 12, "a row added");
        }
        break;
    case 3:
        picked.appendText(TextField::BoldMarks, entry);
        picked.hasBold = 1;
        break;
    default: // an underline
        picked.appendText(TextField::HorizontalMarks, entry);
        picked.hasMarks = 1;
    }
}

// The system's disk, except that it stops for good after `limit` operations: the next
// one fails (a write of which the first `tornLength` bytes reach the file, when asked),
// as does every later one, as if the program had been killed there. Syncs are counted but
// do nothing: what a stopped process wrote stays in the file. Reads are not counted.
class StoppingDisk : public DiskWrites {
public:
    explicit StoppingDisk(int limit = 1 << 30, qint64 tornLength = -1)
        : m_limit(limit), m_tornLength(tornLength) {}

    int create(const QString& path) override { return allowed() ? m_disk.create(path) : -1; }
    int openExisting(const QString& path) override {
        return allowed() ? m_disk.openExisting(path) : -1;
    }
    bool readAt(int file, qint64 offset, char* data, qint64 length) override {
        return !stopped() && m_disk.readAt(file, offset, data, length);
    }
    bool truncate(int file, qint64 length) override {
        return allowed() && m_disk.truncate(file, length);
    }
    void forget(int file, qint64 offset, qint64 length) override {
        m_disk.forget(file, offset, length);
    }
    bool writeAt(int file, qint64 offset, const char* data, qint64 length) override {
        if (stopped() && m_tornLength >= 0 && m_tornLength < length)
            m_disk.writeAt(file, offset, data, m_tornLength);
        return allowed(length) && m_disk.writeAt(file, offset, data, length);
    }
    bool sync(int) override { return allowed(); }
    void close(int file) override { m_disk.close(file); }
    bool remove(const QString& path) override { return allowed() && m_disk.remove(path); }
    bool syncFolder(const QString&) override { return allowed(); }

    bool stopped() const { return m_done == m_limit; }
    // Every operation asked for, in order: the length of a write, -1 for the others.
    std::vector<qint64> asked;

private:
    bool allowed(qint64 writeLength = -1) {
        asked.push_back(writeLength);
        if (stopped()) {
            errno = EIO;
            return false;
        }
        ++m_done;
        return true;
    }

    DiskWrites& m_disk = systemDisk();
    int m_limit;
    qint64 m_tornLength;
    int m_done = 0;
};

} // namespace folia::test
