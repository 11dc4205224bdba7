#include "ShellFixture.h"
#include "settings/SettingsFile.h"
#include "shell/CommandIds.h"
#include "shell/ConfiguratorExit.h"
#include "shell/FavouritesSession.h"

#include <QDir>

using namespace folia;
using namespace folia::test;

namespace {

class Configurator : public ShellFixture {
protected:
    QByteArray settingsFile() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

class Favourites : public ShellFixture {
protected:
    QByteArray favouritesFile() const {
        QFile file(favouritesPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QColor stripPixel(const FavouritesSession& session, int x, int y) const {
        return session.strip().pixelColor(x, y);
    }
    // Whether the strip's label is drawn in `colour` somewhere.
    static bool labelIn(const FavouritesSession& session, QColor colour) {
        const QImage& strip = session.strip();
        for (int y = 12; y < 32; ++y)
            for (int x = 0; x < strip.width(); ++x)
                if (strip.pixelColor(x, y) == colour) return true;
        return false;
    }
};

} // namespace

TEST_F(Configurator, ExitWritesTheFileThenRefusesAnEmptyFooterThatIsOn) {
    state.settings.footer1.enabled = 1;
    ConfiguratorEntries entries;
    entries.footer1SizeEntry = 2;
    EXPECT_FALSE(exitConfigurator(state, prompts, entries));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "You have to type a footer ...");
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_TRUE(prompts.messages[0].systemModal);
    EXPECT_TRUE(settingsFile().contains("[Pie_de_Pagina_1]\r\nActivar= 1\r\n"));
    EXPECT_EQ(loadSettings(settingsPath()).footer1.fontSize, 11);

    entries.footer1Text = QStringLiteral("Notes on chapter 2");
    EXPECT_TRUE(exitConfigurator(state, prompts, entries));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(loadSettings(settingsPath()).footer1.text, "Notes on chapter 2");
}

TEST_F(Favourites, OpensFreshWithoutAFileAndFromTheFileWithOne) {
    {
        FavouritesSession session(state, prompts);
        EXPECT_FALSE(session.saveEnabled());
        EXPECT_EQ(session.paletteArea().pixelColor(12, 12), QColor(Qt::white));
        EXPECT_EQ(session.paletteArea().pixelColor(4, 12), QColor(Qt::black));
        EXPECT_EQ(stripPixel(session, 2, 2), QColor(Qt::white));
        EXPECT_TRUE(labelIn(session, Qt::black));
        EXPECT_TRUE(session.exit()) << "nothing changed: no question";
        EXPECT_TRUE(prompts.messages.isEmpty());
    }
    FavouritePalette kept = FavouritePalette::fresh();
    kept.setColour({1, 0}, 0x0000FF00);
    ASSERT_TRUE(saveFavourites(kept, favouritesPath()));
    FavouritesSession session(state, prompts);
    EXPECT_EQ(session.paletteArea().pixelColor(37, 12), QColor(0, 255, 0));
}

TEST_F(Favourites, APickedColourFillsTheSwatchAndIsSavedOnce) {
    FavouritesSession session(state, prompts);
    prompts.colourAnswers = {std::nullopt, 0x00FF0000};
    session.chooseColour(30, 30); // cancelled
    EXPECT_FALSE(session.saveEnabled());
    session.chooseColour(30, 30);
    EXPECT_EQ(prompts.pickerStarts, QList<uint32_t>({8421504, 8421504}));
    EXPECT_TRUE(session.saveEnabled());
    EXPECT_EQ(session.paletteArea().pixelColor(37, 37), QColor(0, 0, 255));
    session.chooseColour(330, 30); // beside the grid: no picker
    EXPECT_EQ(prompts.pickerStarts.size(), 2);

    session.save();
    EXPECT_FALSE(session.saveEnabled());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "My favorite colors have been archived");
    EXPECT_TRUE(prompts.messages[0].systemModal);
    const QByteArray bytes = favouritesFile();
    ASSERT_EQ(bytes.size(), 3120);
    EXPECT_EQ(loadFavourites(favouritesPath())->cell(1, 1).colour, 0x00FF0000u);
}

TEST_F(Favourites, ExitAsksAboutUnsavedChanges) {
    FavouritesSession session(state, prompts);
    prompts.colourAnswers = {0x00FF0000, 0x0000FF00};
    session.chooseColour(5, 5);
    EXPECT_TRUE(session.exit()); // unscripted question: No
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, "Do you want to save changes before exiting ?");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(QFile::exists(favouritesPath()));

    prompts.questionAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(session.exit());
    EXPECT_EQ(prompts.messages.size(), 2) << "no confirmation after Yes";
    EXPECT_EQ(loadFavourites(favouritesPath())->cell(0, 0).colour, 0x00FF0000u);
}

TEST_F(Favourites, AFailedWriteIsToldAndNeverCalledArchived) {
    FavouritesSession session(state, prompts);
    prompts.colourAnswers = {0x00FF0000};
    session.chooseColour(5, 5);
    ASSERT_TRUE(QDir(folder.path()).mkdir("Mis Colores.log")); // nothing can replace a folder
    session.save();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("Err: "))
        << prompts.messages[0].text.toStdString();
    EXPECT_TRUE(prompts.messages[0].text.endsWith(favouritesPath() +
                                                  "\r\nReason: " + englishTexts().notRegularFile));
    EXPECT_TRUE(session.saveEnabled()) << "the change is still not kept";

    prompts.questionAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(session.exit()) << "the window stays rather than lose the colours";
    EXPECT_TRUE(prompts.messages.last().text.startsWith("Err: "));
}

TEST_F(Favourites, RightClickSelectsThePixelUnderThePointer) {
    FavouritesSession session(state, prompts);
    session.pickColour(4, 12); // a swatch's outline
    EXPECT_EQ(state.selectedColour, 0u);
    EXPECT_EQ(stripPixel(session, 2, 2), QColor(Qt::black));
    EXPECT_TRUE(labelIn(session, Qt::white)) << "on black the label is white";

    session.hover(4, 12); // the hovered swatch's outline is white on screen only
    session.pickColour(4, 12);
    EXPECT_EQ(state.selectedColour, 0u);

    session.pickColour(27, 12); // the gap between two swatches
    EXPECT_EQ(state.selectedColour, 16777215u);
    EXPECT_EQ(stripPixel(session, 2, 2), QColor(Qt::white));
    EXPECT_TRUE(labelIn(session, Qt::black));

    prompts.colourAnswers = {0x00336699};
    session.chooseColour(60, 60);
    session.pickColour(60, 60);
    EXPECT_EQ(state.selectedColour, 0x00336699u);
    EXPECT_EQ(stripPixel(session, 2, 2), QColor(0x99, 0x66, 0x33));
    EXPECT_TRUE(labelIn(session, Qt::black));
    commands.dispatch(command::HorizontalColour);
    EXPECT_EQ(state.settings.colours.horizontal, 0x00336699);
}

TEST_F(Favourites, HoverOutlinesTheSwatchUnderThePointerInWhite) {
    FavouritesSession session(state, prompts);
    session.hover(30, 30);
    EXPECT_EQ(session.paletteArea().pixelColor(29, 35), QColor(Qt::white));
    EXPECT_EQ(session.paletteArea().pixelColor(4, 35), QColor(Qt::black));
    session.hover(333, 30);
    EXPECT_EQ(session.paletteArea().pixelColor(29, 35), QColor(Qt::black));
}

TEST_F(Favourites, ResetWithoutAFileLeavesWhiteAndKeepsAPendingSave) {
    FavouritesSession session(state, prompts);
    prompts.colourAnswers = {0x00FF0000};
    session.chooseColour(5, 5);
    state.selectedColour = 0x00123456;
    session.reset(); // unscripted: No
    EXPECT_EQ(state.selectedColour, 0x00123456u);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text,
              "Do you really want to RESET ?\r\nAll your favorite colors will be lost");

    prompts.questionAnswers = {MessageAnswer::Yes};
    session.reset();
    EXPECT_EQ(prompts.messages.size(), 2) << "no error for the missing file";
    EXPECT_EQ(session.paletteArea().pixelColor(12, 12), QColor(Qt::white));
    EXPECT_EQ(state.selectedColour, 16777215u);
    EXPECT_EQ(stripPixel(session, 2, 2), QColor(Qt::white));
    EXPECT_TRUE(session.saveEnabled());
}

TEST_F(Favourites, ResetRemovesTheKeptPaletteAtOnce) {
    ASSERT_TRUE(saveFavourites(FavouritePalette::fresh(), favouritesPath()));
    FavouritesSession session(state, prompts);
    prompts.questionAnswers = {MessageAnswer::Yes};
    session.reset();
    EXPECT_FALSE(QFile::exists(favouritesPath()));
}
