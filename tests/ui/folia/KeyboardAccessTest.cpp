#include "common/ProgramFolder.h"
#include "document/CacheFile.h"
#include "folia/ConfiguratorDialog.h"
#include "folia/ExportPagesDialog.h"
#include "folia/FavouritesWindow.h"
#include "folia/FindBar.h"
#include "folia/MainWindow.h"
#include "folia/PageViewWidget.h"
#include "folia/PrintConfigurationDialog.h"
#include "output/PageChoiceForm.h"
#include "output/PrintConfigurationForm.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/CommandIds.h"
#include "support/AccessibleTree.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

// The main window with a two-page document of the last run, shown and active, used
// from the keyboard alone: keys go to whichever control has the focus.
class KeyboardAccess : public ::testing::Test {
protected:
    explicit KeyboardAccess(const TextSet& texts = englishTexts()) : state(texts) {
        setProgramFolder(folder.path());
        for (int page = 1; page <= 2; ++page)
            for (int row = 1; row <= 20; ++row)
                putRow(state.document, page, row, "Words to study, row by row.");
        saveCache(state.document, cachePath());
        state.document.clear();
    }
    ~KeyboardAccess() override { setProgramFolder(QString()); }

    MainWindow& open() {
        window = std::make_unique<MainWindow>(state, &prompts);
        window->initialise();
        window->commands().setPause([](int) {});
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        prompts.messages.clear();
        return *window;
    }
    // A key as the user types it: to the control with the focus, shortcuts first.
    static void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers);
    }
    bool pageDownScrolls() {
        state.viewOffset = 0;
        type(Qt::Key_PageDown);
        return state.viewOffset == -100;
    }
    void choose(int id) { window->action(id)->trigger(); }

    QTemporaryDir folder;
    AppState state;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;
};

TEST_F(KeyboardAccess, TheFocusComesBackToThePageAfterTheBusyAnimation) {
    MainWindow& w = open();
    w.pageView().setFocus();
    ASSERT_TRUE(pageDownScrolls());

    choose(command::TickControl);
    choose(command::UnderlineFullHorizontal); // a snapshot under the busy animation
    EXPECT_EQ(QApplication::focusWidget(), &w.pageView());
    EXPECT_TRUE(pageDownScrolls()) << "after a mark command";
    choose(command::TickControl);

    choose(command::Update);
    EXPECT_TRUE(pageDownScrolls()) << "after Update";
    choose(command::Undo);
    EXPECT_TRUE(pageDownScrolls()) << "after Undo";

    const QString text = folder.filePath("text.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("one line\r\n");
    file.close();
    prompts.fileAnswers = {text};
    choose(command::New);
    EXPECT_EQ(state.document.pageCount, 1);
    EXPECT_TRUE(pageDownScrolls()) << "after New";
}

TEST_F(KeyboardAccess, ShortcutsRunTheirItemsOnlyWhenEnabled) {
    MainWindow& w = open();
    const std::map<int, QString> shortcuts{{command::New, "Ctrl+N"},
                                           {command::Undo, "Ctrl+Z"},
                                           {command::RemoveMarks, "Del"},
                                           {command::GoTo, "Ctrl+G"},
                                           {command::Exit, "Ctrl+Q"}};
    for (const auto& [id, keys] : shortcuts)
        EXPECT_EQ(w.action(id)->shortcut().toString(QKeySequence::PortableText), keys) << id;
    EXPECT_EQ(w.action(command::Redo)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));

    prompts.answers = {"2"};
    type(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_EQ(w.windowTitle(), "Page 2 of 2");

    choose(command::TickControl); // greys Go to and Undo
    type(Qt::Key_G, Qt::ControlModifier);
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(prompts.inputs.size(), 1);
    EXPECT_FALSE(w.action(command::Undo)->isEnabled());
    choose(command::AlignRowsCentre); // a change, though nothing is ticked
    choose(command::TickControl);

    QElapsedTimer waited; // "Undo" is offered once the snapshot is on disk
    waited.start();
    while (!w.action(command::Undo)->isEnabled() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    type(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(w.action(command::Undo)->isEnabled()) << "Undo ran";
    type(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(w.action(command::Redo)->isEnabled()) << "Redo ran";
    type(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(prompts.dialogs.size(), 1) << "New asks for a file";
    type(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible()) << "Exit";
}

TEST_F(KeyboardAccess, AltLettersAndF10OpenTheMenus) {
    MainWindow& w = open();
    EXPECT_EQ(menuKeyClashes(w.menuBar()), QStringList());
    type(Qt::Key_U, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&Underlines");
    type(Qt::Key_C); // "Control to choose underline (switch)"
    EXPECT_TRUE(w.action(command::UnderlineVertical)->isEnabled()) << "tick mode";
    EXPECT_FALSE(w.action(command::Update)->isEnabled());

    type(Qt::Key_F10);
    popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&Files");
    type(Qt::Key_Escape);
    type(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardAccess, EveryControlHasANameAndTheWindowIsNamedByItsCaption) {
    MainWindow& w = open();
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&w);
    EXPECT_EQ(frame->text(QAccessible::Name), "Page 1 of 2");
    EXPECT_EQ(unnamedControls(&w).toStdString(), "");
    const QStringList names = accessibleNames(&w);
    EXPECT_TRUE(names.contains("Underline Piece Bold")) << "menu items say their plain text";
    EXPECT_TRUE(names.contains("Page view"));

    w.startBusyAnimation();
    EXPECT_EQ(unnamedControls(&w).toStdString(), "");
    EXPECT_TRUE(accessibleNames(&w).contains("Working, please wait"));
    w.stopBusyAnimation();
}

TEST_F(KeyboardAccess, TheWindowsOpenedFromTheMenusNameEveryControl) {
    MainWindow& w = open();
    ConfiguratorDialog configurator(state, prompts, &w);
    FavouritesWindow favourites(state, prompts, &w);
    PageChoiceForm choice(state.output, state.texts, 1, 2);
    ExportPagesDialog pages(choice, state.texts, &w);
    PrintConfigurationForm printing(state.settings.print, state.texts, QStringLiteral("queue"));
    PrintConfigurationDialog printer(printing, state.texts, &w);
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{&configurator, &favourites, &pages, &printer}) {
        dialog->show();
        EXPECT_EQ(unnamedControls(dialog).toStdString(), "") << dialog->metaObject()->className();
        dialog->hide();
    }
}

TEST_F(KeyboardAccess, AHitFoundFromTheFindBarIsLitThenMarked) {
    MainWindow& w = open();
    auto* bar = w.findChild<FindBar*>();
    const QLabel* counter = bar->findChild<QLabel*>();
    type(Qt::Key_F, Qt::ControlModifier);
    auto* text = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(bar->isVisible());
    QTest::keyClicks(text, "ROW");
    EXPECT_EQ(counter->text(), "1 of 80"); // twice a row, 20 rows, 2 pages
    type(Qt::Key_Return);
    type(Qt::Key_Return);
    type(Qt::Key_F3, Qt::ShiftModifier);
    type(Qt::Key_F3);
    EXPECT_EQ(counter->text(), "3 of 80");
    EXPECT_EQ(text->accessibleDescription(), "Row 2: Words to study, row by row.");

    // Lit over the page shown, the current hit stronger; never on the page itself.
    const QImage shown = w.pageView().grab().toImage();
    auto cellCorner = [](int column, int row) { return QPoint(8 * (column - 1), 16 * (row - 1)); };
    const QColor current = shown.pixelColor(cellCorner(20, 2));
    const QColor other = shown.pixelColor(cellCorner(20, 3));
    EXPECT_EQ(shown.pixelColor(cellCorner(18, 2)), QColor(Qt::white));
    EXPECT_NE(other, QColor(Qt::white));
    EXPECT_LT(current.green(), other.green());
    EXPECT_EQ(state.surfaces.page(1).pixelColor(cellCorner(20, 2)), QColor(Qt::white));

    type(Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &w.pageView());
    EXPECT_EQ(w.pageView().grab().toImage().pixelColor(cellCorner(20, 3)), QColor(Qt::white));
    choose(command::UnderlinePieceBold);
    EXPECT_EQ(state.document.row(1, 2).text(TextField::BoldMarks), QByteArray("2,20,22;"));

    // Round from the first hit to the last, which turns the page.
    type(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(counter->text(), "1 of 80");
    type(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(counter->text(), "80 of 80");
    EXPECT_EQ(w.windowTitle(), "Page 2 of 2");
    type(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(bar->isVisible());
}

class SpanishKeyboardAccess : public KeyboardAccess {
protected:
    SpanishKeyboardAccess() : KeyboardAccess(spanishTexts()) {}
};

TEST_F(SpanishKeyboardAccess, MenusAndNamesInSpanish) {
    MainWindow& w = open();
    EXPECT_EQ(menuKeyClashes(w.menuBar()), QStringList());
    EXPECT_EQ(unnamedControls(&w).toStdString(), "");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&w)->text(QAccessible::Name), "Página 1 de 2");
    EXPECT_TRUE(accessibleNames(&w).contains("Subrayar Trozo Negrita"));
}

} // namespace
