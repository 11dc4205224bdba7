#pragma once

#include "shell/MarksListModel.h"

#include <QDockWidget>
#include <functional>

class QTreeView;

namespace folia {

class Document;
struct TextSet;

// The marks list docked beside the page: a filter of the kinds shown above the list of
// every mark by page. Clicking a mark or pressing Enter on it hands it to `choose`; Delete
// on it hands it to `remove`.
class MarksPanel : public QDockWidget {
    Q_OBJECT
public:
    using MarkHandler = std::function<void(const ListedMark&)>;
    MarksPanel(const TextSet& texts, MarkHandler choose, MarkHandler remove, QWidget* parent);

    // Lists the document's marks as they are now.
    void refresh(const Document& document);
    MarksListModel& model() { return m_model; }
    QTreeView& list() { return *m_list; }

private:
    QWidget* kindFilter(const TextSet& texts);
    void chooseAt(const QModelIndex& index);
    bool eventFilter(QObject* watched, QEvent* event) override;

    MarksListModel m_model;
    QTreeView* m_list;
    MarkHandler m_choose;
    MarkHandler m_remove;
};

} // namespace folia
