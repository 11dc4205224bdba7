#include "common/ProgramFolder.h"
#include "folia/ConfiguratorDialog.h"
#include "folia/FavouritesWindow.h"
#include "folia/MainWindow.h"
#include "settings/SettingsFile.h"
#include "shell/AppState.h"
#include "shell/CommandIds.h"
#include "support/AccessibleTree.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

class PersonalDialogs : public ::testing::Test {
protected:
    PersonalDialogs() { setProgramFolder(folder.path()); }
    ~PersonalDialogs() override { setProgramFolder(QString()); }

    template <typename T> static T* named(QWidget* parent, const QString& text) {
        for (T* widget : parent->findChildren<T*>())
            if (widget->text() == text) return widget;
        ADD_FAILURE() << "no control " << text.toStdString();
        return nullptr;
    }
    // A click on the button's indicator, where a user aims.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static FavouritesWindow* openFavourites() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<FavouritesWindow*>(widget);
                window && window->isVisible())
                return window;
        return nullptr;
    }
    // Runs `steps` once the dialog that `commandId` opens is on screen.
    void whileOpen(MainWindow& window, int commandId, std::function<void()> steps) {
        QTimer::singleShot(0, steps);
        window.action(commandId)->trigger();
    }

    QTemporaryDir folder;
    AppState state{englishTexts()};
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(PersonalDialogs, TheConfiguratorShowsTheStoredChoicesAndWhatMayBeUsed) {
    state.settings.imageFormat = 0; // matches no option
    state.settings.tickShape = 7;   // anything but 1 is square
    state.settings.footer1 = {1, AlignCentre, 11, 1, 0, 1, "Chapter"};
    state.settings.footer2.alignment = 134; // no option for it
    state.settings.footer2.fontSize = 14;
    state.settings.pageNumber = {1, AlignLeft, 9, 0, 2, 2};
    ConfiguratorDialog dialog(state, prompts, nullptr);

    for (const char* format : {".png", ".jpg", ".tif", ".bmp", ".gif"})
        EXPECT_FALSE(named<QRadioButton>(&dialog, format)->isChecked()) << format;
    EXPECT_TRUE(named<QRadioButton>(&dialog, "control with square shapes")->isChecked());

    const QList<QRadioButton*> centres = dialog.findChildren<QRadioButton*>();
    QList<QRadioButton*> lefts, middles, rights;
    for (QRadioButton* b : centres) {
        if (b->text() == "Left") lefts << b;
        if (b->text() == "Center") middles << b;
        if (b->text() == "Right") rights << b;
    }
    ASSERT_EQ(lefts.size(), 3);
    EXPECT_TRUE(middles[0]->isChecked()) << "footer 1: 133";
    EXPECT_FALSE(lefts[1]->isChecked() || middles[1]->isChecked() || rights[1]->isChecked())
        << "footer 2: 134 selects none";
    EXPECT_TRUE(lefts[2]->isChecked()) << "page number: 131";
    EXPECT_TRUE(middles[0]->isEnabled());
    EXPECT_FALSE(lefts[1]->isEnabled()) << "footer 2 is off";

    const QList<QComboBox*> sizes = dialog.findChildren<QComboBox*>();
    ASSERT_EQ(sizes.size(), 3);
    EXPECT_EQ(sizes[0]->currentText(), "11");
    EXPECT_EQ(sizes[1]->currentIndex(), -1) << "14 is not offered";
    EXPECT_EQ(sizes[2]->currentText(), "09");
    EXPECT_TRUE(named<QCheckBox>(&dialog, "Bold")->isChecked());
    EXPECT_EQ(dialog.findChildren<QPlainTextEdit*>()[0]->toPlainText(), "Chapter");

    QRadioButton* upper = named<QRadioButton>(&dialog, "Upper case (example: XVII)");
    QRadioButton* lower = named<QRadioButton>(&dialog, "Lower case (example: xvii)");
    EXPECT_TRUE(
        named<QRadioButton>(&dialog, "Roman numerals (example: IV,XX,xvii,xv)")->isChecked());
    EXPECT_TRUE(upper->isEnabled());
    EXPECT_TRUE(named<QCheckBox>(&dialog, "I want footer 1 to appear")->isChecked());

    dialog.show();
    click(named<QRadioButton>(&dialog, "Arabic numbers (example: 2,7,9)"));
    EXPECT_EQ(state.settings.pageNumber.numeralSystem, 1);
    EXPECT_FALSE(upper->isEnabled());
    EXPECT_TRUE(lower->isChecked()) << "greyed, keeping its choice";
    EXPECT_EQ(state.settings.pageNumber.romanCase, 2);

    click(rights[1]);
    EXPECT_EQ(state.settings.footer2.alignment, 134) << "a greyed option takes no click";
    click(named<QCheckBox>(&dialog, "I want footer 2 to appear"));
    click(rights[1]);
    EXPECT_EQ(state.settings.footer2.alignment, 132);
    click(named<QRadioButton>(&dialog, ".gif"));
    EXPECT_EQ(state.settings.imageFormat, 3306);

    click(named<QCheckBox>(&dialog, "I want the page number to appear"));
    EXPECT_EQ(state.settings.pageNumber.enabled, 0);
    EXPECT_FALSE(lefts[2]->isEnabled());
    EXPECT_FALSE(sizes[2]->isEnabled());
    EXPECT_FALSE(
        named<QCheckBox>(&dialog, "The page number includes the word \"Page\"")->isEnabled());
    EXPECT_TRUE(named<QCheckBox>(&dialog, "I want the page number to appear")->isEnabled());
    EXPECT_FALSE(QFile::exists(settingsPath())) << "clicks write nothing";
}

TEST_F(PersonalDialogs, TheConfiguratorStoresWhatAScreenReaderOrACallSets) {
    state.settings.footer1.enabled = 0;
    state.settings.footer1.bold = 0;
    state.settings.tickShape = 0;
    ConfiguratorDialog dialog(state, prompts, nullptr);
    const QString toggle = QAccessibleActionInterface::toggleAction();
    QCheckBox* footer1 = named<QCheckBox>(&dialog, "I want footer 1 to appear");
    ASSERT_TRUE(doAccessibleAction(footer1, toggle));
    EXPECT_TRUE(footer1->isChecked());
    EXPECT_EQ(state.settings.footer1.enabled, 1);
    EXPECT_TRUE(named<QCheckBox>(&dialog, "Bold")->isEnabled()) << "footer 1's choices wake";
    named<QCheckBox>(&dialog, "Bold")->toggle();
    EXPECT_EQ(state.settings.footer1.bold, 1);
    ASSERT_TRUE(
        doAccessibleAction(named<QRadioButton>(&dialog, "control with rounded shapes"), toggle));
    EXPECT_EQ(state.settings.tickShape, 1);
    named<QRadioButton>(&dialog, ".jpg")->toggle();
    EXPECT_EQ(state.settings.imageFormat, FormatJpg);
}

TEST_F(PersonalDialogs, SetUpExitKeepsTheDialogOpenForAnEmptyFooter) {
    MainWindow window(state, &prompts);
    window.show();
    bool stayedOpen = false;
    whileOpen(window, command::SetUp, [&] {
        auto* dialog = qobject_cast<ConfiguratorDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(state.dialogBusy);
        click(named<QCheckBox>(dialog, "I want footer 1 to appear"));
        click(named<QPushButton>(dialog, "Exit"));
        stayedOpen = dialog->isVisible();
        EXPECT_EQ(loadSettings(settingsPath()).footer1.enabled, 1) << "written before the check";
        dialog->findChildren<QPlainTextEdit*>()[0]->setPlainText(QString(120, QLatin1Char('x')));
        dialog->findChildren<QComboBox*>()[0]->setCurrentIndex(0);
        click(named<QPushButton>(dialog, "Exit"));
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(state.dialogBusy);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "You have to type a footer ...");
    const Settings stored = loadSettings(settingsPath());
    EXPECT_EQ(stored.footer1.text, QByteArray(99, 'x'));
    EXPECT_EQ(stored.footer1.fontSize, 9);
}

TEST_F(PersonalDialogs, TheFavouritesWindowHasItsLayoutInBothBuilds) {
    FavouritesWindow window(state, prompts, nullptr);
    EXPECT_EQ(window.size(), QSize(350, 357));
    EXPECT_EQ(window.windowTitle(), "Your favorites colors load and save them");
    EXPECT_EQ(window.paletteArea()->geometry(), QRect(8, 8, 336, 260));
    EXPECT_EQ(window.strip()->geometry(), QRect(8, 270, 336, 50));
    EXPECT_EQ(window.saveButton()->geometry(), QRect(8, 328, 72, 24));
    EXPECT_EQ(window.resetButton()->geometry(), QRect(136, 328, 72, 24));
    EXPECT_EQ(window.exitButton()->geometry(), QRect(272, 328, 72, 24));
    EXPECT_FALSE(window.saveButton()->isEnabled());
    EXPECT_FALSE(window.parentWidget()) << "no owner";

    AppState spanish(spanishTexts());
    FavouritesWindow ventana(spanish, prompts, nullptr);
    EXPECT_EQ(ventana.saveButton()->text(), "Archivar");
    EXPECT_EQ(ventana.resetButton()->text(), "Reseteo");
    EXPECT_EQ(ventana.exitButton()->text(), "Salir");
    EXPECT_EQ(ventana.windowTitle(), "Tus Colores Favoritos Cargalos y Guardalos");
}

TEST_F(PersonalDialogs, AColourPickedByRightClickIsAppliedFromTheMainWindow) {
    FavouritePalette palette = FavouritePalette::fresh();
    palette.setColour({2, 0}, 0x0000FF00);
    ASSERT_TRUE(saveFavourites(palette, favouritesPath()));
    state.documentPresent = true;
    MainWindow window(state, &prompts);
    window.show();
    whileOpen(window, command::FavouriteColours, [&] {
        FavouritesWindow* favourites = openFavourites();
        ASSERT_TRUE(favourites);
        EXPECT_TRUE(state.dialogBusy);
        // Swatch 2 of row 0 has its middle at (62, 12) inside the area's border.
        QTest::mouseClick(favourites->paletteArea(), Qt::RightButton, {}, QPoint(63, 13));
        EXPECT_EQ(state.selectedColour, 0x0000FF00u);
        window.action(command::SetUp)->trigger(); // guarded: nothing opens
        window.action(command::HorizontalColour)->trigger();
        favourites->close();
    });
    EXPECT_FALSE(state.dialogBusy);
    EXPECT_EQ(state.settings.colours.horizontal, 0x0000FF00);
    const QImage swatch = window.action(command::HorizontalColour)->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(swatch.pixelColor(8, 8), QColor(0, 255, 0));
}

TEST_F(PersonalDialogs, TheFavouritesWindowClosesWithTheMainWindow) {
    state.documentPresent = true;
    MainWindow window(state, &prompts);
    window.show();
    bool closedWithIt = false;
    whileOpen(window, command::FavouriteColours, [&] {
        FavouritesWindow* favourites = openFavourites();
        ASSERT_TRUE(favourites);
        // Should the window stay, this ends the test instead of waiting for ever.
        QTimer::singleShot(5000, favourites, &QWidget::close);
        window.action(command::Exit)->trigger();
        closedWithIt = !favourites->isVisible();
    });
    EXPECT_TRUE(closedWithIt);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(state.dialogBusy);
}

TEST_F(PersonalDialogs, TheSpanishConfiguratorJoinsItsCaptionsFromTheirPieces) {
    AppState spanish(spanishTexts());
    ConfiguratorDialog dialog(spanish, prompts, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Configurador");
    EXPECT_TRUE(named<QCheckBox>(&dialog, "Quiero que aparezca el pie de página 1"));
    EXPECT_TRUE(named<QCheckBox>(&dialog, "Quiero que aparezca el número de página "));
    EXPECT_TRUE(named<QRadioButton>(&dialog, "control con formas redondeadas"));
    EXPECT_TRUE(named<QRadioButton>(&dialog, "Números Romanos (ej: IV,XX,xvii,xv)"));
    QStringList captions;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        captions << label->text();
    EXPECT_TRUE(captions.contains("Tamaño de la fuente pie de página 2"));
    EXPECT_TRUE(captions.contains("Pie de página nº1 (Aparecera en la línea 66)"));
    EXPECT_TRUE(named<QPushButton>(&dialog, "Salir"));
}

TEST_F(PersonalDialogs, ThePaletteAnswersTheKeyboard) {
    FavouritePalette palette = FavouritePalette::fresh();
    palette.setColour({1, 1}, 0x000000FF);
    ASSERT_TRUE(saveFavourites(palette, favouritesPath()));
    prompts.colourAnswers = {0x00FF0000};
    FavouritesWindow window(state, prompts, nullptr);
    window.show();
    QWidget* area = window.paletteArea();
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Down);
    QTest::keyClick(area, Qt::Key_Space);
    EXPECT_EQ(state.selectedColour, 0x000000FFu);
    QTest::keyClick(area, Qt::Key_Left);
    QTest::keyClick(area, Qt::Key_Return);
    EXPECT_EQ(prompts.pickerStarts.size(), 1);
    EXPECT_TRUE(window.saveButton()->isEnabled());
    QTest::keyClick(area, Qt::Key_Space);
    EXPECT_EQ(state.selectedColour, 0x00FF0000u);
}

// A control is named by its own text or by the caption whose buddy it is (a drop-down
// list reads out its entry as its name and its caption through that relation).
TEST_F(PersonalDialogs, EveryControlOfBothWindowsHasAName) {
    ConfiguratorDialog dialog(state, prompts, nullptr);
    FavouritesWindow window(state, prompts, nullptr);
    const auto caption = [](QAccessibleInterface* accessible) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels[0].first->text(QAccessible::Name);
    };
    for (QWidget* top : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&window)}) {
        for (QWidget* control : top->findChildren<QWidget*>()) {
            // The drop-down views of the lists are Qt's own, reached through the lists.
            if (control->focusPolicy() == Qt::NoFocus || qobject_cast<QAbstractItemView*>(control))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_TRUE(accessible);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty() &&
                         caption(accessible).isEmpty())
                << control->metaObject()->className();
        }
    }
    EXPECT_EQ(caption(QAccessible::queryAccessibleInterface(dialog.findChildren<QComboBox*>()[0])),
              "Font size footer 1");
    EXPECT_EQ(
        caption(QAccessible::queryAccessibleInterface(dialog.findChildren<QPlainTextEdit*>()[1])),
        "Text footer 2");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.paletteArea())->text(QAccessible::Name),
              "Favorite colors palette");
}
