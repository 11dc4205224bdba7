#include "TickBoxes.h"

#include "common/ColourWord.h"
#include "marks/CharacterGrid.h"

#include <QPainter>

namespace folia::tickbox {
namespace {

const QColor kSilver = colourOf(kSilverWord);
constexpr int kBoxInset = 3;
constexpr int kBoxSize = 12;
constexpr int kMarkInset = 5;
constexpr int kMarkSize = 8;

} // namespace

Shape shapeFromSetting(int value) {
    return value == 0 ? Shape::Square : Shape::Round;
}

void drawEmpty(QPainter& painter, int row, Shape shape) {
    painter.setPen(QPen(kSilver, 1));
    painter.setBrush(Qt::NoBrush);
    // A 1-pixel outline of an 11 x 11 rectangle covers 12 x 12 pixels.
    const QRect box(grid::columnLeft(1) + kBoxInset, grid::rowTop(row) + kBoxInset, kBoxSize - 1,
                    kBoxSize - 1);
    if (shape == Shape::Square)
        painter.drawRect(box);
    else
        painter.drawEllipse(box);
}

void drawTick(QPainter& painter, int row) {
    painter.fillRect(kMarkInset, grid::rowTop(row) + kMarkInset, kMarkSize, kMarkSize, kSilver);
}

bool contains(int row, int px, int py) {
    const int top = grid::rowTop(row);
    return px >= kBoxInset && px <= kBoxInset + kBoxSize && py >= top + kBoxInset &&
           py <= top + kBoxInset + kBoxSize;
}

} // namespace folia::tickbox
