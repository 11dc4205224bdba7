#include "InlineSymbolPainter.h"

#include "InlineSymbols.h"
#include "RowLayout.h"
#include "document/LineRecord.h"
#include "marks/CharacterGrid.h"

#include <QPainter>
#include <QPolygon>
#include <array>
#include <optional>

namespace folia {
namespace {

// The backing box covers the token's cells from 3 to 13 pixels below the row's top.
void drawBacking(QPainter& painter, int column, int top, int cells, const QColor& backing) {
    painter.fillRect(grid::columnLeft(column), top + 3, cells * grid::kCellWidth, 11, backing);
}

// The bullet shapes, anchored at x (left edge of the token's second cell), y = top + 6.
void drawBullet(QPainter& painter, int number, int x, int y) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    switch (number) {
    case 1:
        painter.fillRect(x, y, 7, 7, Qt::black);
        break;
    case 2:
        painter.drawEllipse(QRect(x, y, 4, 4));
        break; // 5 x 5 pixels with the outline
    case 3:
        painter.drawPolygon(
            QPolygon({QPoint(x, y), QPoint(x + 4, y - 4), QPoint(x + 8, y), QPoint(x + 4, y + 4)}));
        break;
    case 4:
        painter.drawPolygon(QPolygon({QPoint(x, y - 4), QPoint(x + 7, y), QPoint(x, y + 4)}));
        break;
    default:
        break;
    }
}

QImage loadSymbol(int number) {
    const QImage source(QStringLiteral(":/symbols/%1.png").arg(number));
    if (source.isNull()) return {};
    const bool flat = number == 9 || number == 22;
    return withMagentaKey(source.scaled(18, flat ? 12 : 18, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation)); // no blending into the key
}

} // namespace

QImage withMagentaKey(const QImage& picture) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb rgb = line[x] & 0xFFFFFF;
            line[x] = rgb == 0xFF00FF ? 0 : (rgb | 0xFF000000u);
        }
    }
    return keyed;
}

QImage symbolPicture(int number) {
    if (number < 1 || number > 99) return {};
    // Decoded and scaled once: pages are redrawn after every edit.
    static auto* cache = new std::array<std::optional<QImage>, 100>();
    auto& slot = (*cache)[number];
    if (!slot) slot = loadSymbol(number);
    return *slot;
}

void drawInlineSymbols(QPainter& painter, const LineRecord& record, int row,
                       const QColor& backing) {
    if (record.imageStart != 0) return;
    const QByteArray text = record.text(TextField::Text);
    const int top = grid::rowTop(row);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const InlineSymbol& symbol : findInlineSymbols(text)) {
        if (symbol.position > grid::kShownCharacters) continue;
        const int column = columnOfCharacter(record, symbol.position);
        const int x = grid::columnLeft(column + 1);
        drawBacking(painter, column, top, symbol.length(), backing);
        if (symbol.kind == InlineSymbol::Kind::Bullet)
            drawBullet(painter, symbol.number, x, top + 6);
        else
            painter.drawImage(x, top, symbolPicture(symbol.number));
    }
    painter.restore();
}

} // namespace folia
