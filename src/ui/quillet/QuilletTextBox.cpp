#include "QuilletTextBox.h"

#include "editor/LineLayout.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
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

QuilletTextBox::QuilletTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(editorFont());
    document()->setDocumentMargin(0);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // A tab is one character of a FOLIA row, so it takes one column here too.
    setTabStopDistance(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
    setTabChangesFocus(false);
}

void QuilletTextBox::fitTextAreaToRow() {
    // The text area is 93 columns plus a quarter column, so that a 94th character never
    // fits, whatever the frame and scroll bar of the style; what is left over becomes a
    // margin of up to half a character on the left and the rest on the right.
    const qreal advance = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
    const int textWidth = int(std::ceil(advance * qreal(kRowColumns) + advance / 4));
    const int inner = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    const int spare = std::max(0, inner - textWidth);
    const int left = std::min(spare, int(advance / 2));
    setViewportMargins(left, 0, spare - left, 0);
}

void QuilletTextBox::resizeEvent(QResizeEvent* event) {
    fitTextAreaToRow();
    QPlainTextEdit::resizeEvent(event);
}

QString QuilletTextBox::text() const {
    // toPlainText would turn no-break spaces into spaces; the raw text keeps them, and
    // only the block and line separators become '\n' (one character each, so offsets
    // stay those of the cursor).
    QString raw = document()->toRawText();
    for (QChar& c : raw)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
    return raw;
}

void QuilletTextBox::setText(const QString& text) {
    setPlainText(text);
}

QList<std::pair<qsizetype, qsizetype>> QuilletTextBox::shownRows() const {
    QList<std::pair<qsizetype, qsizetype>> rows;
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (layout) layout->ensureBlockLayout(block);
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            rows.append({block.position() + line.textStart(), line.textLength()});
        }
    }
    return rows;
}

} // namespace folia
