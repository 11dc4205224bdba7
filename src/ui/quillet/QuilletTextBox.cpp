#include "QuilletTextBox.h"

#include "QuilletTextBoxAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <cmath>

namespace folia {

QFont editorFont(bool bold) {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(bold);
    // Without full hinting the advance is 7.8 pixels and rows would hold 95 characters.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

namespace {

bool isLatin1Printable(QStringView row) {
    return std::all_of(row.begin(), row.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x100; });
}

} // namespace

QuilletTextBox::QuilletTextBox(QWidget* parent) : QAbstractScrollArea(parent) {
    installTextBoxAccessibility();
    setFont(editorFont());
    const QFontMetricsF metrics(font());
    m_advance = metrics.horizontalAdvance(QLatin1Char('0'));
    m_rowHeight = int(std::ceil(metrics.lineSpacing()));
    m_ascent = int(std::ceil(metrics.ascent()));
    m_left = int(m_advance / 2);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    m_edit.onChange([this](qsizetype at, const QString& removed, const QString& inserted) {
        textChanged(at, removed, inserted);
    });
    updateScrollBar();
}

void QuilletTextBox::setText(const QString& text) {
    m_edit.setText(text);
    verticalScrollBar()->setValue(0);
    caretMoved();
}

std::pair<qsizetype, qsizetype> QuilletTextBox::selection() const {
    return {m_edit.selectionStart(), m_edit.selectionEnd()};
}

void QuilletTextBox::select(qsizetype start, qsizetype end) {
    m_edit.select(start, end);
    caretMoved();
}

void QuilletTextBox::replaceRange(qsizetype start, qsizetype end, const QString& with) {
    m_edit.replaceRange(start, end, with);
    caretMoved();
}

int QuilletTextBox::firstShownRow() const {
    return verticalScrollBar()->value();
}

int QuilletTextBox::rowsInView() const {
    return std::max(1, viewport()->height() / m_rowHeight);
}

void QuilletTextBox::updateScrollBar() {
    const qsizetype rows = m_edit.wrapped().rowCount();
    const int inView = rowsInView();
    verticalScrollBar()->setPageStep(inView);
    verticalScrollBar()->setRange(0, int(std::max<qsizetype>(0, rows - inView)));
}

void QuilletTextBox::ensureCaretVisible() {
    const int row = int(m_edit.wrapped().rowOf(m_edit.caret()));
    const int first = firstShownRow();
    if (row < first)
        verticalScrollBar()->setValue(row);
    else if (row >= first + rowsInView())
        verticalScrollBar()->setValue(row - rowsInView() + 1);
}

void QuilletTextBox::textChanged(qsizetype at, const QString& removed, const QString& inserted) {
    updateScrollBar();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(this, int(at), removed, inserted);
        QAccessible::updateAccessibility(&update);
    }
}

void QuilletTextBox::caretMoved() {
    ensureCaretVisible();
    restartBlink();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, int(m_edit.caret()));
        QAccessible::updateAccessibility(&moved);
        QAccessibleTextSelectionEvent selected(this, int(m_edit.selectionStart()),
                                               int(m_edit.selectionEnd()));
        QAccessible::updateAccessibility(&selected);
    }
    if (inputMethodQuery(Qt::ImEnabled).toBool() && hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle | Qt::ImCursorPosition);
}

void QuilletTextBox::restartBlink() {
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void QuilletTextBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_blink.timerId()) return QAbstractScrollArea::timerEvent(event);
    m_caretShown = !m_caretShown;
    viewport()->update(characterRect(m_edit.caret()).adjusted(-1, 0, 1, 0));
}

QRect QuilletTextBox::characterRect(qsizetype position) const {
    const WrappedText& rows = m_edit.wrapped();
    const qsizetype row = rows.rowOf(position);
    const qsizetype column = std::min(position - rows.row(row).start, kRowColumns);
    const int y = int(row - firstShownRow()) * m_rowHeight;
    return QRect(m_left + int(std::lround(qreal(column) * m_advance)), y,
                 int(std::lround(m_advance)), m_rowHeight);
}

qsizetype QuilletTextBox::positionAt(QPoint point) const {
    const WrappedText& rows = m_edit.wrapped();
    const qsizetype row = std::clamp<qsizetype>(
        firstShownRow() + qsizetype(std::floor(qreal(point.y()) / m_rowHeight)), 0,
        rows.rowCount() - 1);
    const qsizetype column = qsizetype(std::lround((point.x() - m_left) / m_advance));
    return m_edit.positionOnRow(row, std::min(column, kRowColumns));
}

void QuilletTextBox::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    painter.setFont(font());
    const qsizetype first = firstShownRow();
    const qsizetype last =
        std::min(m_edit.wrapped().rowCount(), first + viewport()->height() / m_rowHeight + 1);
    for (qsizetype row = first; row < last; ++row)
        drawRow(painter, row, int(row - first) * m_rowHeight);
    if (hasFocus() && m_caretShown && !m_edit.hasSelection()) {
        const QRect cell = characterRect(m_edit.caret());
        painter.fillRect(cell.left(), cell.top(), 1, cell.height(),
                         palette().color(QPalette::Text));
    }
}

void QuilletTextBox::drawRow(QPainter& painter, qsizetype row, int y) const {
    const WrappedText& rows = m_edit.wrapped();
    const DisplayLine line = rows.row(row);
    QString shown = m_edit.text().mid(line.start, line.length);
    shown.replace(u'\t', u' ');
    const auto drawText = [&](qsizetype from, qsizetype count) {
        const QString piece = shown.mid(from, count);
        const qreal x = m_left + qreal(from) * m_advance;
        if (isLatin1Printable(piece)) {
            painter.drawText(QPointF(x, y + m_ascent), piece);
            return;
        }
        // Glyphs from other fonts keep to their cells, as the layout counts them.
        for (qsizetype i = 0; i < piece.size(); ++i)
            if (piece[i].unicode() >= 0x20)
                painter.drawText(QPointF(x + qreal(i) * m_advance, y + m_ascent),
                                 QString(piece[i]));
    };
    painter.setPen(palette().color(QPalette::Text));
    drawText(0, shown.size());

    // The selection: the row's selected cells, and one more for a selected hard break.
    const qsizetype end = rows.rowEnd(row);
    const bool breakSelected = !rows.endsAtSoftWrap(row) && end < m_edit.text().size() &&
                               m_edit.selectionStart() <= end && m_edit.selectionEnd() > end;
    const qsizetype from = std::max(m_edit.selectionStart(), line.start) - line.start;
    const qsizetype to = std::min(
        std::min(m_edit.selectionEnd(), end) - line.start + (breakSelected ? 1 : 0), kRowColumns);
    if (from >= to) return;
    const QRectF cells(m_left + qreal(from) * m_advance, y, qreal(to - from) * m_advance,
                       m_rowHeight);
    painter.fillRect(cells, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.save();
    painter.setClipRect(cells);
    drawText(from, to - from);
    painter.restore();
}

void QuilletTextBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void QuilletTextBox::mousePressEvent(QMouseEvent* event) {
    const qsizetype at = positionAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_edit.moveTo(at, event->modifiers() & Qt::ShiftModifier);
        m_selecting = true;
    } else if (event->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection()) {
        m_edit.moveTo(at, false);
        m_edit.type(QGuiApplication::clipboard()->text(QClipboard::Selection));
    } else {
        return;
    }
    caretMoved();
}

void QuilletTextBox::mouseMoveEvent(QMouseEvent* event) {
    if (!m_selecting) return;
    QPoint point = event->position().toPoint();
    // Dragging past the top or bottom scrolls a row at a time.
    if (point.y() < 0) verticalScrollBar()->setValue(firstShownRow() - 1);
    if (point.y() >= viewport()->height()) verticalScrollBar()->setValue(firstShownRow() + 1);
    point.setY(std::clamp(point.y(), 0, viewport()->height() - 1));
    m_edit.moveTo(positionAt(point), true);
    caretMoved();
}

void QuilletTextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_selecting = false;
    copyTo(QClipboard::Selection);
}

void QuilletTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const auto [start, end] = m_edit.wordAround(positionAt(event->position().toPoint()));
    m_edit.select(start, end);
    copyTo(QClipboard::Selection);
    caretMoved();
}

void QuilletTextBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void QuilletTextBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    viewport()->update();
}

} // namespace folia
