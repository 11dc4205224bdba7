#include "QuilletTextBoxAccessible.h"

#include "QuilletTextBox.h"

#include <QAccessibleWidget>

namespace folia {
namespace {

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QuilletTextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return box()->text();
        return QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        const auto [from, to] = box()->selection();
        const bool any = index == 0 && from != to;
        *start = any ? int(from) : 0;
        *end = any ? int(to) : 0;
    }
    int selectionCount() const override {
        const auto [from, to] = box()->selection();
        return from != to ? 1 : 0;
    }
    void addSelection(int start, int end) override { box()->select(start, end); }
    void removeSelection(int) override { box()->select(box()->caret(), box()->caret()); }
    void setSelection(int, int start, int end) override { box()->select(start, end); }

    int cursorPosition() const override { return int(box()->caret()); }
    void setCursorPosition(int position) override { box()->select(position, position); }

    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }

    QRect characterRect(int offset) const override {
        const QRect cell = box()->characterRect(offset);
        return QRect(box()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return int(box()->positionAt(box()->viewport()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int) override { box()->select(start, start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return QString();
    }

    void deleteText(int start, int end) override { box()->replaceRange(start, end, QString()); }
    void insertText(int offset, const QString& text) override {
        box()->replaceRange(offset, offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        box()->replaceRange(start, end, text);
    }

private:
    QuilletTextBox* box() const { return static_cast<QuilletTextBox*>(widget()); }
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(QuilletTextBox::staticMetaObject.className())) return nullptr;
    auto* box = qobject_cast<QuilletTextBox*>(object);
    return box ? new TextBoxAccessible(box) : nullptr;
}

} // namespace

void installTextBoxAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(textBoxAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace folia
