#include "ShellFixture.h"
#include "settings/SettingsFile.h"
#include "shell/CommandIds.h"
#include "shell/DocumentActions.h"
#include "shell/MenuStates.h"
#include "shell/StartUp.h"

#include <QDir>

using namespace folia;
using namespace folia::test;

namespace {

using Commands = ShellFixture;

} // namespace

TEST_F(Commands, VerticalLineNeedsExactlyTwoTickedRows) {
    makeDocument(1);
    tick({5, 9});
    commands.dispatch(command::UnderlineVertical);
    EXPECT_EQ(list(5, TextField::VerticalMarks), QByteArray("5,9;"));
    EXPECT_EQ(row(5).hasMarks, 1);
    EXPECT_EQ(pausedMs, 1000);
    EXPECT_EQ(mode().tickedCount(), 0);
    EXPECT_TRUE(mode().is(InteractionState::Ticking)) << "tick mode goes on";
    const QByteArray saved = cacheBytes();
    EXPECT_FALSE(saved.isEmpty()) << "the snapshot was taken";

    tick({1, 2, 3});
    commands.dispatch(command::UnderlineVertical);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "You have not selected 2 lines only ...");
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_EQ(cacheBytes(), saved) << "no snapshot without two rows";
    EXPECT_EQ(list(1, TextField::VerticalMarks), QByteArray());
}

TEST_F(Commands, GoToAsksUntilTheAnswerNamesAnotherPage) {
    makeDocument(7, 1);
    state.currentPage = 3;
    prompts.answers = {"3", "0", "8", "", "abc", "5"};
    commands.dispatch(command::GoTo);
    EXPECT_EQ(prompts.inputs.size(), 6);
    for (const auto& asked : prompts.inputs) {
        EXPECT_EQ(asked.prompt, "Enter page number");
        EXPECT_EQ(asked.title, "From 1 to 7");
        EXPECT_EQ(asked.defaultText, "");
    }
    EXPECT_EQ(state.currentPage, 5);
    EXPECT_EQ(view.caption, "Page 5 of 7");
}

TEST_F(Commands, GoToRoundsHalvesToEvenAndCanBeCancelled) {
    makeDocument(7, 1);
    state.currentPage = 3;
    prompts.answers = {"2.5"};
    commands.dispatch(command::GoTo);
    EXPECT_EQ(state.currentPage, 2);
    prompts.answers = {"3.5"};
    commands.dispatch(command::GoTo);
    EXPECT_EQ(state.currentPage, 4);
    prompts.answers = {std::nullopt};
    commands.dispatch(command::GoTo);
    EXPECT_EQ(state.currentPage, 4) << "cancel leaves the command";

    makeDocument(1, 1);
    prompts.inputs.clear();
    commands.dispatch(command::GoTo);
    EXPECT_TRUE(prompts.inputs.empty()) << "nothing to go to in a one-page document";
}

TEST_F(Commands, UndoRestoresTheStateBeforeTheLastMarkAndRedoMakesItAgain) {
    makeDocument(2);
    commands.dispatch(command::Update); // a first rendering of both pages
    selectRange(12, 30, 42);
    commands.dispatch(command::UnderlinePieceBold);
    EXPECT_EQ(list(12, TextField::BoldMarks), QByteArray("12,30,42;"));
    EXPECT_EQ(row(12).hasBold, 1);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    waitForSnapshot(state, view, prompts);
    EXPECT_TRUE(menuStates(state, mode())[command::Undo].enabled);

    commands.dispatch(command::Undo);
    EXPECT_EQ(list(12, TextField::BoldMarks), QByteArray()) << "the page before the bold piece";
    EXPECT_FALSE(view.isEnabled(command::Undo)) << "nothing more to undo";
    EXPECT_TRUE(view.isEnabled(command::Redo));
    commands.dispatch(command::Redo);
    EXPECT_EQ(list(12, TextField::BoldMarks), QByteArray("12,30,42;"));
    EXPECT_FALSE(view.isEnabled(command::Redo));
}

TEST_F(Commands, PieceCommandsOnAnUnusableRowStoreNothingButStillSnapshot) {
    makeDocument(1);
    state.document.editRow(1, 4).setText(TextField::Alignment, "AL2");
    selectRange(4, 10, 20);
    commands.dispatch(command::UnderlinePieceHorizontal);
    EXPECT_EQ(list(4, TextField::HorizontalMarks), QByteArray());
    EXPECT_FALSE(cacheBytes().isEmpty());
    EXPECT_EQ(mode().state(), InteractionState::Idle);

    selectRange(6, 10, 20);
    commands.dispatch(command::UnderlinePieceHorizontal);
    EXPECT_EQ(list(6, TextField::HorizontalMarks), QByteArray("6,9,20;"));
    selectRange(6, 5, 8);
    commands.dispatch(command::UnderlinePieceTwoColours);
    EXPECT_EQ(list(6, TextField::TwoColourMarks), QByteArray("6,5,8,255,16777215;"));
}

TEST_F(Commands, AlignmentSkipsRowsThatCarryMarks) {
    makeDocument(1);
    tick({2, 3});
    commands.dispatch(command::UnderlineFullHorizontal);
    EXPECT_EQ(list(2, TextField::HorizontalMarks), QByteArray("2,3,41;"));
    tick({2, 4});
    commands.dispatch(command::AlignRowsCentre);
    EXPECT_EQ(list(2, TextField::Alignment), QByteArray()) << "an underlined row keeps its place";
    EXPECT_EQ(list(4, TextField::Alignment), QByteArray("AL2"));
}

TEST_F(Commands, LinksAskForAnotherPageAndShareTheSerialWithDefinitions) {
    makeDocument(5, 3);
    state.document.markSerial = 4;
    selectRange(2, 10, 14);
    prompts.answers = {"1", "0", "9", "x", " 3"};
    commands.dispatch(command::UnderlineLink);
    EXPECT_EQ(prompts.inputs.back().title, "From 1 to 5");
    EXPECT_EQ(list(2, TextField::LinkMarks), QByteArray("2,10,14,1E5;"));
    EXPECT_EQ(list(2, TextField::LinkTargets), QByteArray(" 3,1E5;")) << "kept as typed";
    EXPECT_EQ(row(2).linkKind, 1);

    selectRange(3, 4, 8);
    prompts.answers = {"A word"};
    commands.dispatch(command::UnderlineDefinition);
    EXPECT_EQ(list(3, TextField::DefinitionTexts), QByteArray("A word|2E6~"));
    EXPECT_EQ(list(3, TextField::LinkMarks), QByteArray("3,4,8,2E6;"));
    EXPECT_EQ(row(3).linkKind, 2);
}

TEST_F(Commands, ADefinitionTooLongComesBackAndCancelStoresNothing) {
    makeDocument(2, 3);
    selectRange(1, 4, 9);
    const QString tooLong(256, 'd');
    prompts.answers = {"", tooLong, std::nullopt};
    commands.dispatch(command::UnderlineDefinition);
    ASSERT_EQ(prompts.inputs.size(), 3);
    EXPECT_EQ(prompts.inputs[0].defaultText, "");
    EXPECT_EQ(prompts.inputs[0].title, "Programmer");
    EXPECT_EQ(prompts.inputs[2].defaultText, tooLong) << "offered again for shortening";
    EXPECT_EQ(list(1, TextField::DefinitionTexts), QByteArray());
    EXPECT_EQ(state.document.markSerial, 0);
    EXPECT_EQ(mode().state(), InteractionState::Idle);

    selectRange(1, 4, 9);
    prompts.answers = {QString(255, 'e')};
    commands.dispatch(command::UnderlineDefinition);
    EXPECT_TRUE(list(1, TextField::DefinitionTexts).startsWith(QByteArray(255, 'e') + "|2E1~"));
}

TEST_F(Commands, LinksNeedMoreThanOnePage) {
    makeDocument(1, 3);
    selectRange(1, 4, 9);
    commands.dispatch(command::UnderlineLink);
    commands.dispatch(command::UnderlineDefinition);
    EXPECT_TRUE(prompts.inputs.empty());
    EXPECT_TRUE(cacheBytes().isEmpty());
}

TEST_F(Commands, ColourCommandsCopyTheSelectedColourToSettingAndSwatch) {
    makeDocument(1, 1);
    commands.dispatch(command::HorizontalColour);
    EXPECT_EQ(state.settings.colours.horizontal, 0) << "black until a favourite is picked";
    EXPECT_EQ(view.swatch(command::HorizontalColour), 0);
    state.selectedColour = 0x00FF8800;
    commands.dispatch(command::SelectorTextColour);
    EXPECT_EQ(state.settings.colours.selectorText, 0x00FF8800);
    EXPECT_EQ(view.swatch(command::SelectorTextColour), 0xFF8800);
}

TEST_F(Commands, ExitStoresDocumentAndPosition) {
    makeDocument(7, 2);
    state.currentPage = 2;
    state.viewOffset = -300;
    state.document.editRow(2, 1).setText(TextField::BoldMarks, "1,4,9;");
    commands.dispatch(command::Exit);
    EXPECT_TRUE(commands.finished());
    const Settings saved = loadSettings(settingsPath());
    EXPECT_EQ(saved.position.page, 2);
    EXPECT_EQ(saved.position.offsetY, -300);
    Document again;
    ASSERT_TRUE(loadCache(again, cachePath()));
    EXPECT_EQ(again.row(2, 1).text(TextField::BoldMarks), QByteArray("1,4,9;"));
}

TEST_F(Commands, ExitWithoutADocumentLeavesAnUnreadableCacheAlone) {
    QFile damaged(cachePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a cache");
    damaged.close();
    commands.dispatch(command::Exit);
    EXPECT_EQ(cacheBytes(), QByteArray("not a cache"));
}

TEST_F(Commands, NewImportsTheChosenFileAndKeepsTheSerialGoing) {
    state.document.markSerial = 9;
    const QString text = folder.filePath("text.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 70; ++i)
        file.write("line " + QByteArray::number(i) + "\n");
    file.close();
    prompts.fileAnswers = {text, text};
    commands.dispatch(command::New);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filterDescription, "Text");
    EXPECT_EQ(prompts.dialogs[0].filterPattern, "*.*");
    EXPECT_EQ(state.document.pageCount, 2);
    EXPECT_TRUE(prompts.messages.isEmpty()) << "nothing replaced, nothing told";
    EXPECT_TRUE(view.captions.contains("Page 2 ... ")) << "the page being filled is named";
    EXPECT_EQ(view.caption, "Page 1 of 2");
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_TRUE(state.documentPresent);
    EXPECT_EQ(view.busyStarts, view.busyStops);
    EXPECT_GT(view.pageFocused, 0);
    EXPECT_TRUE(view.isEnabled(command::SaveImage));
    EXPECT_TRUE(view.isEnabled(command::ExportPdf));
    waitForSnapshot(state, view, prompts);
    EXPECT_FALSE(menuStates(state, mode())[command::Undo].enabled) << "a new document's history";
    EXPECT_FALSE(state.dialogBusy);
    EXPECT_EQ(state.document.markSerial, 9);
    EXPECT_EQ(cacheBytes().size(), 70 * LineRecord::kImageSize);

    commands.dispatch(command::New); // the second time starts where the first file was
    EXPECT_EQ(prompts.dialogs[1].initialName, "text.txt");
    EXPECT_EQ(prompts.dialogs[1].initialFolder, folder.path());
}

TEST_F(Commands, ExportAsPdfWritesTheChosenFileWholeAndNamesIt) {
    commands.dispatch(command::ExportPdf); // no document: no dialog
    EXPECT_TRUE(prompts.dialogs.isEmpty());

    makeDocument(3);
    const QString path = folder.filePath("study.pdf");
    prompts.fileAnswers = {path};
    commands.dispatch(command::ExportPdf);
    ASSERT_EQ(prompts.dialogs.size(), 1);
    EXPECT_EQ(prompts.dialogs[0].filterPattern, "*.pdf");
    EXPECT_EQ(prompts.dialogs[0].defaultExtension, "pdf");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Exported as PDF: " + QDir::toNativeSeparators(path));
    EXPECT_GT(view.busyStarts, 0);
    EXPECT_EQ(view.busyStarts, view.busyStops);
    EXPECT_FALSE(state.dialogBusy);

    // A file that cannot be written is told as every failed write, and nothing else.
    prompts.fileAnswers = {folder.filePath("no such folder/study.pdf")};
    commands.dispatch(command::ExportPdf);
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].text.startsWith("The file could not be written: "));
    prompts.fileAnswers = {}; // cancelled: nothing at all
    commands.dispatch(command::ExportPdf);
    EXPECT_EQ(prompts.messages.size(), 2);
}

TEST_F(Commands, NewTellsHowManyCharactersHadToBeReplaced) {
    const QString text = folder.filePath("utf8.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Cicer\xC3\xB3n \xCE\xBB\xCE\xBC\n"); // two Greek letters
    file.close();
    prompts.fileAnswers = {text};
    commands.dispatch(command::New);
    EXPECT_EQ(state.document.row(1, 1).text(TextField::Text), QByteArray("Cicer\xF3n ??"));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, englishTexts().charactersReplaced + "2");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Warning);
}

TEST_F(Commands, TheGuideStartsOnTheFirstRowWithText) {
    makeDocument(2, 0);
    putRow(state.document, 2, 4, "first words");
    commands.dispatch(command::GuideReader);
    EXPECT_EQ(state.settings.position.guideOn, 3);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(state.settings.position.guideRow, 4);
    EXPECT_TRUE(view.isChecked(command::GuideReader));
    commands.dispatch(command::GuideReader);
    EXPECT_EQ(state.settings.position.guideOn, 0);
    EXPECT_FALSE(view.isChecked(command::GuideReader));

    makeDocument(1, 0);
    putRow(state.document, 1, 1, "");
    commands.dispatch(command::GuideReader);
    EXPECT_EQ(state.settings.position.guideOn, 0) << "no row to stop on: the guide stays off";
}

TEST_F(Commands, NewReportsAPictureThatCannotBeReadOnce) {
    const QString picture = folder.filePath("broken.png");
    QFile broken(picture);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();
    const QString text = folder.filePath("with-picture.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("before\r\n{@@pic," + picture.toLocal8Bit() + "}\r\nafter\r\n");
    file.close();
    prompts.fileAnswers = {text, text};
    commands.dispatch(command::New);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" + picture +
                  ">");
    EXPECT_EQ(prompts.messages[0].title, "Programador");
}

TEST_F(Commands, NewWithAFileThatCannotBeReadChangesNothing) {
    makeDocument(3);
    state.currentPage = 2;
    state.viewOffset = -100;
    const QImage surface = state.surfaces.page(2).copy();
    const QString locked = folder.filePath("locked.txt");
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("words\n");
    file.close();
    file.setPermissions(QFileDevice::WriteOwner);
    QStringList unreadable{folder.path()};                          // a folder
    if (!file.open(QIODevice::ReadOnly)) unreadable.append(locked); // not for root
    for (const QString& path : unreadable) {
        prompts.messages.clear();
        prompts.fileAnswers = {path};
        commands.dispatch(command::New);
        ASSERT_EQ(prompts.messages.size(), 1) << path.toStdString();
        EXPECT_EQ(prompts.messages[0].text, "The file could not be read: " + path);
        EXPECT_EQ(prompts.messages[0].title, "Programmer");
        EXPECT_EQ(state.document.pageCount, 3);
        EXPECT_EQ(list(1, TextField::Text), "Row text of the document, plain words.");
        EXPECT_EQ(state.currentPage, 2);
        EXPECT_EQ(state.viewOffset, -100);
        EXPECT_EQ(state.surfaces.page(2), surface);
        EXPECT_FALSE(QFile::exists(cachePath())) << "no snapshot";
        EXPECT_EQ(view.busyStarts, 0);
        EXPECT_FALSE(state.dialogBusy);
    }
}

TEST_F(Commands, UpdateGuideOffAndUndoDrawOnlyTheShownPage) {
    makeDocument(50);
    state.currentPage = 7;
    commands.dispatch(command::Update);
    EXPECT_EQ(state.surfaces.heldCount(), 1);
    EXPECT_TRUE(state.surfaces.isHeld(7));

    commands.dispatch(command::GuideReader);
    commands.dispatch(command::GuideReader);
    EXPECT_EQ(state.surfaces.heldCount(), 1);

    tick({3});
    commands.dispatch(command::AlignRowsCentre);
    commands.dispatch(command::TickControl);
    commands.dispatch(command::Undo);
    EXPECT_EQ(state.surfaces.heldCount(), 1);
    EXPECT_TRUE(state.surfaces.isHeld(7));
    EXPECT_EQ(state.currentPage, 7);
}

TEST_F(Commands, RemoveMarksTakesOffTheRangeTheCellOrTheTickedRowsAsOneChange) {
    makeDocument(2);
    selectRange(12, 30, 42);
    commands.dispatch(command::UnderlinePieceHorizontal);
    selectRange(12, 35, 38);
    commands.dispatch(command::UnderlinePieceBold);
    EXPECT_TRUE(view.isEnabled(command::RemoveMarks)) << "at rest";
    selectRange(12, 36, 36);
    EXPECT_TRUE(menuStates(state, mode())[command::RemoveMarks].enabled) << "with a range";
    commands.dispatch(command::RemoveMarks);
    EXPECT_EQ(list(12, TextField::HorizontalMarks) + list(12, TextField::BoldMarks), "");
    EXPECT_EQ(row(12).hasMarks, 0);
    EXPECT_EQ(mode().state(), InteractionState::Idle);
    EXPECT_EQ(interaction.description(), "Marks removed: 2");

    commands.dispatch(command::Undo);
    EXPECT_EQ(list(12, TextField::HorizontalMarks), "12,29,42;") << "both back in one step";
    EXPECT_EQ(list(12, TextField::BoldMarks), "12,35,38;");
    EXPECT_EQ(interaction.description(), "Undone on page 1, row 12");

    // The keyboard's caret on a cell of the bold piece.
    ASSERT_TRUE(interaction.markingKeyPressed(Qt::Key_Down, true, false));
    const std::optional<GridCell> caret = interaction.caret();
    ASSERT_TRUE(caret);
    selectRange(caret->row, caret->column, caret->column + 1);
    commands.dispatch(command::UnderlinePieceBold);
    commands.dispatch(command::RemoveMarks);
    EXPECT_EQ(list(caret->row, TextField::BoldMarks), "");

    tick({5});
    commands.dispatch(command::UnderlineFullHorizontal);
    EXPECT_TRUE(view.isEnabled(command::RemoveMarks)) << "in tick mode";
    tick({5});
    commands.dispatch(command::RemoveMarks);
    EXPECT_EQ(list(5, TextField::HorizontalMarks), "");
    EXPECT_TRUE(mode().is(InteractionState::Ticking));
    EXPECT_EQ(mode().tickedCount(), 0);
}

TEST_F(Commands, UndoAndRedoShowThePageTheyChangeAtTheSameOffset) {
    makeDocument(3);
    selectRange(12, 30, 42);
    commands.dispatch(command::UnderlinePieceBold);
    prompts.answers = {"3"};
    commands.dispatch(command::GoTo);
    state.viewOffset = -200;
    commands.dispatch(command::Undo);
    EXPECT_EQ(state.currentPage, 1);
    EXPECT_EQ(view.caption, "Page 1 of 3");
    EXPECT_EQ(state.viewOffset, -200);
    EXPECT_EQ(list(12, TextField::BoldMarks), "");
    EXPECT_TRUE(view.isEnabled(command::Redo));

    commands.dispatch(command::Redo);
    EXPECT_EQ(list(12, TextField::BoldMarks), "12,30,42;");
    selectRange(13, 30, 42);
    commands.dispatch(command::UnderlinePieceBold);
    commands.dispatch(command::Undo);
    commands.dispatch(command::Undo);
    EXPECT_EQ(list(12, TextField::BoldMarks), "");
    EXPECT_EQ(cacheBytes(), [&] {
        saveCache(state.document, folder.filePath("shown"));
        QFile shown(folder.filePath("shown"));
        return shown.open(QIODevice::ReadOnly) ? shown.readAll() : QByteArray();
    }()) << "after two Undos the file holds the document shown";
    selectRange(14, 30, 42);
    commands.dispatch(command::UnderlinePieceBold);
    waitForSnapshot(state, view, prompts);
    EXPECT_FALSE(menuStates(state, mode())[command::Redo].enabled)
        << "a new change drops what could be redone";
    EXPECT_TRUE(menuStates(state, mode())[command::Undo].enabled);
}
