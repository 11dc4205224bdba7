#include "MarksPanel.h"

#include "shell/MarkFiles.h"
#include "text/TextSet.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace folia {

MarksPanel::MarksPanel(const TextSet& texts, MarkHandler choose, MarkHandler remove,
                       QWidget* parent)
    : QDockWidget(texts.marksList, parent), m_model(texts), m_list(new QTreeView),
      m_choose(std::move(choose)), m_remove(std::move(remove)) {
    setObjectName(QStringLiteral("marksList"));
    setFeatures(QDockWidget::NoDockWidgetFeatures); // shown and hidden by its menu item
    m_list->setModel(&m_model);
    m_list->setAccessibleName(texts.marksList);
    m_list->setAccessibleDescription(texts.marksListKeys);
    m_list->setUniformRowHeights(true); // a long list is laid out without measuring each row
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(MarksListModel::Kind, 120);
    m_list->setColumnWidth(MarksListModel::Row, 45);
    m_list->setColumnWidth(MarksListModel::Marked, 190);
    m_list->setColumnWidth(MarksListModel::Colours, 55);
    m_list->setColumnWidth(MarksListModel::Target, 55);
    // Pages come open: the marks are what the list is for.
    connect(&m_model, &QAbstractItemModel::rowsInserted, m_list,
            [this](const QModelIndex& under, int first, int last) {
                if (under.isValid()) return;
                for (int row = first; row <= last; ++row)
                    m_list->expand(m_model.index(row, 0));
            });
    connect(m_list, &QTreeView::clicked, this, &MarksPanel::chooseAt);
    connect(m_list, &QTreeView::activated, this, &MarksPanel::chooseAt);
    m_list->installEventFilter(this);

    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(kindFilter(texts), 0, Qt::AlignLeft);
    layout->addWidget(m_list);
    setWidget(contents);
    setFocusProxy(m_list);
}

// A button whose menu ticks the kinds the list shows.
QWidget* MarksPanel::kindFilter(const TextSet& texts) {
    auto* button = new QToolButton;
    button->setText(texts.kindsShown);
    button->setAccessibleName(texts.kindsShown);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setFocusPolicy(Qt::StrongFocus);
    auto* menu = new QMenu(button);
    for (int k = 0; k < kMarkKindCount; ++k) {
        const auto kind = static_cast<MarkKind>(k);
        QAction* shown = menu->addAction(markKindName(kind, texts));
        shown->setCheckable(true);
        shown->setChecked(m_model.isKindShown(kind));
        connect(shown, &QAction::toggled, this,
                [this, kind](bool on) { m_model.setKindShown(kind, on); });
    }
    button->setMenu(menu);
    return button;
}

void MarksPanel::refresh(const Document& document) {
    m_model.refresh(document);
}

void MarksPanel::chooseAt(const QModelIndex& index) {
    if (const ListedMark* mark = m_model.markAt(index)) m_choose(*mark);
}

// Delete in the list takes its mark, before the window's "Remove marks" can take the key.
bool MarksPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool onList = watched == m_list && (event->type() == QEvent::ShortcutOverride ||
                                              event->type() == QEvent::KeyPress);
    if (!onList || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete)
        return QDockWidget::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress)
        if (const ListedMark* mark = m_model.markAt(m_list->currentIndex())) m_remove(*mark);
    return true;
}

} // namespace folia
