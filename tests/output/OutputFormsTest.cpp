#include "output/PageChoiceForm.h"
#include "output/PrintConfigurationForm.h"
#include "settings/Settings.h"
#include "support/FakeOutput.h"
#include "support/ScriptedPrompts.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

TEST(PageChoiceForm, OpeningResetsThePrintRequestAndACancelledChoice) {
    OutputState state;
    state.pageChoice = ChoiceCancelled;
    state.printRequested = true;
    PageChoiceForm form(state, englishTexts(), 7, 12);
    EXPECT_EQ(form.choice(), ChoiceCurrentPage);
    EXPECT_FALSE(state.printRequested);
    EXPECT_EQ(form.singlePageText(), "Single page (actual page 7)");
    EXPECT_FALSE(form.rangeBoxesEnabled());
    form.choose(ChoiceRange);
    EXPECT_TRUE(form.rangeBoxesEnabled());

    state.pageChoice = ChoiceAll;
    PageChoiceForm again(state, spanishTexts(), 3, 12);
    EXPECT_EQ(again.choice(), ChoiceAll); // a choice stays for the next opening
    EXPECT_EQ(again.singlePageText(), "Una sola página (página actual 3)");
}

TEST(PageChoiceForm, SaveNeedsAFolderAndAValidRange) {
    OutputState state;
    PageChoiceForm form(state, englishTexts(), 1, 12);
    EXPECT_FALSE(form.save("", "", ""));
    EXPECT_TRUE(form.save("Scans", "", ""));
    EXPECT_EQ(state.exportFolderName, "Scans");

    form.choose(ChoiceRange);
    EXPECT_FALSE(form.save("Scans", "3", "3"));   // From must be less than To
    EXPECT_FALSE(form.save("Scans", "12", "12")); // starting at the last page
    EXPECT_FALSE(form.save("Scans", "0", "5"));
    EXPECT_FALSE(form.save("Scans", "2", "13"));
    EXPECT_FALSE(form.save("Scans", "x", "5")); // not a number gives 0
    EXPECT_FALSE(form.save("", "1", "12"));
    // A huge number saturates rather than wrapping into a valid page.
    EXPECT_FALSE(form.save("Scans", "1", "65548"));
    EXPECT_TRUE(form.save("Scans", "1", "12"));
    EXPECT_EQ(state.rangeFrom, 1);
    EXPECT_EQ(state.rangeTo, 12);
    EXPECT_FALSE(state.printRequested);
}

TEST(PageChoiceForm, PrintNeedsNoFolderAndOnlyTheLastButtonCounts) {
    OutputState state;
    PageChoiceForm form(state, englishTexts(), 1, 5);
    form.choose(ChoiceRange);
    EXPECT_FALSE(form.print("4", "2"));
    EXPECT_FALSE(state.printRequested);
    // A refused "Print" does not turn the next "Save" into printing.
    EXPECT_TRUE(form.save("Out", "2", "4"));
    EXPECT_FALSE(state.printRequested);
    EXPECT_TRUE(form.print("2", "4"));
    EXPECT_TRUE(state.printRequested);

    form.cancel();
    EXPECT_EQ(state.pageChoice, ChoiceCancelled);
    EXPECT_FALSE(state.printRequested);
}

TEST(PrintConfigurationForm, SelectsStoredValuesAndContinueParsesTheEntries) {
    PrintSettings settings{.copies = 10, .colourMode = 2, .quality = 4};
    PrintConfigurationForm form(settings, englishTexts(), "Office");
    EXPECT_EQ(form.copiesEntries().at(form.selectedCopies()), "10 copies");
    EXPECT_EQ(form.colourModeEntries().at(form.selectedColourMode()), "2 - Color");
    EXPECT_EQ(form.qualityEntries().at(form.selectedQuality()), "4 - High Resolution");
    EXPECT_EQ(form.printerName(), "Office");

    form.accept("03 copies", "1 - Monochrome", "2 - Low Resolution");
    EXPECT_EQ(settings.copies, 3);
    EXPECT_EQ(settings.colourMode, 1);
    EXPECT_EQ(settings.quality, 2);
    form.accept("10 copias", "2 - Color", "3 - Media Resolución");
    EXPECT_EQ(settings.copies, 10);
    EXPECT_EQ(settings.colourMode, 2);
    EXPECT_EQ(settings.quality, 3);
}

TEST(PrintConfigurationForm, UnmatchedValuesSelectNothingAndStayAsTheyWere) {
    PrintSettings settings{.copies = 7, .colourMode = 0, .quality = 9};
    PrintConfigurationForm form(settings, englishTexts(), "");
    EXPECT_EQ(form.selectedCopies(), -1);
    EXPECT_EQ(form.selectedColourMode(), -1);
    EXPECT_EQ(form.selectedQuality(), -1);
    form.accept("", "", "");
    EXPECT_EQ(settings.copies, 7);
    EXPECT_EQ(settings.colourMode, 0);
    EXPECT_EQ(settings.quality, 9);
}
