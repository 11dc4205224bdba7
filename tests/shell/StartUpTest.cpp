#include "shell/StartUp.h"
#include "ShellFixture.h"
#include "document/CacheJournal.h"
#include "settings/SettingsFile.h"
#include "shell/CommandIds.h"

#include <QDir>

using namespace folia;
using namespace folia::test;

namespace {

using StartUp = ShellFixture;

constexpr int kAlwaysEnabled[] = {command::New, command::Author, command::Exit, command::SetUp,
                                  command::GuideReader};

} // namespace

TEST_F(StartUp, WithoutACacheTheWindowStaysEmpty) {
    state.settings.colours.link = 0x00123456;
    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(view.caption, "");
    EXPECT_FALSE(state.documentPresent);
    for (int id :
         {command::TickControl, command::UnderlineFullHorizontal, command::Update, command::Undo,
          command::Redo, command::SaveImage, command::GoTo, command::AlignRowsLeft,
          command::UnderlinePieceBold, command::RemoveMarks})
        EXPECT_FALSE(view.isEnabled(id)) << id;
    EXPECT_EQ(state.settings.colours.link, 255) << "links are red after every start";
    EXPECT_EQ(view.swatch(command::LinkColour), 255) << "the swatch shows the red link colour";
    EXPECT_EQ(view.viewsShown, 1);
    EXPECT_FALSE(QDir(folder.path()).exists("color.bmp"));
}

TEST_F(StartUp, ACacheIsAnnouncedThenTheStoredPageShown) {
    makeDocument(7, 3);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    state.document.clear();
    state.documentPresent = false;
    state.settings.position.page = 2;
    state.settings.position.offsetY = -161;

    initialiseMainWindow(state, mode(), view, prompts);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Let's read your cache, Wait ...");
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_TRUE(prompts.messages[0].systemModal);
    EXPECT_TRUE(state.documentPresent);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(state.viewOffset, -161);
    EXPECT_EQ(view.caption, "Page 2 of 7");
    EXPECT_GE(view.busyStarts, 1);
    EXPECT_EQ(view.busyStarts, view.busyStops);
    for (int id :
         {command::TickControl, command::UnderlineFullHorizontal, command::UnderlineVertical,
          command::Update, command::SaveImage, command::GoTo, command::AlignRowsLeft,
          command::AlignRowsCentre, command::AlignRowsRight, command::RemoveMarks})
        EXPECT_TRUE(view.isEnabled(id)) << id;
    for (int id :
         {command::Undo, command::Redo, command::UnderlinePieceHorizontal, command::UnderlinePieceTwoColours,
          command::UnderlineLink, command::UnderlineDefinition, command::UnderlinePieceBold})
        EXPECT_FALSE(view.isEnabled(id)) << id;
}

TEST_F(StartUp, AWholeJournalBesideTheCacheIsAppliedBeforeItIsRead) {
    makeDocument(2, 3);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    // The journal of a snapshot that stopped after it was written: "Row" became "Now".
    const CacheJournal stopped{6 * LineRecord::kImageSize, {{4 * LineRecord::kImageSize + 8, "N"}}};
    QFile journal(journalPath(cachePath()));
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write(journalImage(stopped));
    journal.close();
    state.document.clear();

    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_EQ(state.document.row(2, 2).text(TextField::Text).left(4), "Now ");
    EXPECT_FALSE(QFile::exists(journalPath(cachePath())));
}

TEST_F(StartUp, AStoredPageOutsideTheDocumentIsBroughtIntoIt) {
    makeDocument(3, 1);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    state.settings.position.page = 99;
    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_EQ(state.currentPage, 3);
    EXPECT_EQ(view.caption, "Page 3 of 3");
}

TEST_F(StartUp, AnUnreadableCacheLeavesTheEmptyState) {
    QFile damaged(cachePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(3 * LineRecord::kImageSize + 1, 'x'));
    damaged.close();
    initialiseMainWindow(state, mode(), view, prompts);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_FALSE(state.documentPresent);
    EXPECT_EQ(view.caption, "");
    EXPECT_FALSE(view.isEnabled(command::Update));
}

TEST_F(StartUp, ExitThenRestartShowsTheSamePageOffsetAndMarks) {
    makeDocument(4, 2);
    state.currentPage = 3;
    state.viewOffset = -61;
    state.document.editRow(3, 2).setText(TextField::HorizontalMarks, "2,3,20;");
    state.document.editRow(3, 2).hasMarks = 1;
    commands.dispatch(command::Exit);

    AppState restarted(englishTexts());
    restarted.settings = loadSettings(settingsPath());
    RecordingView view2;
    ScriptedPrompts prompts2;
    initialiseMainWindow(restarted, PageViewMode(), view2, prompts2);
    EXPECT_EQ(restarted.currentPage, 3);
    EXPECT_EQ(restarted.viewOffset, -61);
    EXPECT_EQ(view2.caption, "Page 3 of 4");
    EXPECT_EQ(restarted.document.row(3, 2).text(TextField::HorizontalMarks), "2,3,20;");
}

// A text named on the command line: 130 lines, two pages.
class GivenFile : public ShellFixture {
protected:
    GivenFile() {
        QFile file(text);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 130; ++i)
            file.write("given line " + QByteArray::number(i) + "\n");
    }
    const QString text = folder.filePath("notes.txt");
};

TEST_F(GivenFile, OpensAsNewInAFreshFolderWithoutAQuestion) {
    initialiseMainWindow(state, mode(), view, prompts);
    commands.openGivenFile(text);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(view.caption, "Page 1 of 2");
    EXPECT_EQ(list(1, TextField::Text), "given line 1");
    EXPECT_EQ(cacheBytes().size(), 130 * LineRecord::kImageSize);
    EXPECT_FALSE(state.dialogBusy);
}

TEST_F(GivenFile, ReplacesTheCachedDocumentOnlyWhenTheUserAgrees) {
    makeDocument(7, 3);
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    const QByteArray cached = cacheBytes();
    initialiseMainWindow(state, mode(), view, prompts);
    prompts.messages.clear();

    commands.openGivenFile(text); // unscripted: No
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              "Replace the document with " + text +
                  "? The current document and its marks are replaced; Undo cannot bring them "
                  "back.");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(state.document.pageCount, 7);
    EXPECT_EQ(view.caption, "Page 1 of 7");
    EXPECT_EQ(cacheBytes(), cached);

    prompts.questionAnswers = {MessageAnswer::Yes};
    commands.openGivenFile(text);
    EXPECT_EQ(view.caption, "Page 1 of 2");
    // As the question says, Undo comes back to the imported text, not to the earlier one.
    commands.dispatch(command::Undo);
    EXPECT_EQ(state.document.pageCount, 2);
    EXPECT_EQ(list(1, TextField::Text), "given line 1");
}

TEST_F(GivenFile, AnExitWhileTheQuestionIsOnScreenImportsNothing) {
    makeDocument(3);
    prompts.questionAnswers = {MessageAnswer::Yes};
    prompts.onMessage = [this](const MessageRequest&) {
        if (!state.exited) commands.dispatch(command::Exit);
    };
    commands.openGivenFile(text);
    EXPECT_TRUE(state.exited);
    EXPECT_EQ(state.document.pageCount, 3);
    EXPECT_EQ(cacheBytes().size(), 3 * 65 * LineRecord::kImageSize) << "Exit kept the document";
}

TEST_F(GivenFile, APathThatCannotBeReadIsToldAndChangesNothing) {
    makeDocument(3);
    for (const QString& path : {folder.filePath("absent.txt"), folder.path()}) {
        prompts.messages.clear();
        commands.openGivenFile(path);
        ASSERT_EQ(prompts.messages.size(), 1) << "no question, only the message";
        EXPECT_EQ(prompts.messages[0].text, "The file could not be read: " + path);
        EXPECT_EQ(state.document.pageCount, 3);
        EXPECT_FALSE(QFile::exists(cachePath()));
    }
}

TEST(SpanishBuild, GoToWritesItsCaptionWithoutTheAccent) {
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    AppState state(spanishTexts());
    for (int page = 1; page <= 10; ++page)
        putRow(state.document, page, 1, "texto");
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    state.document.clear();
    RecordingView view;
    ScriptedPrompts prompts;
    PageInteraction interaction(state, view, prompts);
    CommandDispatcher commands(state, view, prompts, interaction);

    initialiseMainWindow(state, interaction.mode(), view, prompts);
    EXPECT_EQ(prompts.messages[0].text, "Vamos a leer tu cache, Espera ...");
    EXPECT_EQ(prompts.messages[0].title, "Programador");
    EXPECT_EQ(view.caption, QString::fromUtf8("Página 1 de 10"));

    prompts.answers = {"3"};
    commands.dispatch(command::GoTo);
    EXPECT_EQ(prompts.inputs[0].title, "De 1 a 10");
    EXPECT_EQ(view.caption, "Pagina 3 de 10");
    setProgramFolder(QString());
}
