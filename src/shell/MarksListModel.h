#pragma once

#include "view/MarkCatalogue.h"

#include <QAbstractItemModel>
#include <bitset>
#include <vector>

namespace folia {

class Document;
struct TextSet;

// The marks list beside the page: a tree of the pages that have marks, each holding its
// marks in row order, with the columns of MarksListModel::Column. The filter hides kinds.
// Texts are made when a view asks for them, so a long list costs only what is shown.
class MarksListModel : public QAbstractItemModel {
public:
    enum Column { Kind, Row, Marked, Colours, Target, Definition, kColumnCount };

    explicit MarksListModel(const TextSet& texts) : m_texts(texts) {}

    // Reads the document's marks again. Pages whose shown marks did not change keep their
    // rows, so the view keeps its place, its selection and what is expanded.
    void refresh(const Document& document);
    void setKindShown(MarkKind kind, bool shown);
    bool isKindShown(MarkKind kind) const { return !m_hidden[static_cast<size_t>(kind)]; }

    // The mark at a mark's row; nothing for a page's row.
    const ListedMark* markAt(const QModelIndex& index) const;
    // The page of a page's row or of a mark's row.
    int pageAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct PageMarks {
        int page = 0;
        std::vector<ListedMark> marks;
    };
    // The groups the filter lets through, then shown in place of the present ones.
    std::vector<PageMarks> shownGroups() const;
    void show(std::vector<PageMarks> groups);
    void replaceMarks(int groupRow, std::vector<ListedMark> marks);
    int groupRowOf(int page) const;
    QVariant markData(const ListedMark& mark, int column, int role) const;

    const TextSet& m_texts;
    std::vector<PageMarks> m_all;   // every page with marks
    std::vector<PageMarks> m_shown; // the rows of the tree
    std::bitset<kMarkKindCount> m_hidden;
};

} // namespace folia
