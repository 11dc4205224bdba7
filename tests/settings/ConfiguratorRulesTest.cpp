#include "settings/ConfiguratorRules.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(ConfiguratorRules, SizeListsShowOnlyTheOfferedSizes) {
    EXPECT_EQ(fontSizeEntries(), QStringList({"09", "10", "11", "12"}));
    EXPECT_EQ(fontSizeEntry(9), 0);
    EXPECT_EQ(fontSizeEntry(11), 2);
    EXPECT_EQ(fontSizeEntry(12), 3);
    for (int16_t outside : {int16_t(0), int16_t(8), int16_t(13), int16_t(-10)})
        EXPECT_EQ(fontSizeEntry(outside), -1) << outside;
    EXPECT_EQ(fontSizeOfEntry(0, 11), 9);
    EXPECT_EQ(fontSizeOfEntry(3, 11), 12);
    EXPECT_EQ(fontSizeOfEntry(-1, 14), 14) << "no entry chosen keeps the stored size";
}

TEST(ConfiguratorRules, BlocksAreUsableOnlyWhileSwitchedOn) {
    Settings s;
    ConfiguratorEnabling e = configuratorEnabling(s);
    EXPECT_FALSE(e.footer1 || e.footer2 || e.pageNumber || e.romanCase);

    s.footer1.enabled = 1;
    s.footer2.enabled = 2; // only 1 switches a block on
    s.pageNumber.numeralSystem = 2;
    e = configuratorEnabling(s);
    EXPECT_TRUE(e.footer1);
    EXPECT_FALSE(e.footer2);
    EXPECT_FALSE(e.romanCase) << "Roman, but the page number is off";

    s.pageNumber.enabled = 1;
    EXPECT_TRUE(configuratorEnabling(s).pageNumber);
    EXPECT_TRUE(configuratorEnabling(s).romanCase);
    s.pageNumber.numeralSystem = 1;
    EXPECT_FALSE(configuratorEnabling(s).romanCase);
    EXPECT_EQ(s.pageNumber.romanCase, 1) << "Arabic keeps the case setting";
}

TEST(ConfiguratorRules, ExitTakesTextsCutToOneLineOf99AndTheListedSizes) {
    Settings s;
    s.pageNumber.fontSize = 15;
    ConfiguratorEntries entries;
    entries.footer1Text = QString(120, QLatin1Char('a'));
    entries.footer2Text = QStringLiteral("Chapter one\r\nsecond line\nthird");
    entries.footer1SizeEntry = 0;
    entries.footer2SizeEntry = 2;
    takeConfiguratorEntries(s, entries);
    EXPECT_EQ(s.footer1.text, QByteArray(99, 'a'));
    EXPECT_EQ(s.footer2.text, "Chapter one second line third");
    EXPECT_EQ(s.footer1.fontSize, 9);
    EXPECT_EQ(s.footer2.fontSize, 11);
    EXPECT_EQ(s.pageNumber.fontSize, 15);

    entries.footer1Text = QStringLiteral("Página ñ");
    takeConfiguratorEntries(s, entries);
    EXPECT_EQ(s.footer1.text, QByteArray("P\xE1gina \xF1")) << "kept in Windows-1252";
}

TEST(ConfiguratorRules, AFooterSwitchedOnNeedsAText) {
    Settings s;
    EXPECT_TRUE(footersComplete(s));
    s.footer2.enabled = 1;
    EXPECT_FALSE(footersComplete(s));
    s.footer2.text = "x";
    EXPECT_TRUE(footersComplete(s));
    s.footer1.enabled = 1;
    EXPECT_FALSE(footersComplete(s));
    s.footer1.enabled = 0;
    EXPECT_TRUE(footersComplete(s)) << "a switched-off footer may stay empty";
}
