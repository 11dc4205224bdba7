#include "TextBox.h"

#include "settings/Settings.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace folia {
namespace {

constexpr int kDefaultPointSize = 10;
constexpr int kMaxPointSize = 200;
constexpr double kJustifyThreshold = 0.8;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ');
}

QString withoutLeadingBlanks(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    return text.mid(first);
}

bool hasNonBlank(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return !isBlank(c); });
}

// The number of leading characters that fit in the box (advances grow with the length,
// so a binary search finds it).
qsizetype fittingLength(const QString& text, const QFontMetrics& metrics) {
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= kTextBoxWidth)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

// One split: the part that stays on this line and the rest, which starts with the blank
// the line was broken at.
std::pair<QString, QString> splitPiece(const QString& piece, const QFontMetrics& metrics) {
    if (metrics.horizontalAdvance(piece) <= kTextBoxWidth) return {piece, QString()};
    const qsizetype firstMisfit = fittingLength(piece, metrics);
    const qsizetype blank = piece.lastIndexOf(QLatin1Char(' '), firstMisfit);
    if (blank > 0 && hasNonBlank(piece.left(blank))) return {piece.left(blank), piece.mid(blank)};
    // No blank to go back to: break the word where it leaves the box (always move on by at
    // least one character, whatever the font).
    const qsizetype cut = std::max<qsizetype>(firstMisfit, 1);
    return {piece.left(cut), piece.mid(cut)};
}

int alignedX(int alignment, int x, int width) {
    switch (alignment) {
    case AlignRight:
        return x + (kTextBoxWidth - width) - 3;
    case AlignLeft:
    case AlignJustified:
        return x;
    default: // centre, and the two centring variants 135 and 136
        return x + (kTextBoxWidth - width) / 2;
    }
}

// Spreads `extra` pixels over the blanks of the piece, the first blanks taking the
// remainder, and draws it from x.
void drawStretched(QPainter& painter, const QFontMetrics& metrics, const QString& piece, int x,
                   int baseline, int extra) {
    const auto blanks = static_cast<int>(piece.count(QLatin1Char(' ')));
    const int share = extra / blanks;
    int remainder = extra % blanks;
    qsizetype start = 0;
    while (start < piece.size()) {
        qsizetype end = start;
        while (end < piece.size() && !isBlank(piece[end]))
            ++end;
        const QString word = piece.mid(start, end - start);
        painter.drawText(x, baseline, word);
        x += metrics.horizontalAdvance(word);
        if (end < piece.size()) {
            x += metrics.horizontalAdvance(QLatin1Char(' ')) + share + (remainder > 0 ? 1 : 0);
            if (remainder > 0) --remainder;
        }
        start = end + 1;
    }
}

bool isDrawnAlignment(int alignment) {
    return alignment >= AlignLeft && alignment <= AlignJustified + 2;
}

} // namespace

QFont labelFont(int pointSize, bool bold, bool italic, bool underline) {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(pointSize <= 0 ? kDefaultPointSize : std::min(pointSize, kMaxPointSize));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QStringList wrapTextBox(const QString& text, const QFontMetrics& metrics) {
    QStringList pieces;
    auto [first, rest] = splitPiece(text, metrics);
    pieces << first;
    while (!rest.isEmpty()) {
        if (pieces.size() == kTextBoxMaxPieces - 1) {
            pieces << rest; // whatever is left stays whole in the last piece
            break;
        }
        auto [line, next] = splitPiece(rest, metrics);
        pieces << withoutLeadingBlanks(line);
        rest = withoutLeadingBlanks(next);
    }
    return pieces;
}

void drawTextBox(QImage& target, const QString& text, int alignment, int x, int y,
                 const QFont& font, const QColor& colour) {
    QPainter painter(&target);
    drawTextBox(painter, text, alignment, x, y, font, colour);
}

void drawTextBox(QPainter& painter, const QString& text, int alignment, int x, int y,
                 const QFont& font, const QColor& colour) {
    if (!isDrawnAlignment(alignment)) return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(colour);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font, painter.device());

    const QStringList pieces = wrapTextBox(text.left(kTextBoxMaxLength), metrics);
    int widest = 0;
    for (const QString& piece : pieces)
        widest = std::max(widest, metrics.horizontalAdvance(piece));

    int top = y;
    for (const QString& piece : pieces) {
        const int width = metrics.horizontalAdvance(piece);
        const int baseline = top + metrics.ascent();
        const bool stretch = alignment == AlignJustified && width < widest &&
                             width >= kJustifyThreshold * widest &&
                             piece.contains(QLatin1Char(' '));
        if (stretch)
            drawStretched(painter, metrics, piece, x, baseline, widest - width);
        else if (!piece.isEmpty())
            painter.drawText(alignedX(alignment, x, width), baseline, piece);
        top += metrics.lineSpacing();
    }
    painter.restore();
}

} // namespace folia
