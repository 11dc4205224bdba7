#include "InteractionFakes.h"
#include "marks/MarkEntryBuilders.h"
#include "shell/PageActions.h"
#include "shell/PageInteraction.h"
#include "shell/PageRenderer.h"

#include <Qt>
#include <gtest/gtest.h>

namespace folia {
namespace {

using test::makeDocument;
using test::putRow;

constexpr int kPages = PageSurfaces::kHeldPages + 4;

// A document longer than the surfaces held, every page marked differently.
class PagesOnDemandTest : public ::testing::Test {
protected:
    PagesOnDemandTest() : state(englishTexts()), interaction(state, view, prompts) {
        makeDocument(state, kPages);
        int32_t serial = 0;
        for (int page = 1; page <= kPages; ++page) {
            for (int row = 1; row <= 30; ++row) {
                LineRecord& record =
                    putRow(state, page, row, "Page " + QByteArray::number(page) + " \\$2 text");
                addBoldPiece(record, row, 4, 8);
                addTwoColourPiece(record, row, 10, 12, 65535, 255);
                addPageLink(record, serial, row, 14, 16, "2");
            }
            addBracket(state.document.editRow(page, 3), 3, 9);
        }
    }
    QImage shownPage() {
        refreshView(state, view);
        return view.lastView;
    }
    void turn(int key, int times) {
        for (int i = 0; i < times; ++i)
            interaction.keyPressed(key);
    }

    AppState state;
    test::RecordingView view;
    test::ScriptedPrompts prompts;
    PageInteraction interaction;
};

TEST_F(PagesOnDemandTest, APageDroppedAndShownAgainLooksTheSame) {
    const QImage first = shownPage();
    EXPECT_EQ(first.pixel(73, 17), qRgb(255, 255, 0)) << "the page is drawn when shown";

    turn(Qt::Key_Right, kPages - 1);
    EXPECT_FALSE(state.surfaces.isHeld(1));
    EXPECT_LE(state.surfaces.heldCount(), PageSurfaces::kHeldPages);
    turn(Qt::Key_Left, kPages - 1);
    EXPECT_EQ(view.lastView, first);

    // With the guide bar on it, its random outline included.
    state.settings.position.guideOn = PositionSettings::kGuideShown;
    state.settings.position.guideRow = 5;
    redrawPage(state, prompts);
    const QImage guided = shownPage();
    EXPECT_NE(guided, first);
    for (int page = 2; page <= kPages; ++page)
        state.surfaces.page(page);
    ASSERT_FALSE(state.surfaces.isHeld(1));
    EXPECT_EQ(shownPage(), guided);
}

TEST_F(PagesOnDemandTest, StalePagesAreDrawnInTheColoursOfTheMomentTheyAreShown) {
    shownPage();
    state.surfaces.markAllStale(guideLook(state, false), true);
    state.settings.colours.vertical = 255; // the bracket turns red
    EXPECT_EQ(shownPage().pixel(20, 60), qRgb(255, 0, 0));
    state.currentPage = 4;
    EXPECT_EQ(shownPage().pixel(20, 60), qRgb(255, 0, 0));
    EXPECT_EQ(state.surfaces.heldCount(), 2);
}

} // namespace
} // namespace folia
