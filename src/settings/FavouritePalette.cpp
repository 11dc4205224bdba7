#include "FavouritePalette.h"

#include "common/ProgramFolder.h"
#include "common/RegularFile.h"

#include <QFile>
#include <QtEndian>

namespace folia {
namespace {

template <typename T> T readField(const char* record, int offset) {
    return qFromLittleEndian<T>(record + offset);
}

template <typename T> void writeField(char* record, int offset, T value) {
    qToLittleEndian<T>(value, record + offset);
}

PaletteCell decode(const char* record) {
    PaletteCell cell;
    cell.left = readField<int32_t>(record, 0);
    cell.right = readField<int32_t>(record, 4);
    cell.top = readField<int32_t>(record, 8);
    cell.bottom = readField<int32_t>(record, 12);
    cell.column = readField<int16_t>(record, 16);
    cell.row = readField<int16_t>(record, 18);
    cell.colour = readField<uint32_t>(record, 20);
    return cell;
}

void encode(const PaletteCell& cell, char* record) {
    writeField<int32_t>(record, 0, cell.left);
    writeField<int32_t>(record, 4, cell.right);
    writeField<int32_t>(record, 8, cell.top);
    writeField<int32_t>(record, 12, cell.bottom);
    writeField<int16_t>(record, 16, cell.column);
    writeField<int16_t>(record, 18, cell.row);
    writeField<uint32_t>(record, 20, cell.colour);
}

bool shown(int column, int row) {
    return column >= 0 && column < FavouritePalette::kColumns && row >= 0 &&
           row < FavouritePalette::kRows;
}

// Rounds down for negative values too, without negating one (the lowest int has no
// positive counterpart).
int floorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : (value + 1) / divisor - 1;
}

} // namespace

FavouritePalette FavouritePalette::fresh() {
    FavouritePalette palette;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            PaletteCell& cell = palette.m_cells[index(column, row)];
            cell.left = kCellSize * column + 1;
            cell.right = kCellSize * (column + 1) + 1;
            cell.top = kCellSize * row + 1;
            cell.bottom = kCellSize * (row + 1) + 1;
            cell.column = int16_t(column);
            cell.row = int16_t(row);
            cell.colour = kWhite;
        }
    }
    return palette;
}

void FavouritePalette::place(const PaletteCell& cell) {
    if (shown(cell.column, cell.row)) m_cells[index(cell.column, cell.row)] = cell;
}

QByteArray FavouritePalette::toBytes() const {
    QByteArray bytes(kFileSize, '\0');
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            // A cell that no record named is all zero; it still names its own place, so
            // that reading the file back cannot put it over the first swatch.
            PaletteCell cell = m_cells[index(column, row)];
            cell.column = int16_t(column);
            cell.row = int16_t(row);
            encode(cell, bytes.data() + index(column, row) * kRecordSize);
        }
    }
    return bytes;
}

std::optional<GridPosition> FavouritePalette::positionAt(int x, int y) {
    const GridPosition at{floorDiv(x, kCellSize), floorDiv(y, kCellSize)};
    if (!shown(at.column, at.row)) return std::nullopt;
    return at;
}

QString favouritesPath() {
    return besideProgram(QStringLiteral("Mis Colores.log"));
}

std::optional<FavouritePalette> loadFavourites(const QString& path) {
    QFile file(path);
    if (!openRegularFileForReading(file)) return std::nullopt;
    FavouritePalette palette;
    char record[FavouritePalette::kRecordSize];
    while (file.read(record, sizeof record) == sizeof record)
        palette.place(decode(record));
    return palette;
}

WriteResult saveFavourites(const FavouritePalette& palette, const QString& path) {
    return writeFileAtomically(path, palette.toBytes());
}

void removeFavourites(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    QFile::remove(path);
}

} // namespace folia
