#pragma once

#include "FavouritePalette.h"

#include <QImage>
#include <QString>

namespace folia {

// The pictures of the favourite-colours window, drawn off screen.

// The palette area's picture: white, each swatch inset 3 pixels in its cell with a black
// outline. A swatch with a white outline marks the one under the pointer, if any.
QImage paletteImage(const FavouritePalette& palette,
                    std::optional<GridPosition> hovered = std::nullopt);
constexpr QSize kPaletteImageSize{336, 312};

// The colour of the palette's pixel at a point of the palette area: a swatch's fill, its
// outline or the white between swatches.
uint32_t colourAt(const QImage& palette, int x, int y);

// The selected-colour strip: its colour with the label centred in white on black and in
// black on any other colour.
QImage selectedColourStrip(QSize size, uint32_t colour, const QString& label);

} // namespace folia
