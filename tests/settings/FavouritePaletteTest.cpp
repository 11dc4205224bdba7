#include "settings/FavouritePalette.h"
#include "settings/PaletteImage.h"
#include "support/FileInTemporaryFolder.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <limits>

using namespace folia;

namespace {

class FavouritesFile : public test::FileInTemporaryFolder {
protected:
    FavouritesFile() : FileInTemporaryFolder("Mis Colores.log") {}
};

QByteArray record(int32_t left, int32_t right, int32_t top, int32_t bottom, int16_t column,
                  int16_t row, uint32_t colour) {
    QByteArray bytes(24, '\0');
    char* at = bytes.data();
    qToLittleEndian(left, at);
    qToLittleEndian(right, at + 4);
    qToLittleEndian(top, at + 8);
    qToLittleEndian(bottom, at + 12);
    qToLittleEndian(column, at + 16);
    qToLittleEndian(row, at + 18);
    qToLittleEndian(colour, at + 20);
    return bytes;
}

} // namespace

TEST_F(FavouritesFile, AFreshPaletteIsWrittenAs130RecordsInRowOrder) {
    FavouritePalette palette = FavouritePalette::fresh();
    palette.setColour({2, 1}, 0x00123456);
    ASSERT_TRUE(saveFavourites(palette, path));
    const QByteArray bytes = read();
    ASSERT_EQ(bytes.size(), 3120);
    EXPECT_EQ(bytes.left(24), record(1, 26, 1, 26, 0, 0, 16777215));
    EXPECT_EQ(bytes.mid(15 * 24, 24), record(51, 76, 26, 51, 2, 1, 0x00123456));
    const QByteArray last = bytes.mid(3096);
    EXPECT_EQ(last, record(301, 326, 226, 251, 12, 9, 16777215));

    const std::optional<FavouritePalette> back = loadFavourites(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->cell(2, 1).colour, 0x00123456u);
    EXPECT_EQ(back->cell(12, 9), palette.cell(12, 9));
}

TEST_F(FavouritesFile, ReadsWholeRecordsEachInItsOwnPlace) {
    EXPECT_FALSE(loadFavourites(path)) << "no file";
    // Out of order, one outside the shown grid, one far outside the table, and a torn
    // record at the end.
    write(record(7, 30, 8, 40, 5, 3, 0x0000FF00) + record(1, 26, 1, 26, 13, 0, 0x00FF0000) +
          record(1, 26, 1, 26, 60, 2, 0x00FF0000) + record(0, 0, 0, 0, -1, 0, 0x00FF0000) +
          record(1, 26, 1, 26, 0, 0, 0x000000FF) + QByteArray("\x01\x02\x03\x04\x05", 5));
    const std::optional<FavouritePalette> palette = loadFavourites(path);
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->cell(5, 3), (PaletteCell{7, 30, 8, 40, 5, 3, 0x0000FF00}))
        << "geometry comes from the file";
    EXPECT_EQ(palette->cell(0, 0).colour, 0x000000FFu);
    EXPECT_EQ(palette->cell(12, 0), PaletteCell{}) << "cells the file does not name stay zero";
    EXPECT_EQ(palette->cell(2, 0), PaletteCell{});
}

TEST_F(FavouritesFile, CellsMissingFromAShortFileDoNotOverwriteTheFirstOnTheWayBack) {
    write(record(1, 26, 1, 26, 0, 0, 0x000000FF));
    ASSERT_TRUE(saveFavourites(*loadFavourites(path), path));
    const QByteArray bytes = read();
    ASSERT_EQ(bytes.size(), 3120);
    EXPECT_EQ(bytes.mid(24, 24), record(0, 0, 0, 0, 1, 0, 0)) << "a zero cell names its place";
    EXPECT_EQ(loadFavourites(path)->cell(0, 0).colour, 0x000000FFu);
}

TEST_F(FavouritesFile, RemovingTakesTheFileAndToleratesItsAbsence) {
    write(QByteArray(3120, '\0'));
    QFile::setPermissions(path, QFile::ReadOwner);
    removeFavourites(path);
    EXPECT_FALSE(QFile::exists(path));
    removeFavourites(path);
}

TEST(PalettePositions, PointsCountFromTheAreaCornerIn25PixelCells) {
    const auto at = [](int x, int y) {
        const std::optional<GridPosition> p = FavouritePalette::positionAt(x, y);
        return p ? std::pair{p->column, p->row} : std::pair{-1, -1};
    };
    EXPECT_EQ(at(0, 0), std::pair(0, 0));
    EXPECT_EQ(at(24, 24), std::pair(0, 0));
    EXPECT_EQ(at(25, 249), std::pair(1, 9));
    EXPECT_EQ(at(324, 0), std::pair(12, 0));
    EXPECT_EQ(at(325, 0), std::pair(-1, -1));
    EXPECT_EQ(at(0, 250), std::pair(-1, -1));
    EXPECT_EQ(at(-1, 5), std::pair(-1, -1));
    EXPECT_EQ(at(-25, 0), std::pair(-1, -1));
    EXPECT_EQ(at(std::numeric_limits<int>::min() + 1, 0), std::pair(-1, -1));
    EXPECT_EQ(at(0, std::numeric_limits<int>::min()), std::pair(-1, -1));
}

TEST(PaletteImage, SwatchesAreInsetWithABlackOutlineOnWhite) {
    FavouritePalette palette = FavouritePalette::fresh();
    palette.setColour({0, 0}, 0x000000FF);
    const QImage image = paletteImage(palette);
    EXPECT_EQ(image.size(), QSize(336, 312));
    EXPECT_EQ(colourAt(image, 3, 12), 16777215u) << "inset: white before the outline";
    EXPECT_EQ(colourAt(image, 4, 12), 0u) << "left outline";
    EXPECT_EQ(colourAt(image, 12, 4), 0u) << "top outline";
    EXPECT_EQ(colourAt(image, 5, 5), 0x000000FFu) << "fill";
    EXPECT_EQ(colourAt(image, 24, 24), 0x000000FFu);
    EXPECT_EQ(colourAt(image, 25, 12), 0u) << "right outline";
    EXPECT_EQ(colourAt(image, 12, 25), 0u) << "bottom outline";
    EXPECT_EQ(colourAt(image, 27, 12), 16777215u) << "the gap between swatches";
    EXPECT_EQ(colourAt(image, 330, 100), 16777215u) << "beyond the last column";
    EXPECT_EQ(colourAt(image, 400, 100), 16777215u) << "outside the picture";

    const QImage hovered = paletteImage(palette, GridPosition{0, 0});
    EXPECT_EQ(colourAt(hovered, 4, 12), 16777215u) << "the hovered swatch is outlined white";
    EXPECT_EQ(colourAt(hovered, 12, 12), 0x000000FFu);
    EXPECT_EQ(colourAt(hovered, 29, 12), 0u) << "its neighbour keeps black";
}

TEST(PaletteImage, AbsurdGeometryStaysInsideThePicture) {
    FavouritePalette palette; // all zero: nothing is drawn
    QImage white(kPaletteImageSize, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(paletteImage(palette), white);

    palette.place({-2000000000, 2000000000, -2000000000, 2000000000, 3, 3, 0x0000FF00});
    palette.place({500, 400, 10, 20, 4, 4, 0x000000FF}); // right of its left: empty
    const QImage image = paletteImage(palette);
    EXPECT_EQ(image.size(), QSize(336, 312));
    EXPECT_EQ(colourAt(image, 100, 100), 0x0000FF00u);
}
