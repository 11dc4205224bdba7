#include "PaletteImage.h"

#include "common/ColourWord.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace folia {
namespace {

constexpr int kSwatchInset = 3;
constexpr int kLabelTop = 12;
// A file may hold any geometry; far outside the picture it is all the same to draw.
constexpr int kFarOutside = 1000;

int clamped(int32_t coordinate) {
    return std::clamp<int32_t>(coordinate, -kFarOutside, kFarOutside);
}

void drawSwatch(QPainter& painter, const PaletteCell& cell, const QColor& outline) {
    const int left = clamped(cell.left) + kSwatchInset;
    const int top = clamped(cell.top) + kSwatchInset;
    const int right = clamped(cell.right);
    const int bottom = clamped(cell.bottom);
    if (right <= left || bottom <= top) return; // an empty cell draws nothing
    // The outline covers the first and the last pixel of both spans, as the fill does.
    const QRect swatch(QPoint(left, top), QPoint(right - 1, bottom - 1));
    painter.fillRect(swatch, colourOf(cell.colour));
    painter.setPen(QPen(outline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

QFont labelFont() {
    QFont font(QStringLiteral("Tahoma"), 12, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

QImage paletteImage(const FavouritePalette& palette, std::optional<GridPosition> hovered) {
    QImage image(kPaletteImageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int row = 0; row < FavouritePalette::kRows; ++row)
        for (int column = 0; column < FavouritePalette::kColumns; ++column)
            drawSwatch(painter, palette.cell(column, row), Qt::black);
    if (hovered) drawSwatch(painter, palette.cell(hovered->column, hovered->row), Qt::white);
    return image;
}

uint32_t colourAt(const QImage& palette, int x, int y) {
    if (!palette.valid(x, y)) return FavouritePalette::kWhite;
    return colourWordOf(palette.pixelColor(x, y));
}

QImage selectedColourStrip(QSize size, uint32_t colour, const QString& label) {
    QImage strip(size, QImage::Format_RGB32);
    strip.fill(colourOf(colour));
    QPainter painter(&strip);
    const QFont font = labelFont();
    painter.setFont(font);
    painter.setPen(colour == 0 ? Qt::white : Qt::black);
    const QFontMetrics metrics(font, &strip);
    const int x = (size.width() - metrics.horizontalAdvance(label)) / 2 + 1;
    painter.drawText(x, kLabelTop + metrics.ascent(), label);
    return strip;
}

} // namespace folia
