#include "ShellFixture.h"
#include "shell/CommandIds.h"
#include "shell/DocumentActions.h"
#include "support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <functional>
#include <sys/stat.h>

using namespace folia;
using namespace folia::test;

namespace {

// The undo snapshot is written off the window thread; these tests drive its ends.
class Snapshots : public ShellFixture {
protected:
    void boldPieceOnRow(int row) {
        selectRange(row, 10, 20);
        commands.dispatch(command::UnderlinePieceBold);
    }
    // Lets the window thread's event loop run until the write in flight has been finished.
    void processEventsUntilWritten() {
        QElapsedTimer waited;
        waited.start();
        while (state.snapshots.pending() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    // The document as the cache file would hold it.
    QByteArray shownBytes() {
        const QString path = folder.filePath("shown.04");
        EXPECT_TRUE(saveCache(state.document, path));
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Document fileDocument() {
        Document loaded;
        state.snapshots.wait();
        EXPECT_TRUE(loadCache(loaded, cachePath()));
        return loaded;
    }
};

TEST_F(Snapshots, UndoIsGreyUntilTheSnapshotIsOnDiskAndUndoRightAfterAMarkWaitsForIt) {
    makeDocument(20);
    boldPieceOnRow(12);
    EXPECT_FALSE(view.isEnabled(command::Undo)) << "the write is still to be finished";
    EXPECT_EQ(list(12, TextField::BoldMarks), "12,10,20;");
    processEventsUntilWritten();
    EXPECT_TRUE(view.isEnabled(command::Undo));

    boldPieceOnRow(30);
    commands.dispatch(command::Undo); // at once, the snapshot possibly still being written
    EXPECT_EQ(list(12, TextField::BoldMarks), "12,10,20;") << "the state before the last mark";
    EXPECT_EQ(list(30, TextField::BoldMarks), "");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(Snapshots, ExitWhileASnapshotIsInFlightWritesTheFinalDocument) {
    makeDocument(20);
    boldPieceOnRow(5);
    boldPieceOnRow(6); // waits for the first snapshot, then writes the state with row 5
    commands.dispatch(command::Exit);
    EXPECT_FALSE(state.snapshots.pending());
    const Document onDisk = fileDocument();
    EXPECT_EQ(onDisk.row(1, 5).text(TextField::BoldMarks), "5,10,20;");
    EXPECT_EQ(onDisk.row(1, 6).text(TextField::BoldMarks), "6,10,20;");
    EXPECT_EQ(onDisk.pageCount, 20);
}

TEST_F(Snapshots, AFailedWriteIsToldOnceAndTheDocumentInMemoryStays) {
    makeDocument(3);
    // A folder where the file should be: the file cannot be replaced, whoever runs this.
    ASSERT_TRUE(QDir(folder.path()).mkdir("cache.04"));
    boldPieceOnRow(7);
    processEventsUntilWritten();
    waitForSnapshot(state, view, prompts);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("The file could not be written: " +
                                                    QDir::toNativeSeparators(cachePath())));
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_EQ(list(7, TextField::BoldMarks), "7,10,20;");
    EXPECT_EQ(state.document.pageCount, 3);
    commands.dispatch(command::TickControl);
    commands.dispatch(command::TickControl);
    ASSERT_EQ(prompts.messages.size(), 1) << "told once";

    // The steps are in memory: Undo goes back, and writes what it shows.
    EXPECT_TRUE(view.isEnabled(command::Undo));
    ASSERT_TRUE(QDir(folder.path()).rmdir("cache.04"));
    commands.dispatch(command::Undo);
    EXPECT_EQ(list(7, TextField::BoldMarks), "");
    EXPECT_EQ(fileDocument().row(1, 7).text(TextField::BoldMarks), "");
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(Snapshots, UndoAfterAFailedSnapshotTakesBackOnlyTheLastChange) {
    makeDocument(3);
    boldPieceOnRow(5);
    processEventsUntilWritten(); // the file: the document before the mark on row 5
    {
        // Full past the first record: the changed record of row 5 cannot be written.
        const FileSizeLimit fullDisk(LineRecord::kImageSize);
        boldPieceOnRow(6);
        processEventsUntilWritten();
    }
    ASSERT_EQ(prompts.messages.size(), 1);
    commands.dispatch(command::Undo);
    EXPECT_EQ(list(5, TextField::BoldMarks), "5,10,20;") << "more than the last change undone";
    EXPECT_EQ(list(6, TextField::BoldMarks), "");
    EXPECT_EQ(fileDocument().row(1, 5).text(TextField::BoldMarks), "5,10,20;")
        << "the file holds the document as shown";
}

// A reader who never undoes twice in a row finds in the file, at every moment, what the
// single Undo that reloaded the file left: the file unchanged by Undo, and the document
// shown after it the file's.
TEST_F(Snapshots, ForAReaderWhoNeverUndoesTwiceTheFileStaysAsItWasThroughEveryCommand) {
    makeDocument(3, 20);
    state.document.editRow(1, 20).setText(TextField::Alignment, "AL2");
    const QString text = folder.filePath("text.txt");
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write("one line\ntwo lines\n");
    textFile.close();
    const auto range = [&](int commandId, int row = 12) {
        selectRange(row, 30, 42);
        commands.dispatch(commandId);
    };
    const auto rows = [&](int commandId, std::initializer_list<int> ticked) {
        tick(ticked);
        commands.dispatch(commandId);
        commands.dispatch(command::TickControl);
    };
    const std::vector<std::function<void()>> changes = {
        [&] { range(command::UnderlinePieceHorizontal); },
        [&] { range(command::UnderlinePieceTwoColours); },
        [&] { range(command::UnderlinePieceBold); },
        [&] { range(command::UnderlinePieceBold, 20); }, // a centred row: nothing added
        [&] { prompts.answers = {"2"}; range(command::UnderlineLink); },
        [&] { prompts.answers = {std::nullopt}; range(command::UnderlineLink); }, // cancelled
        [&] { prompts.answers = {"a note"}; range(command::UnderlineDefinition); },
        [&] { rows(command::UnderlineFullHorizontal, {3, 4}); },
        [&] {
            rows(command::UnderlineVertical, {5, 9});
            rows(command::UnderlineVertical, {5, 9, 10}); // refused: no snapshot
        },
        [&] { rows(command::AlignRowsRight, {6, 12}); },
        [&] { range(command::RemoveMarks); },
        [&] {
            range(command::UnderlinePieceBold, 14);
            commands.dispatch(command::Update);
            prompts.answers = {"3"};
            commands.dispatch(command::GoTo);
        },
        [&] {
            prompts.fileAnswers = {text};
            commands.dispatch(command::New);
        },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i](); // kept
        changes[i](); // taken back
        const QByteArray file = cacheBytes();
        commands.dispatch(command::Undo);
        EXPECT_EQ(cacheBytes(), file) << "change " << i;
        EXPECT_EQ(shownBytes(), file) << "change " << i;
    }
    EXPECT_EQ(prompts.messages.size(), 2) << "only the refused brackets' messages";
}

} // namespace

// Changes are written in place only into the file the program wrote or read: one that
// another program has put in its place, even of the same length, is written whole.
TEST_F(Snapshots, AFileReplacedBehindTheProgramsBackIsWrittenWhole) {
    makeDocument(2);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    ASSERT_TRUE(loadAndRerender(state, view));
    boldPieceOnRow(5);
    Document other;
    for (int page = 1; page <= 2; ++page)
        for (int row = 1; row <= 65; ++row)
            putRow(other, page, row, "Another program's text.");
    ASSERT_TRUE(saveCache(other, cachePath()));
    boldPieceOnRow(6); // the snapshot of the mark on row 5
    commands.dispatch(command::Exit);
    const QByteArray written = cacheBytes();
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    EXPECT_EQ(written, cacheBytes());
}

// After the start-up a mark writes its own record into cache.04, and Exit of a document
// that has not changed since writes nothing; the file has the bytes of a whole save.
TEST_F(Snapshots, MarksWriteTheirRecordsInPlaceAndAnUnchangedExitWritesNothing) {
    makeDocument(3);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    ASSERT_TRUE(loadAndRerender(state, view));
    struct stat started {};
    ASSERT_EQ(stat(QFile::encodeName(cachePath()).constData(), &started), 0);

    boldPieceOnRow(5);
    boldPieceOnRow(6);                // the snapshot of the change on row 5
    commands.dispatch(command::Exit); // the change on row 6
    struct stat exited {};
    ASSERT_EQ(stat(QFile::encodeName(cachePath()).constData(), &exited), 0);
    EXPECT_EQ(exited.st_ino, started.st_ino) << "written in place, not replaced";
    const QByteArray inPlace = cacheBytes();
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    EXPECT_EQ(inPlace, cacheBytes());

    state.exited = false;
    ASSERT_TRUE(loadAndRerender(state, view));
    ASSERT_EQ(stat(QFile::encodeName(cachePath()).constData(), &started), 0);
    commands.dispatch(command::Exit);
    ASSERT_EQ(stat(QFile::encodeName(cachePath()).constData(), &exited), 0);
    EXPECT_EQ(exited.st_ino, started.st_ino);
    EXPECT_TRUE(exited.st_mtim.tv_sec == started.st_mtim.tv_sec &&
                exited.st_mtim.tv_nsec == started.st_mtim.tv_nsec)
        << "not written";
    EXPECT_TRUE(prompts.messages.empty());
}
