#include "document/CacheJournal.h"
#include "CacheChanges.h"
#include "document/CacheFileChanges.h"
#include "support/FileInTemporaryFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

constexpr qint64 kRecord = LineRecord::kImageSize;

class CacheJournalTest : public FileInTemporaryFolder {
protected:
    CacheJournalTest() : FileInTemporaryFolder(QStringLiteral("cache.04")) {}

    QString journal() const { return journalPath(path); }
    bool journalLeft() const { return QFileInfo::exists(journal()); }
    bool changePending() const { return journalPending(path); }
    void writeJournal(const QByteArray& image) {
        QFile file(journal());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(image);
    }
    // Two records, each byte of which tells where it stands.
    QByteArray twoRecords() const {
        QByteArray bytes(2 * kRecord, '\0');
        for (qint64 i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 31 % 251);
        return bytes;
    }
};

} // namespace

TEST_F(CacheJournalTest, ChangesInPlaceGiveTheBytesOfAWholeSave) {
    Document document = smallDocument(30);
    CacheSnapshot onDisk = snapshotOf(document);
    ASSERT_TRUE(saveCache(onDisk, path));
    for (int step = 0; step < 60; ++step) {
        changeAtRandom(document, 1, step);
        const CacheSnapshot next = snapshotOf(document);
        const bool inPlace = changesBetween(onDisk, next).has_value();
        StoppingDisk counted;
        ASSERT_TRUE(saveCacheChanges(onDisk, next, path, counted)) << step;
        EXPECT_EQ(read(), imageOf(next)) << step;
        EXPECT_FALSE(changePending());
        if (next.records.size() != onDisk.records.size()) {
            EXPECT_FALSE(inPlace) << step;
        }
        // Written in place exactly when something changed; an unchanged document, nothing.
        EXPECT_EQ(!counted.asked.empty(), inPlace && next.records != onDisk.records) << step;
        onDisk = next;
    }
}

TEST_F(CacheJournalTest, AMarkWritesItsRecordAndANewSerialFourBytesOfEach) {
    Document document = smallDocument(30);
    const CacheSnapshot before = snapshotOf(document);
    document.editRow(2, 5).setText(TextField::BoldMarks, "5,3,9;"); // the 17th record
    const std::optional<CacheJournal> mark = changesBetween(before, snapshotOf(document));
    ASSERT_TRUE(mark);
    ASSERT_EQ(mark->spans.size(), 1u);
    EXPECT_EQ(mark->spans[0].offset, 16 * kRecord + 14498);
    EXPECT_EQ(mark->spans[0].bytes, QByteArray("5,3,9;"));

    const CacheSnapshot marked = snapshotOf(document);
    ++document.markSerial;
    const std::optional<CacheJournal> link = changesBetween(marked, snapshotOf(document));
    ASSERT_TRUE(link);
    ASSERT_EQ(link->spans.size(), 30u);
    for (size_t k = 0; k < 30; ++k) {
        EXPECT_EQ(link->spans[k].offset, qint64(k) * kRecord + LineRecord::kMarkSerialOffset);
        EXPECT_EQ(link->spans[k].bytes.size(), 4);
    }
}

// The snapshot stopped after each operation of the disk in turn, and each write torn after
// any number of its bytes: the next start finds the file as it was or as it was to be.
// With the journal to be made, and with the empty one that earlier changes leave.
TEST_F(CacheJournalTest, EveryStopRecoversToTheOldFileOrTheNew) {
    Document document = smallDocument(3);
    const CacheSnapshot before = snapshotOf(document);
    document.editRow(1, 1).appendText(TextField::HorizontalMarks, "1,10,20;");
    document.editRow(1, 3).setText(TextField::Alignment, "AL2");
    ++document.markSerial;
    const CacheSnapshot after = snapshotOf(document);

    for (const bool emptyJournal : {false, true}) {
        const auto startAgain = [&] {
            write(imageOf(before));
            QFile::remove(journal());
            if (emptyJournal) writeJournal({});
        };
        StoppingDisk recording;
        startAgain();
        ASSERT_TRUE(saveCacheChanges(before, after, path, recording));
        const std::vector<qint64> operations = recording.asked;
        ASSERT_GE(operations.size(), 7u) << "journal, pages, syncs, emptying";

        int stops = 0;
        for (size_t limit = 0; limit < operations.size(); ++limit) {
            // -1: the operation fails whole; else the bytes of the write that get through.
            const qint64 lastTorn = std::max<qint64>(operations[limit] - 1, -1);
            for (qint64 torn = -1; torn <= lastTorn; torn += (torn < 16 ? 1 : lastTorn / 8 + 1)) {
                startAgain();
                StoppingDisk stopping(int(limit), torn);
                const bool saved = saveCacheChanges(before, after, path, stopping).ok();
                ASSERT_TRUE(stopping.stopped());
                if (saved) {
                    EXPECT_EQ(read(), imageOf(after)) << "told written, so written";
                }
                StoppingDisk restarted;
                recoverJournal(path, restarted);
                const QByteArray found = read();
                EXPECT_TRUE(found == imageOf(before) || found == imageOf(after))
                    << "stopped after " << limit << " operations, torn at " << torn;
                EXPECT_FALSE(changePending());
                ++stops;
            }
        }
        EXPECT_GT(stops, 2 * int(operations.size())) << "torn writes tried";
    }
}

TEST_F(CacheJournalTest, OnlyAWholeJournalMadeForTheFileIsApplied) {
    const QByteArray original = twoRecords();
    CacheJournal change{2 * kRecord, {{10, "new"}, {kRecord + 5, "bytes"}}};
    QByteArray changed = original;
    changed.replace(10, 3, "new").replace(kRecord + 5, 5, "bytes");
    const QByteArray image = journalImage(change);

    CacheJournal otherLength = change;
    otherLength.fileLength = 3 * kRecord;
    CacheJournal outside{2 * kRecord, {{2 * kRecord - 2, "out"}}};
    CacheJournal overlapping{2 * kRecord, {{10, "abc"}, {11, "x"}}};
    QByteArray damaged = image;
    damaged[25] = char(damaged[25] ^ 1);
    const QByteArray refused[] = {
        image.chopped(1),          image.first(20),       damaged,
        journalImage(otherLength), journalImage(outside), journalImage(overlapping),
        QByteArray(4096, '\xff')};
    for (const QByteArray& hostile : refused) {
        write(original);
        writeJournal(hostile);
        EXPECT_EQ(recoverJournal(path), JournalRecovery::Discarded);
        EXPECT_EQ(read(), original);
        EXPECT_FALSE(journalLeft());
    }

    writeJournal(image);
    QFile::remove(path);
    EXPECT_EQ(recoverJournal(path), JournalRecovery::Discarded) << "no file to change";
    EXPECT_FALSE(QFileInfo::exists(path));

    write(original);
    writeJournal(image);
    EXPECT_EQ(recoverJournal(path), JournalRecovery::Applied);
    EXPECT_EQ(read(), changed);
    EXPECT_FALSE(journalLeft());
    EXPECT_EQ(recoverJournal(path), JournalRecovery::None);
}

// A journal left by a change that stopped must not be applied later to the whole file
// that replaces cache.04.
TEST_F(CacheJournalTest, AWholeSaveLeavesNoJournalBehind) {
    const CacheSnapshot document = snapshotOf(smallDocument(2));
    write(twoRecords());
    writeJournal(journalImage({2 * kRecord, {{0, "stale"}}}));
    ASSERT_TRUE(saveCache(document, path));
    EXPECT_FALSE(journalLeft());
    EXPECT_EQ(read(), imageOf(document));
}
