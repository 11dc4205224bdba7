#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace folia {

struct TextSet;

// The bar below the page view that finds in the document: the text to find, "Match
// case", the counter and the buttons to the previous and the next hit. It only asks;
// what is found and shown is decided below it.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(const TextSet& texts, QWidget* parent);

    // Shows the bar with the text to find ready to be typed over.
    void open();
    QString query() const;
    bool matchCase() const;
    // The counter's text; `nothingFound` shows in the text box too.
    void showCounter(const QString& counter, bool nothingFound);
    // What a screen reader says about the current hit: its row.
    void describeCurrentHit(const QString& description);

signals:
    void queryChanged();
    void nextAsked();
    void previousAsked();
    void closeAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QLabel* m_counter;
    QToolButton* m_previous;
    QToolButton* m_next;
};

} // namespace folia
