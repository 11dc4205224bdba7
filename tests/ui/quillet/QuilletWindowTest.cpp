#include "quillet/QuilletWindow.h"
#include "editor/EditorCommandIds.h"
#include "editor/EditorCommands.h"
#include "editor/FakeEditor.h"
#include "quillet/FindReplaceDialog.h"
#include "quillet/QuilletTextBox.h"
#include "support/AccessibleTree.h"
#include "text/TextSet.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

QStringList statusTexts(QuilletWindow& window) {
    QStringList texts;
    for (QLabel* part : window.statusBar()->findChildren<QLabel*>())
        texts.append(part->text());
    return texts;
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(QuilletWindow, StartsWithTheRulerAndZeroCountsThenCountsEverySecond) {
    ScriptedPrompts prompts;
    QuilletWindow window(englishTexts(), &prompts);
    EXPECT_EQ(window.size(), QSize(788, 930));
    EXPECT_EQ(window.windowTitle(), "Editor for Trazza FOLIA ENGLISH");
    EXPECT_FALSE(window.windowIcon().isNull()) << "icon 200";
    EXPECT_EQ(window.text(), kRuler);
    EXPECT_EQ(statusTexts(window), QStringList({"0 lines", "0 pages"}));
    EXPECT_EQ(window.countTimer().interval(), 1000);
    EXPECT_TRUE(window.countTimer().isActive());
    window.refreshCounts();
    EXPECT_EQ(statusTexts(window), QStringList({"2 lines", "0 pages"}));
    EXPECT_EQ(window.textBox()->geometry(), QRect(5, 5, 778, 875));
}

TEST(QuilletWindow, MenusCarryTheCommandIdsAccessKeysAndShortcuts) {
    ScriptedPrompts prompts;
    QuilletWindow window(spanishTexts(), &prompts);
    QStringList items;
    for (QAction* menu : window.menuBar()->actions()) {
        items.append(menu->text());
        for (QAction* item : menu->menu()->actions()) {
            items.append(item->isSeparator()
                             ? QStringLiteral("-")
                             : item->text() + " " + item->data().toString() + " " +
                                   item->shortcut().toString(QKeySequence::PortableText));
        }
    }
    EXPECT_EQ(items, QStringList({"&Archivos", "&Nuevo 1010 ", "-", "&Leer texto plano 1002 Ctrl+O",
                                  "-", "&Grabar texto plano con formato 1003 Ctrl+S", "-",
                                  "Grabar texto plano s&in formato 1004 ", "-", "&Autor 1005 ", "-",
                                  "&Salir 1006 Ctrl+Q", "&Editar", "&Buscar 1007 Ctrl+F", "-",
                                  "&Reemplazar 1011 Ctrl+H"}));
}

TEST(QuilletWindow, TypingWrapsAndNewEmptiesTheBox) {
    ScriptedPrompts prompts;
    QuilletWindow window(englishTexts(), &prompts);
    window.show();
    window.runCommand(editorCommand::New);
    EXPECT_EQ(window.text(), "");
    QTest::keyClicks(window.textBox(), QString(100, u'x'));
    window.refreshCounts();
    EXPECT_EQ(statusTexts(window).first(), "2 lines");
}

TEST(FindReplaceBox, FindsReplacesAndKeepsItsFieldsBetweenOpenings) {
    ScriptedPrompts prompts;
    QuilletWindow window(englishTexts(), &prompts);
    window.show();
    window.setText("banana");
    window.runCommand(editorCommand::Find);
    FindReplaceDialog* dialog = window.findDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_FALSE(button(dialog, "Replace All")->isVisible());
    auto* findEdit = dialog->findChildren<QLineEdit*>().at(0);
    QTest::keyClicks(findEdit, "an");
    QTest::mouseClick(button(dialog, "Find Next"), Qt::LeftButton);
    EXPECT_EQ(window.selection(), std::make_pair(qsizetype(1), qsizetype(3)));

    // "Replace" while the box is open turns it into the replace box, fields kept.
    window.runCommand(editorCommand::Replace);
    EXPECT_EQ(window.findDialog(), dialog);
    EXPECT_TRUE(button(dialog, "Replace All")->isVisible());
    EXPECT_EQ(findEdit->text(), "an");
    auto* replaceEdit = dialog->findChildren<QLineEdit*>().at(1);
    QTest::keyClicks(replaceEdit, "AN");
    window.select(0, 0);
    QTest::mouseClick(button(dialog, "Replace All"), Qt::LeftButton);
    EXPECT_EQ(window.text(), "bANANa");

    QTest::mouseClick(button(dialog, "Cancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    window.runCommand(editorCommand::Find);
    EXPECT_EQ(findEdit->text(), "an");
    QTest::mouseClick(button(dialog, "Find Next"), Qt::LeftButton);
    ASSERT_FALSE(prompts.messages.isEmpty()) << "case differs: nothing after the caret";
    EXPECT_EQ(prompts.messages.back().text, "No matches found");
}

TEST(FindReplaceBox, EmptyFindTextDisablesTheButtons) {
    ScriptedPrompts prompts;
    QuilletWindow window(englishTexts(), &prompts);
    window.runCommand(editorCommand::Replace);
    EXPECT_FALSE(button(window.findDialog(), "Find Next")->isEnabled());
    EXPECT_FALSE(button(window.findDialog(), "Replace All")->isEnabled());
}

} // namespace

// A key as the user types it: to the control with the focus, shortcuts first.
static void type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers);
}

static void backToTheBox(QuilletWindow& window) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.textBox()->setFocus();
}

TEST(QuilletKeyboardAccess, ShortcutsAltLettersAndF10) {
    ScriptedPrompts prompts;
    QuilletWindow window(englishTexts(), &prompts);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(menuKeyClashes(window.menuBar()), QStringList());
    EXPECT_EQ(QApplication::focusWidget(), window.textBox());

    type(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.dialogs.size(), 1) << "Read plain text asks for a file";
    type(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window.findDialog() && window.findDialog()->isVisible());
    EXPECT_FALSE(window.findDialog()->replaceMode());
    type(Qt::Key_Escape);
    EXPECT_FALSE(window.findDialog()->isVisible());
    backToTheBox(window);
    type(Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(window.findDialog()->replaceMode());
    window.findDialog()->close();

    backToTheBox(window);
    type(Qt::Key_F10);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->title(), "&Files");
    type(Qt::Key_A); // "Author"
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.back().text.startsWith("I hope this little program"));

    type(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible()) << "Exit";
}

TEST(QuilletKeyboardAccess, ScreenReadersHearTheCountsAndNameEveryControl) {
    const std::vector<std::tuple<const TextSet*, QString, QString>> languages{
        {&englishTexts(), "2 lines", "0 pages"}, {&spanishTexts(), "2 líneas", "0 páginas"}};
    for (const auto& [texts, lines, pages] : languages) {
        ScriptedPrompts prompts;
        QuilletWindow window(*texts, &prompts);
        EXPECT_EQ(menuKeyClashes(window.menuBar()), QStringList());
        window.refreshCounts();
        const QStringList names = accessibleNames(&window);
        EXPECT_TRUE(names.contains(lines)) << names.join('|').toStdString();
        EXPECT_TRUE(names.contains(pages));
        EXPECT_EQ(unnamedControls(&window).toStdString(), "");
        for (int command : {editorCommand::Find, editorCommand::Replace}) {
            window.runCommand(command);
            EXPECT_EQ(unnamedControls(window.findDialog()).toStdString(), "") << command;
        }
    }
}
