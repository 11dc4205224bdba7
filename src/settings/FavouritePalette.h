#pragma once

#include "common/AtomicFile.h"
#include "common/ColourWord.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace folia {

// One swatch of the favourite palette: its cell in the palette area, its place in the
// grid and its colour (0x00BBGGRR). The same 24 bytes as a record of "Mis Colores.log".
struct PaletteCell {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
    int16_t column = 0;
    int16_t row = 0;
    uint32_t colour = 0;

    bool operator==(const PaletteCell&) const = default;
};

struct GridPosition {
    int column = 0;
    int row = 0;

    bool operator==(const GridPosition&) const = default;
};

// The 13 x 10 swatches of the favourite-colours window.
class FavouritePalette {
public:
    static constexpr int kColumns = 13;
    static constexpr int kRows = 10;
    static constexpr int kCellSize = 25;
    static constexpr int kRecordSize = 24;
    static constexpr int kFileSize = kColumns * kRows * kRecordSize;
    static constexpr uint32_t kWhite = kWhiteWord;

    // Every cell zero: no swatch is drawn until a record names it.
    FavouritePalette() = default;
    // 130 white swatches in their places on the grid.
    static FavouritePalette fresh();

    // One record read: stored, geometry and all, in the cell its own column and row
    // name; a record naming no shown cell is skipped.
    void place(const PaletteCell& cell);
    // The 130 records in row order.
    QByteArray toBytes() const;

    const PaletteCell& cell(int column, int row) const { return m_cells[index(column, row)]; }
    void setColour(GridPosition at, uint32_t colour) {
        m_cells[index(at.column, at.row)].colour = colour;
    }

    // The grid position under a point of the palette area (its 25-pixel cells counted
    // from the area's corner), or nothing outside the grid.
    static std::optional<GridPosition> positionAt(int x, int y);

private:
    static int index(int column, int row) { return row * kColumns + column; }

    std::array<PaletteCell, kColumns * kRows> m_cells{};
};

// "Mis Colores.log" beside the program.
QString favouritesPath();
// The palette kept in the file: every whole record in it, placed by its column and row;
// cells that no record names stay zero. Nothing when there is no file to read.
std::optional<FavouritePalette> loadFavourites(const QString& path);
// Replaces the file in one step: a failed write leaves the previous palette in it.
WriteResult saveFavourites(const FavouritePalette& palette, const QString& path);
// Removes the file; a file that is not there or cannot be removed is left be.
void removeFavourites(const QString& path);

} // namespace folia
