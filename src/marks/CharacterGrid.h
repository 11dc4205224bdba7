#pragma once

namespace folia {

// The character grid of a page: cells of 8 x 16 pixels, columns 1..114, rows 1..65 carry
// text. Text character p of an unaligned row stands in column p + 3; 93 characters show,
// in columns 4..96.
namespace grid {

inline constexpr int kCellWidth = 8;
inline constexpr int kCellHeight = 16;
inline constexpr int kColumns = 114;
inline constexpr int kRows = 65;
inline constexpr int kFirstTextColumn = 4;
// Text character p of an unaligned row stands in column p + kColumnOffset.
inline constexpr int kColumnOffset = kFirstTextColumn - 1;
inline constexpr int kShownCharacters = 93;
inline constexpr int kLastTextColumn = kFirstTextColumn + kShownCharacters - 1; // 96
inline constexpr int kBaseline = 11; // from the top of a cell

constexpr int columnLeft(int column) {
    return kCellWidth * (column - 1);
}
constexpr int columnRight(int column) {
    return kCellWidth * column;
}
constexpr int rowTop(int row) {
    return kCellHeight * (row - 1);
}
constexpr int rowBottom(int row) {
    return kCellHeight * row;
}

constexpr bool isRow(int row) {
    return row >= 1 && row <= kRows;
}
constexpr bool isColumn(int column) {
    return column >= 1 && column <= kColumns;
}

} // namespace grid
} // namespace folia
