// The text box's keyboard: the keys it keeps from the window's shortcuts, caret moves,
// edits, the clipboard and the input method.
#include "QuilletTextBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <cstdlib>
#include <functional>

namespace folia {

bool QuilletTextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The box's own keys are not shortcuts of the window.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plainText = !key->text().isEmpty() && key->text()[0].isPrint() &&
                               !(key->modifiers() & Qt::ControlModifier);
        if (plainText || key == QKeySequence::Copy || key == QKeySequence::Cut ||
            key == QKeySequence::Paste || key == QKeySequence::Undo || key == QKeySequence::Redo ||
            key == QKeySequence::SelectAll || key->key() == Qt::Key_Home ||
            key->key() == Qt::Key_End || key->key() == Qt::Key_Left ||
            key->key() == Qt::Key_Right || key->key() == Qt::Key_Backspace ||
            key->key() == Qt::Key_Delete) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool QuilletTextBox::focusNextPrevChild(bool) {
    // Tab is a character of the text.
    return false;
}

void QuilletTextBox::keyPressEvent(QKeyEvent* event) {
    if (moveCaret(event) || edit(event)) {
        event->accept();
        caretMoved();
        return;
    }
    event->ignore();
}

bool QuilletTextBox::moveCaret(QKeyEvent* event) {
    if (moveAlongText(event) || moveByRows(event)) return true;
    if (event == QKeySequence::SelectAll) {
        m_edit.select(0, m_edit.text().size());
        copyTo(QClipboard::Selection);
        return true;
    }
    return false;
}

bool QuilletTextBox::moveAlongText(QKeyEvent* event) {
    struct Move {
        QKeySequence::StandardKey move, select;
        std::function<qsizetype(qsizetype)> target;
    };
    const qsizetype size = m_edit.text().size();
    const Move moves[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar,
         [this](qsizetype p) { return m_edit.characterAfter(p); }},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar,
         [this](qsizetype p) { return m_edit.characterBefore(p); }},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord,
         [this](qsizetype p) { return m_edit.wordAfter(p); }},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord,
         [this](qsizetype p) { return m_edit.wordBefore(p); }},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine,
         [this](qsizetype p) { return m_edit.rowStartOf(p); }},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine,
         [this](qsizetype p) { return m_edit.rowEndOf(p); }},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument,
         [](qsizetype) { return qsizetype(0); }},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument,
         [size](qsizetype) { return size; }},
    };
    for (const Move& move : moves) {
        const bool extend = event->matches(move.select);
        if (!extend && !event->matches(move.move)) continue;
        // A plain arrow on a selection lands at its edge.
        if (!extend && m_edit.hasSelection() &&
            (move.move == QKeySequence::MoveToNextChar ||
             move.move == QKeySequence::MoveToPreviousChar))
            m_edit.moveTo(move.move == QKeySequence::MoveToNextChar ? m_edit.selectionEnd()
                                                                    : m_edit.selectionStart(),
                          false);
        else
            m_edit.moveTo(move.target(m_edit.caret()), extend);
        return true;
    }
    return false;
}

bool QuilletTextBox::moveByRows(QKeyEvent* event) {
    const struct {
        QKeySequence::StandardKey move, select;
        qsizetype rows;
    } verticals[] = {
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, 1},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, -1},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, rowsInView()},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, -rowsInView()},
    };
    for (const auto& vertical : verticals) {
        const bool extend = event->matches(vertical.select);
        if (!extend && !event->matches(vertical.move)) continue;
        const int scroll = std::abs(vertical.rows) > 1 ? int(vertical.rows) : 0;
        m_edit.moveByRows(vertical.rows, extend);
        verticalScrollBar()->setValue(firstShownRow() + scroll);
        return true;
    }
    return false;
}

bool QuilletTextBox::edit(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copyTo(QClipboard::Clipboard);
    } else if (event == QKeySequence::Cut) {
        copyTo(QClipboard::Clipboard);
        m_edit.eraseTo(m_edit.caret());
    } else if (event == QKeySequence::Paste) {
        m_edit.type(QGuiApplication::clipboard()->text());
    } else if (event == QKeySequence::Undo) {
        m_edit.undo();
    } else if (event == QKeySequence::Redo) {
        m_edit.redo();
    } else if (event == QKeySequence::DeleteStartOfWord) {
        m_edit.eraseTo(m_edit.wordBefore(m_edit.caret()));
    } else if (event == QKeySequence::DeleteEndOfWord) {
        m_edit.eraseTo(m_edit.wordAfter(m_edit.caret()));
    } else if (event == QKeySequence::Delete) {
        m_edit.eraseTo(m_edit.characterAfter(m_edit.caret()));
    } else if (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier)) {
        m_edit.eraseTo(m_edit.characterBefore(m_edit.caret()));
    } else if (event == QKeySequence::InsertParagraphSeparator ||
               event == QKeySequence::InsertLineSeparator) {
        m_edit.type(u"\n");
    } else if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier) {
        m_edit.type(u"\t");
    } else {
        const QString typed = event->text();
        const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (typed.isEmpty() || control || !typed[0].isPrint()) return false;
        m_edit.type(typed);
    }
    return true;
}

void QuilletTextBox::copyTo(int clipboardMode) const {
    const auto mode = QClipboard::Mode(clipboardMode);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (m_edit.hasSelection() && (mode == QClipboard::Clipboard || clipboard->supportsSelection()))
        clipboard->setText(m_edit.selectedText(), mode);
}
void QuilletTextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        m_edit.type(event->commitString());
        caretMoved();
    }
    event->accept();
}

QVariant QuilletTextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return characterRect(m_edit.caret());
    case Qt::ImFont:
        return font();
    case Qt::ImHints:
        return int(Qt::ImhMultiLine);
    case Qt::ImCursorPosition:
        return int(m_edit.caret() - m_edit.rowStartOf(m_edit.caret()));
    case Qt::ImAnchorPosition:
        return int(std::clamp(m_edit.anchor() - m_edit.rowStartOf(m_edit.caret()), qsizetype(0),
                              kRowColumns));
    case Qt::ImSurroundingText: {
        const DisplayLine row = m_edit.wrapped().row(m_edit.wrapped().rowOf(m_edit.caret()));
        return m_edit.text().mid(
            row.start, m_edit.wrapped().rowEnd(m_edit.wrapped().rowOf(m_edit.caret())) - row.start);
    }
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

} // namespace folia
