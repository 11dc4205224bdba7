#pragma once

#include <QByteArray>
#include <QStringView>
#include <array>
#include <optional>

namespace folia {

// Searching the document ignores accents always and letter case unless asked to match
// it: "Ciceron" finds "Cicerón". Every character folds to exactly one character, so a
// position in folded text is the same position in the row.

// The folded form of one Unicode character: the base of its canonical decomposition,
// in lower case unless `matchCase`.
char16_t foldForSearch(char16_t character, bool matchCase);

// The folded Windows-1252 byte of every Windows-1252 byte.
using ByteFolding = std::array<char, 256>;
const ByteFolding& byteFolding(bool matchCase);

// What the user typed, folded to Windows-1252 bytes; nothing when a character has no
// folded form in Windows-1252 and so can stand nowhere in the document.
std::optional<QByteArray> foldQuery(QStringView query, bool matchCase);

} // namespace folia
