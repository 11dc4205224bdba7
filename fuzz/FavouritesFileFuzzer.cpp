// Any bytes as "Mis Colores.log": reading must place each whole record in the cell its
// own column and row name (the last one wins) and nothing elsewhere; saving and reading
// again must give the same palette in 130 records, each naming its own place.

#include "FuzzSupport.h"
#include "settings/FavouritePalette.h"

#include <type_traits>

using namespace folia;

namespace {

template <typename Int> Int littleAt(const char* data) {
    std::make_unsigned_t<Int> value = 0;
    for (int i = int(sizeof(Int)) - 1; i >= 0; --i)
        value = static_cast<decltype(value)>((value << 8) | static_cast<unsigned char>(data[i]));
    return static_cast<Int>(value);
}

PaletteCell cellAt(const char* record) {
    return {littleAt<int32_t>(record),      littleAt<int32_t>(record + 4),
            littleAt<int32_t>(record + 8),  littleAt<int32_t>(record + 12),
            littleAt<int16_t>(record + 16), littleAt<int16_t>(record + 18),
            littleAt<uint32_t>(record + 20)};
}

// A saved cell names its own place, also one that no record named (all zero when read),
// so read back it is the cell it was with that place.
bool readBackAsSaved(const FavouritePalette& saved, const FavouritePalette& read) {
    for (int row = 0; row < FavouritePalette::kRows; ++row)
        for (int column = 0; column < FavouritePalette::kColumns; ++column) {
            PaletteCell expected = saved.cell(column, row);
            expected.column = int16_t(column);
            expected.row = int16_t(row);
            if (!(read.cell(column, row) == expected)) return false;
        }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::inWorkFolder(QStringLiteral("Mis Colores.log"));
    fuzz::writeFile(path, bytes);

    const std::optional<FavouritePalette> loaded = loadFavourites(path);
    fuzz::check(loaded.has_value(), "an existing file is read");

    // Cells no record names stay zero.
    PaletteCell expected[FavouritePalette::kRows][FavouritePalette::kColumns]{};
    for (qsizetype at = 0; at + FavouritePalette::kRecordSize <= bytes.size();
         at += FavouritePalette::kRecordSize) {
        const PaletteCell cell = cellAt(bytes.constData() + at);
        if (cell.column >= 0 && cell.column < FavouritePalette::kColumns && cell.row >= 0 &&
            cell.row < FavouritePalette::kRows)
            expected[cell.row][cell.column] = cell;
    }
    for (int row = 0; row < FavouritePalette::kRows; ++row)
        for (int column = 0; column < FavouritePalette::kColumns; ++column)
            fuzz::check(loaded->cell(column, row) == expected[row][column],
                        "each record lands in the cell it names, geometry and all");

    fuzz::check(saveFavourites(*loaded, path).ok(), "the palette can be saved");
    const QByteArray saved = fuzz::readFile(path);
    fuzz::check(saved.size() == FavouritePalette::kFileSize && saved == loaded->toBytes(),
                "a save writes the 130 records");
    const std::optional<FavouritePalette> again = loadFavourites(path);
    fuzz::check(again && readBackAsSaved(*loaded, *again),
                "a save and a read give the same palette");
    fuzz::check(again->toBytes() == saved, "a second save writes the same bytes");

    // Pointer positions anywhere, from the first bytes.
    if (size >= 8) {
        const auto position = FavouritePalette::positionAt(
            littleAt<int32_t>(bytes.constData()), littleAt<int32_t>(bytes.constData() + 4));
        if (position)
            fuzz::check(position->column >= 0 && position->column < FavouritePalette::kColumns &&
                            position->row >= 0 && position->row < FavouritePalette::kRows,
                        "a pointer finds only cells of the grid");
    }
    return 0;
}
