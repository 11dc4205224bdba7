#include "document/DocumentHistory.h"
#include "document/CacheFile.h"
#include "support/DocumentRows.h"

#include <gtest/gtest.h>
#include <random>

using namespace folia;
using namespace folia::test;

namespace {

// The document as the cache file would hold it.
QByteArray imageOf(const Document& document) {
    const CacheSnapshot snapshot = snapshotOf(document);
    QByteArray bytes(qsizetype(snapshot.records.size()) * LineRecord::kImageSize, '\0');
    for (size_t i = 0; i < snapshot.records.size(); ++i)
        snapshot.records[i].writeImage(bytes.data() + i * LineRecord::kImageSize);
    return bytes;
}

class DocumentHistoryTest : public ::testing::Test {
protected:
    DocumentHistoryTest() {
        for (int page = 1; page <= 4; ++page)
            for (int row = 1; row <= 65; row += 2)
                putRow(document, page, row, "Some words of the row");
    }
    // A change of a few rows of a random page, now and then one that changes nothing.
    void randomChange(DocumentHistory& history) {
        const int page = pick(1, 4);
        history.beginChange(document, page);
        for (int n = pick(0, 3); n > 0; --n) {
            LineRecord& record = document.editRow(page, pick(1, 65));
            const TextField field = pick(0, 1) ? TextField::BoldMarks : TextField::Alignment;
            if (pick(0, 2) == 0)
                record.setText(field, {});
            else
                record.appendText(field, QByteArray::number(pick(1, 99)) + ";");
            record.hasMarks = pick(0, 1);
            document.markSerial += pick(0, 1);
        }
        history.endChange(document);
    }
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    std::mt19937 random{27};
    Document document;
};

TEST_F(DocumentHistoryTest, AThousandChangesUndoneGiveTheStartAndRedoneTheLast) {
    DocumentHistory history;
    const QByteArray start = imageOf(document);
    for (int i = 0; i < 1000; ++i)
        randomChange(history);
    const QByteArray last = imageOf(document);
    ASSERT_NE(start, last);
    EXPECT_EQ(history.stepCount(), 1000u);

    int undone = 0;
    while (history.undo(document))
        ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(imageOf(document), start);
    while (history.redo(document)) {
    }
    EXPECT_EQ(imageOf(document), last);
}

TEST_F(DocumentHistoryTest, ANewChangeAfterUndosDropsWhatCouldBeRedone) {
    DocumentHistory history;
    const uint64_t startState = history.stateId();
    for (int i = 0; i < 5; ++i)
        randomChange(history);
    history.undo(document);
    history.undo(document);
    const uint64_t afterThree = history.stateId();
    EXPECT_TRUE(history.canRedo());
    history.redo(document);
    history.undo(document);
    EXPECT_EQ(history.stateId(), afterThree) << "the same state, the same name";

    randomChange(history);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.stepCount(), 4u);
    EXPECT_NE(history.stateId(), afterThree);
    EXPECT_NE(history.stateId(), startState);
}

TEST_F(DocumentHistoryTest, BeyondItsBoundsTheOldestStepsGo) {
    DocumentHistory bySteps(10);
    for (int i = 0; i < 30; ++i)
        randomChange(bySteps);
    EXPECT_EQ(bySteps.stepCount(), 10u);

    // Each step of a changed row holds well over 1 kB; 10 kB keep only a few.
    DocumentHistory byBytes(1000, 10 * 1024);
    std::vector<QByteArray> states{imageOf(document)};
    for (int i = 0; i < 25; ++i) {
        randomChange(byBytes);
        states.push_back(imageOf(document));
        EXPECT_LE(byBytes.heldBytes(), 10 * 1024);
    }
    const size_t kept = byBytes.stepCount();
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, 25u);
    while (byBytes.undo(document)) {
    }
    EXPECT_EQ(imageOf(document), states[25 - kept]) << "back to the oldest state kept";
}

} // namespace
