#pragma once

#include "editor/EditableText.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

namespace folia {

// The editor's text box: "Courier New" 10 with full hinting, one 8-pixel column per
// character, rows of 93 columns as the line layout gives them. It paints only the rows
// in view, from the layout kept up to date edit by edit, so a 10 MB text, one unbroken
// line or many lines, loads and takes keys at once. Its text uses '\n' for hard breaks
// and keeps every character.
class QuilletTextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit QuilletTextBox(QWidget* parent = nullptr);

    const QString& text() const { return m_edit.text(); }
    // Replaces the whole text in one step that Undo takes back; caret at the start.
    void setText(const QString& text);
    const WrappedText& rows() const { return m_edit.wrapped(); }
    std::pair<qsizetype, qsizetype> selection() const;
    // Selects (the caret at `end`) and scrolls the caret into view.
    void select(qsizetype start, qsizetype end);
    void replaceRange(qsizetype start, qsizetype end, const QString& with);
    qsizetype caret() const { return m_edit.caret(); }

    // Where a character's cell is in the box, and the caret place nearest to a point.
    QRect characterRect(qsizetype position) const;
    qsizetype positionAt(QPoint point) const;
    int firstShownRow() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool focusNextPrevChild(bool next) override;

private:
    bool moveCaret(QKeyEvent* event);
    bool moveAlongText(QKeyEvent* event);
    bool moveByRows(QKeyEvent* event);
    bool edit(QKeyEvent* event);
    void caretMoved();
    void textChanged(qsizetype at, const QString& removed, const QString& inserted);
    void ensureCaretVisible();
    void updateScrollBar();
    int rowsInView() const;
    void restartBlink();
    void drawRow(QPainter& painter, qsizetype row, int y) const;
    void copyTo(int clipboardMode) const;

    EditableText m_edit;
    qreal m_advance = 8;
    int m_rowHeight = 16;
    int m_ascent = 12;
    int m_left = 4; // half a column of margin before the first
    bool m_caretShown = true;
    bool m_selecting = false;
    QBasicTimer m_blink;
};

QFont editorFont(bool bold = false);

} // namespace folia
