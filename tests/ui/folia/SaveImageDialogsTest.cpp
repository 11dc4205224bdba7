#include "folia/ExportPagesDialog.h"
#include "folia/PrintConfigurationDialog.h"
#include "output/PageChoiceForm.h"
#include "output/PrintConfigurationForm.h"
#include "settings/Settings.h"
#include "support/AccessibleTree.h"
#include "text/TextSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace folia;

namespace {

template <typename W> W* named(QWidget& dialog, const QString& text) {
    for (W* widget : dialog.findChildren<W*>()) {
        if constexpr (std::is_base_of_v<QAbstractButton, W>) {
            if (widget->text() == text) return widget;
        } else if (widget->accessibleName() == text) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

TEST(ExportPagesDialog, DrivesTheFormAndClosingCancels) {
    OutputState state;
    PageChoiceForm form(state, englishTexts(), 4, 9);
    ExportPagesDialog dialog(form, englishTexts(), nullptr);
    auto* from = named<QLineEdit>(dialog, "First page of the range");
    auto* to = named<QLineEdit>(dialog, "Last page of the range");
    auto* folder = named<QLineEdit>(dialog, "Enter a folder name");
    ASSERT_TRUE(from && to && folder);
    ASSERT_TRUE(named<QRadioButton>(dialog, "Single page (actual page 4)"));
    EXPECT_TRUE(named<QRadioButton>(dialog, "Single page (actual page 4)")->isChecked());
    EXPECT_FALSE(from->isEnabled());

    named<QRadioButton>(dialog, "A range of pages")->click();
    EXPECT_TRUE(from->isEnabled());
    QTest::keyClicks(from, "2a");
    EXPECT_EQ(from->text(), "2"); // digits only
    QTest::keyClicks(to, "5");
    named<QPushButton>(dialog, "Save")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "no folder name: the dialog stays";
    QTest::keyClicks(folder, "Scans");
    named<QPushButton>(dialog, "Save")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.pageChoice, ChoiceRange);
    EXPECT_EQ(state.rangeTo, 5);

    PageChoiceForm again(state, englishTexts(), 4, 9);
    ExportPagesDialog closing(again, englishTexts(), nullptr);
    EXPECT_TRUE(named<QLineEdit>(closing, "Enter a folder name")->text().isEmpty());
    closing.show();
    closing.close();
    EXPECT_EQ(state.pageChoice, ChoiceCancelled);
}

TEST(ExportPagesDialog, FollowsAChoiceMadeWithoutAClick) {
    OutputState state;
    PageChoiceForm form(state, englishTexts(), 4, 9);
    ExportPagesDialog dialog(form, englishTexts(), nullptr);
    auto* from = named<QLineEdit>(dialog, "First page of the range");
    ASSERT_TRUE(test::doAccessibleAction(named<QRadioButton>(dialog, "A range of pages"),
                                         QAccessibleActionInterface::toggleAction()));
    EXPECT_TRUE(from->isEnabled());
    named<QRadioButton>(dialog, "All pages (Full)")->toggle();
    EXPECT_FALSE(from->isEnabled());
    QTest::keyClicks(named<QLineEdit>(dialog, "Enter a folder name"), "Scans");
    named<QPushButton>(dialog, "Save")->click();
    EXPECT_EQ(state.pageChoice, ChoiceAll);
}

TEST(PrintConfigurationDialog, ContinueStoresTheSelectedEntries) {
    PrintSettings settings;
    PrintConfigurationForm form(settings, englishTexts(), "Office");
    PrintConfigurationDialog dialog(form, englishTexts(), nullptr);
    auto* copies = named<QComboBox>(dialog, "Number of copies");
    ASSERT_TRUE(copies);
    EXPECT_EQ(copies->currentText(), "01 copy");
    copies->setCurrentIndex(2);
    named<QPushButton>(dialog, "Continue")->click();
    EXPECT_EQ(settings.copies, 3);
}
