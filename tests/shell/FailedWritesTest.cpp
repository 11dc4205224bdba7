#include "ShellFixture.h"
#include "settings/SettingsFile.h"
#include "shell/CommandIds.h"
#include "shell/DocumentActions.h"
#include "shell/StartUp.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <sys/stat.h>
#include <thread>

using namespace folia;
using namespace folia::test;

namespace {

using FailedWrites = ShellFixture;

const QString kCacheFailure = "The file could not be written: %1\r\nReason: %2";

QString folderReason() {
    return englishTexts().notRegularFile;
}

} // namespace

TEST_F(FailedWrites, ASnapshotThatCannotBeWrittenIsToldAndTheChangeStays) {
    makeDocument(1);
    ASSERT_TRUE(QDir(folder.path()).mkdir("cache.04"));
    tick({2});
    commands.dispatch(command::AlignRowsCentre);
    waitForSnapshot(state, view, prompts); // the write ends off the window thread
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, kCacheFailure.arg(cachePath(), folderReason()));
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(list(2, TextField::Alignment), QByteArray("AL2")) << "the change is still made";
}

TEST_F(FailedWrites, ExitOnAFullDiskAsksAndNoKeepsTheProgramRunning) {
    makeDocument(2);
    ASSERT_TRUE(QFile(settingsPath()).open(QIODevice::WriteOnly)); // an empty settings file
    state.currentPage = 2;
    {
        const FileSizeLimit fullDisk(4096); // room for the settings, not for a record
        prompts.questionAnswers = {MessageAnswer::No};
        commands.dispatch(command::Exit);
        EXPECT_FALSE(commands.finished());
        EXPECT_EQ(QFileInfo(settingsPath()).size(), 0) << "nothing stored after No";
        EXPECT_EQ(state.document.pageCount, 2) << "the document stays in memory";

        prompts.questionAnswers = {MessageAnswer::Yes};
        commands.dispatch(command::Exit);
    }
    EXPECT_TRUE(commands.finished());
    EXPECT_EQ(loadSettings(settingsPath()).position.page, 2) << "Yes goes on with the Exit";
    ASSERT_EQ(prompts.messages.size(), 2) << "one question each time, nothing else";
    const MessageRequest& question = prompts.messages[0];
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.title, "Programmer");
    EXPECT_EQ(question.text, kCacheFailure.arg(cachePath(), englishTexts().fileTooLarge) +
                                 "\r\n\r\n" + englishTexts().exitAnyway);
}

TEST_F(FailedWrites, ExitAsksEvenWhenTheFailedWriteIsAnnouncedWhileItWaits) {
    makeDocument(2);
    // The write fails and its end is announced on the window thread before the Exit,
    // waiting for it under the busy animation, first lets the window handle its events.
    view.onBusyStart = [this] {
        while (state.snapshots.writing())
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    };
    const FileSizeLimit fullDisk(4096);
    prompts.questionAnswers = {MessageAnswer::No};
    commands.dispatch(command::Exit);
    EXPECT_FALSE(commands.finished()) << "the marks are not lost without a choice";
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(state.document.pageCount, 2);
}

TEST_F(FailedWrites, ASettingsFileThatCannotBeWrittenIsToldAtExit) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Configuracion.ini"));
    commands.dispatch(command::Exit);
    EXPECT_TRUE(commands.finished());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, kCacheFailure.arg(settingsPath(), folderReason()));
}

TEST_F(FailedWrites, APipeNamedCacheIsNotLoadedAndNotWrittenThroughAtExit) {
    // Opening it for reading would wait for a writer forever.
    ASSERT_EQ(mkfifo(QFile::encodeName(cachePath()).constData(), 0600), 0);
    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_FALSE(state.documentPresent);
    EXPECT_EQ(view.caption, "");
    commands.dispatch(command::Exit);
    EXPECT_TRUE(commands.finished());
    EXPECT_FALSE(QFileInfo(cachePath()).isFile()) << "still the pipe";
}

TEST_F(FailedWrites, ExitDuringTheStartUpMessageEndsAtOnceAndKeepsEverything) {
    makeDocument(3);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    const QByteArray cache = cacheBytes();
    state.document.clear();
    state.documentPresent = false;
    state.settings.position.page = 3;
    prompts.onMessage = [this](const MessageRequest&) { commands.dispatch(command::Exit); };

    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_TRUE(commands.finished());
    EXPECT_FALSE(state.documentPresent) << "the start-up stops";
    EXPECT_EQ(view.busyStarts, 0);
    EXPECT_EQ(cacheBytes(), cache);
    EXPECT_FALSE(QFileInfo::exists(settingsPath())) << "the stored position stays";
}
