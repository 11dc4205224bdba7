#pragma once

#include <QPlainTextEdit>

namespace folia {

// The editor's text box: "Courier New" 10 with full hinting, so that every character
// advances exactly one 8-pixel column, and a text area exactly 93 columns wide, so that
// Qt's wrap gives the rows of LineLayout. Its text uses '\n' for hard breaks and keeps
// every character (no-break spaces included).
class QuilletTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit QuilletTextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // The rows as the box lays them out: (offset of the first character, characters).
    QList<std::pair<qsizetype, qsizetype>> shownRows() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitTextAreaToRow();
};

QFont editorFont(bool bold = false);

} // namespace folia
