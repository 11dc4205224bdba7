#include "FindBar.h"

#include "text/TextSet.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace folia {
namespace {

QToolButton* button(const QString& text, Qt::ArrowType arrow, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setAccessibleName(text);
    b->setToolTip(text);
    b->setArrowType(arrow);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

FindBar::FindBar(const TextSet& texts, QWidget* parent)
    : QWidget(parent), m_text(new QLineEdit(this)),
      m_matchCase(new QCheckBox(texts.findMatchCase, this)), m_counter(new QLabel(this)),
      m_previous(button(texts.previousHit, Qt::UpArrow, this)),
      m_next(button(texts.nextHit, Qt::DownArrow, this)) {
    setAccessibleName(texts.findBarName);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // the page takes the rest
    m_text->setAccessibleName(texts.find);
    m_text->setPlaceholderText(texts.find);
    m_text->setMinimumWidth(240);
    m_text->installEventFilter(this);
    // No accessible name of its own: a screen reader then says the count it shows.
    m_counter->setMinimumWidth(120);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(m_text);
    row->addWidget(m_matchCase);
    row->addWidget(m_counter);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addStretch();

    connect(m_text, &QLineEdit::textChanged, this, &FindBar::queryChanged);
    connect(m_matchCase, &QCheckBox::toggled, this, &FindBar::queryChanged);
    connect(m_previous, &QToolButton::clicked, this, &FindBar::previousAsked);
    connect(m_next, &QToolButton::clicked, this, &FindBar::nextAsked);
    // F3 works wherever the focus is in the window, while the bar is shown.
    auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this, this, &FindBar::nextAsked);
    auto* shiftF3 =
        new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this, this, &FindBar::previousAsked);
    for (QShortcut* s : {f3, shiftF3})
        s->setContext(Qt::WindowShortcut);
    hide();
}

void FindBar::open() {
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

QString FindBar::query() const {
    return m_text->text();
}

bool FindBar::matchCase() const {
    return m_matchCase->isChecked();
}

void FindBar::showCounter(const QString& counter, bool nothingFound) {
    m_counter->setText(counter);
    m_text->setStyleSheet(nothingFound ? QStringLiteral("QLineEdit { background: #ffd0d0; }")
                                       : QString());
}

void FindBar::describeCurrentHit(const QString& description) {
    if (m_text->accessibleDescription() != description)
        m_text->setAccessibleDescription(description);
}

// Enter and Shift+Enter in the text box go to the next and the previous hit.
bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                emit previousAsked();
            else
                emit nextAsked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeAsked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace folia
