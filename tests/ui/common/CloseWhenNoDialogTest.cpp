#include "common/CloseWhenNoDialog.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace folia {
namespace {

TEST(CloseWhenNoDialog, ClosesAnOpenDialogBeforeTheWindow) {
    QWidget window;
    window.show();
    QMessageBox question(QMessageBox::Question, "Title", "Save?",
                         QMessageBox::Yes | QMessageBox::No, &window);
    bool windowClosedDuringDialog = true;
    QTimer::singleShot(0, &window, [&] { closeWhenNoDialog(window); });
    const int answer = question.exec();
    windowClosedDuringDialog = window.isHidden();

    EXPECT_EQ(answer, QMessageBox::No) << "closed as Escape closes it";
    EXPECT_FALSE(windowClosedDuringDialog);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isHidden(); }, 5000));
}

TEST(CloseWhenNoDialog, ClosesAnIdleWindowAtOnce) {
    QWidget window;
    window.show();
    closeWhenNoDialog(window);
    EXPECT_TRUE(window.isHidden());
}

} // namespace
} // namespace folia
