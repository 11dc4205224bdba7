#include "folia/MainWindow.h"
#include "common/ProgramFolder.h"
#include "document/CacheFile.h"
#include "folia/FoliaApp.h"
#include "folia/MarksPanel.h"
#include "folia/PageViewWidget.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/CommandIds.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { setProgramFolder(folder.path()); }
    ~MainWindowTest() override { setProgramFolder(QString()); }

    QColor swatchColour(MainWindow& window, int id) {
        return window.action(id)->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
    }

    QTemporaryDir folder;
    AppState state{englishTexts()};
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(MainWindowTest, StartsEmptyWithoutACache) {
    state.settings.colours.link = 0x0000FF00;
    state.settings.colours.horizontal = 0x00FF0000; // blue
    MainWindow window(state, &prompts);
    window.initialise();
    EXPECT_EQ(window.windowTitle(), "");
    EXPECT_EQ(window.accessibleName(), "FOLIA ENGLISH") << "named while the caption is empty";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window.centralWidget()->size(), QSize(804, 985));
    EXPECT_EQ(window.pageView().geometry(), QRect(5, 5, 794, 955));
    for (int id : {command::New, command::Author, command::Exit, command::SetUp,
                   command::FavouriteColours, command::HorizontalColour, command::GuideReader})
        EXPECT_TRUE(window.action(id)->isEnabled()) << id;
    for (int id : {command::SaveImage, command::Update, command::Undo, command::GoTo,
                   command::TickControl, command::AlignRowsRight, command::UnderlinePieceBold})
        EXPECT_FALSE(window.action(id)->isEnabled()) << id;
    EXPECT_EQ(swatchColour(window, command::LinkColour), QColor(255, 0, 0));
    EXPECT_EQ(swatchColour(window, command::HorizontalColour), QColor(0, 0, 255));
    EXPECT_EQ(swatchColour(window, command::SelectorColour), QColor(51, 153, 255));
    EXPECT_FALSE(QDir(folder.path()).exists("color.bmp"));
}

TEST_F(MainWindowTest, ReopensTheDocumentOfTheLastRun) {
    for (int page = 1; page <= 7; ++page)
        putRow(state.document, page, 1, "Some text");
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    state.document.clear();
    state.settings.position.page = 2;
    MainWindow window(state, &prompts);
    window.initialise();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Let's read your cache, Wait ...");
    EXPECT_EQ(window.windowTitle(), "Page 2 of 7");
    EXPECT_EQ(window.accessibleName(), "Page 2 of 7");
    EXPECT_TRUE(window.action(command::SaveImage)->isEnabled());
    EXPECT_FALSE(window.action(command::Undo)->isEnabled()) << "nothing done yet";
    EXPECT_FALSE(window.action(command::UnderlinePieceBold)->isEnabled());
}

TEST_F(MainWindowTest, MenuStatesFollowEveryCommandAndTheGuideItemIsChecked) {
    state.settings.position.guideOn = 3;
    MainWindow window(state, &prompts);
    window.initialise();
    EXPECT_TRUE(window.action(command::GuideReader)->isChecked());
    window.action(command::HorizontalColour)->trigger(); // recolours its swatch in place
    EXPECT_TRUE(window.action(command::GuideReader)->isChecked());
    EXPECT_FALSE(window.action(command::Update)->isEnabled());
    window.action(command::GuideReader)->trigger(); // turning it off needs no document
    EXPECT_FALSE(window.action(command::GuideReader)->isChecked());
}

TEST_F(MainWindowTest, ClosingTheWindowRunsTheExitSequence) {
    putRow(state.document, 1, 1, "Kept on close");
    state.documentPresent = true;
    {
        MainWindow window(state, &prompts);
        window.show();
        window.close();
    }
    Document again;
    ASSERT_TRUE(loadCache(again, cachePath()));
    EXPECT_EQ(again.row(1, 1).text(TextField::Text), QByteArray("Kept on close"));
    EXPECT_TRUE(QFile::exists(folder.filePath("Configuracion.ini")));
}

TEST_F(MainWindowTest, AClosingThatExitRefusedKeepsTheWindowAndTheDocument) {
    putRow(state.document, 1, 1, "Not yet on disk");
    state.documentPresent = true;
    ASSERT_TRUE(QDir(folder.path()).mkdir("cache.04")); // the document cannot be written
    MainWindow window(state, &prompts);
    window.show();
    prompts.questionAnswers = {MessageAnswer::No};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(state.document.row(1, 1).text(TextField::Text), QByteArray("Not yet on disk"));
    prompts.questionAnswers = {MessageAnswer::No};
    EXPECT_FALSE(window.close()) << "asked again, refused again";
    prompts.questionAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(prompts.messages.size(), 3);
}

TEST_F(MainWindowTest, TheBusyPictureComesAndGoes) {
    MainWindow window(state, &prompts);
    window.startBusyAnimation();
    const auto pictures =
        window.centralWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0]->pos(), QPoint(133, 385));
    EXPECT_EQ(pictures[0]->pixmap().size(), QSize(536, 224));
    window.stopBusyAnimation();
    EXPECT_EQ(
        window.centralWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(),
        0);
}

namespace {

// A window showing a one-page document, driven with the mouse and its menu actions.
class MarkingByHand : public MainWindowTest {
protected:
    MarkingByHand() {
        for (int row = 1; row <= 20; ++row)
            putRow(state.document, 1, row, "Words to study, row by row.");
        saveCache(state.document, cachePath()); // reopened as the last run's document
        window.initialise();
        window.commands().setPause([](int) {});
        window.show();
    }
    QWidget* page() { return &window.pageView(); }
    static QPoint cell(int column, int row) { return {8 * (column - 1) + 4, 16 * (row - 1) + 8}; }
    void tickRow(int row) {
        QTest::mouseClick(page(), Qt::LeftButton, Qt::NoModifier, {9, 16 * (row - 1) + 9});
    }
    void choose(int id) { window.action(id)->trigger(); }
    QByteArray list(int row, TextField field) { return state.document.row(1, row).text(field); }

    MainWindow window{state, &prompts};
};

} // namespace

TEST_F(MarkingByHand, TwoTickedRowsMakeABracket) {
    choose(command::TickControl);
    tickRow(5);
    tickRow(9);
    choose(command::UnderlineVertical);
    EXPECT_EQ(list(5, TextField::VerticalMarks), QByteArray("5,9;"));
    prompts.messages.clear();

    const QByteArray cacheBefore = [] {
        QFile f(cachePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    tickRow(2);
    tickRow(3);
    tickRow(4);
    choose(command::UnderlineVertical);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "You have not selected 2 lines only ...");
    QFile after(cachePath());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), cacheBefore) << "no snapshot without exactly two rows";
}

TEST_F(MarkingByHand, ADraggedRangeBecomesABoldPieceThatUndoTakesBack) {
    QTest::mousePress(page(), Qt::LeftButton, Qt::NoModifier, cell(30, 12));
    QTest::mouseMove(page(), cell(36, 12));
    QTest::mouseRelease(page(), Qt::LeftButton, Qt::NoModifier, cell(42, 12));
    EXPECT_TRUE(window.action(command::UnderlinePieceBold)->isEnabled());
    choose(command::UnderlinePieceBold);
    EXPECT_EQ(list(12, TextField::BoldMarks), QByteArray("12,30,42;"));
    EXPECT_FALSE(window.action(command::UnderlinePieceBold)->isEnabled());

    // "Undo" comes back once the snapshot is on disk.
    QElapsedTimer waited;
    waited.start();
    while (!window.action(command::Undo)->isEnabled() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    choose(command::Undo);
    EXPECT_EQ(list(12, TextField::BoldMarks), QByteArray());
    EXPECT_FALSE(window.action(command::Undo)->isEnabled());
    EXPECT_TRUE(window.action(command::Redo)->isEnabled());
}

TEST_F(MainWindowTest, AClosingWindowWaitsForTheWorkInHand) {
    putRow(state.document, 1, 1, "Saved once");
    state.documentPresent = true;
    MainWindow window(state, &prompts);
    window.show();
    window.startBusyAnimation();
    window.close();
    EXPECT_TRUE(window.isVisible()) << "no Exit in the middle of a save";
    EXPECT_FALSE(QFile::exists(cachePath()));
    window.stopBusyAnimation();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QFile::exists(cachePath()));
}

TEST_F(MainWindowTest, ExitWhileTheStartUpMessageIsShownEndsTheProgram) {
    putRow(state.document, 1, 1, "From the last run");
    ASSERT_TRUE(saveCache(state.document, cachePath()));
    state.document.clear();
    MainWindow window(state); // Qt's own message boxes, each with its own event loop
    bool exitChosen = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || exitChosen) return;
        EXPECT_EQ(box->text(), "Let's read your cache, Wait ...");
        exitChosen = true;
        window.action(command::Exit)->trigger();
    });
    user.start(20);
    QTimer hang; // fails the test rather than hanging it, in whichever loop runs then
    QObject::connect(&hang, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    hang.start(20000);

    EXPECT_EQ(runMainWindow(window), 0);
    EXPECT_TRUE(exitChosen);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(state.documentPresent) << "the start-up stopped at the Exit";
    EXPECT_FALSE(QFile::exists(folder.filePath("Configuracion.ini")));
}

TEST_F(MarkingByHand, TheMarksListBesideThePageFollowsChangesAndJumpsToAMark) {
    const QSize pageSize = window.pageView().size();
    const int width = window.width();
    choose(command::MarksList);
    MarksPanel& panel = window.marksPanel();
    EXPECT_FALSE(panel.isHidden());
    EXPECT_TRUE(window.action(command::MarksList)->isChecked());
    EXPECT_GT(window.width(), width);
    EXPECT_EQ(window.pageView().size(), pageSize) << "the page keeps its size";
    EXPECT_EQ(panel.list().accessibleName(), "Marks list");
    EXPECT_EQ(panel.list().accessibleDescription(),
              "Enter shows a mark on its page; Delete removes it.");
    EXPECT_EQ(panel.model().rowCount(), 0);

    QTest::mousePress(page(), Qt::LeftButton, Qt::NoModifier, cell(30, 12));
    QTest::mouseRelease(page(), Qt::LeftButton, Qt::NoModifier, cell(42, 12));
    choose(command::UnderlinePieceBold);
    ASSERT_EQ(panel.model().rowCount(), 1);
    const QModelIndex bold = panel.model().index(0, 0, panel.model().index(0, 0));
    EXPECT_EQ(bold.data().toString(), "bold");
    EXPECT_FALSE(window.action(command::UnderlinePieceBold)->isEnabled());

    // Enter on the entry selects its characters again.
    panel.list().setCurrentIndex(bold);
    panel.list().setFocus();
    QTest::keyClick(&panel.list(), Qt::Key_Return);
    EXPECT_TRUE(window.action(command::UnderlinePieceBold)->isEnabled());
    QTest::keyClick(page(), Qt::Key_Escape);

    const auto undo = [&] {
        QElapsedTimer waited;
        waited.start();
        while (!window.action(command::Undo)->isEnabled() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        choose(command::Undo);
    };
    // Delete in the list takes the mark, not the window's "Remove marks", and the keys go
    // on from the next mark; Undo brings it back.
    QTest::mousePress(page(), Qt::LeftButton, Qt::NoModifier, cell(30, 20));
    QTest::mouseRelease(page(), Qt::LeftButton, Qt::NoModifier, cell(42, 20));
    choose(command::UnderlinePieceHorizontal);
    panel.list().setCurrentIndex(panel.model().index(0, 0, panel.model().index(0, 0)));
    panel.list().setFocus();
    QTest::keyClick(&panel.list(), Qt::Key_Delete);
    ASSERT_EQ(panel.model().rowCount(panel.model().index(0, 0)), 1);
    EXPECT_TRUE(panel.list().hasFocus());
    ASSERT_NE(panel.model().markAt(panel.list().currentIndex()), nullptr);
    EXPECT_EQ(panel.model().markAt(panel.list().currentIndex())->kind, MarkKind::Underline);
    undo();
    EXPECT_EQ(panel.model().rowCount(panel.model().index(0, 0)), 2) << "one step brings it back";
    undo();
    undo();
    EXPECT_EQ(panel.model().rowCount(), 0) << "undo takes the entries away";
    choose(command::MarksList);
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(window.width(), width);
}
