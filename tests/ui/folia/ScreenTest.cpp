#include "common/ProgramFolder.h"
#include "folia/MainWindow.h"
#include "folia/PageViewArea.h"
#include "folia/PageViewWidget.h"
#include "marks/MarkEntryBuilders.h"
#include "shell/AppState.h"
#include "shell/PageInteraction.h"
#include "shell/SaveImage.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// ctest runs these on offscreen screens of a laptop's and a desktop's size, and at the
// scale factors 1.25, 1.5 and 2.

namespace folia {
namespace {

using test::putRow;

void fillDocument(AppState& state) {
    state.document.clear();
    for (int row = 1; row <= 40; ++row)
        putRow(state.document, 1, row, "Reading is to the mind what exercise is to the body.");
    addBoldPiece(state.document.editRow(1, 3), 3, 10, 20);
    addHorizontalPiece(state.document.editRow(1, 5), 5, 8, 30);
    addBracket(state.document.editRow(1, 7), 7, 12);
    state.documentPresent = true;
    state.currentPage = 1;
    state.settings.imageFormat = FormatPng;
    state.settings.pageNumber.enabled = 1;
}

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() { setProgramFolder(folder.path()); }
    ~ScreenTest() override { setProgramFolder(QString()); }

    QByteArray exportedPage(AppState& from, MainView& view, const QString& folderName) {
        from.output.pageChoice = ChoiceCurrentPage;
        from.output.exportFolderName = folderName;
        exportChosenPages(from, view, prompts);
        QFile file(folder.path() + "/" + folderName + "/1.png");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    AppState state{englishTexts()};
    test::ScriptedPrompts prompts;
};

TEST_F(ScreenTest, TheWindowOpensAtFullSizeWhenTheScreenHasRoomElseAsLargeAsFits) {
    MainWindow window(state, &prompts);
    window.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    const int fullHeight = 985 + window.menuBar()->height();
    PageViewArea& client = *window.findChild<PageViewArea*>();
    if (available.height() >= fullHeight) {
        EXPECT_EQ(client.size(), QSize(804, 985));
        EXPECT_EQ(window.pageView().geometry(), QRect(5, 5, 794, 955));
        EXPECT_FALSE(client.verticalBar().isVisible());
    } else {
        EXPECT_EQ(window.frameGeometry().height(), available.height());
        EXPECT_EQ(window.pageView().width(), 794) << "the page keeps its full size";
        EXPECT_TRUE(client.verticalBar().isVisible());
    }
    EXPECT_DOUBLE_EQ(window.pageView().placement().scale(), 1.0);
}

TEST_F(ScreenTest, ThePageIsDrawnForTheScreenAndExportedAsBefore) {
    fillDocument(state);
    MainWindow window(state, &prompts);
    window.showOnScreen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window.pageView(), Qt::Key_Home); // shows the page
    const double ratio = window.devicePixelRatioF();
    const QImage& shown = state.surfaces.page(1);
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(shown.width(), int(std::ceil(794 * ratio)));
    if (ratio > 1) {
        // Not the full-size page enlarged: its glyphs were drawn at the larger size.
        AppState plain(englishTexts());
        fillDocument(plain);
        test::RecordingView plainView;
        const PageInteraction drawsPages(plain, plainView, prompts);
        const QImage& full = plain.surfaces.page(1);
        ASSERT_EQ(full.size(), QSize(794, 1122));
        EXPECT_NE(shown.convertToFormat(QImage::Format_RGB32),
                  full.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32));
    }

    AppState offScreen(englishTexts());
    fillDocument(offScreen);
    test::RecordingView noWindow;
    const QByteArray reference = exportedPage(offScreen, noWindow, "Reference");
    ASSERT_FALSE(reference.isEmpty());
    EXPECT_EQ(exportedPage(state, window, "Shown"), reference);
    EXPECT_EQ(QImage::fromData(reference).size(), QSize(794, 1122));
}

} // namespace
} // namespace folia
