#include "MarksListModel.h"

#include "MarkFiles.h"
#include "common/ColourWord.h"
#include "document/Document.h"
#include "text/TextSet.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace folia {
namespace {

// Page rows carry no id; a mark's row carries its page.
constexpr quintptr kPageRow = 0;

// The background with the text colour inside it, as the two colours show on the page.
QImage colourSwatch(uint32_t background, uint32_t foreground) {
    QImage swatch(28, 14, QImage::Format_RGB32);
    swatch.fill(colourOf(background));
    QPainter painter(&swatch);
    painter.fillRect(QRect(8, 4, 12, 6), colourOf(foreground));
    painter.setPen(Qt::darkGray);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return swatch;
}

// How many entries two lists share at their start, and then at their end.
std::pair<size_t, size_t> sharedEnds(const std::vector<ListedMark>& a,
                                     const std::vector<ListedMark>& b) {
    const auto head =
        size_t(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
    const auto rest = qsizetype(head);
    const auto tail = size_t(
        std::mismatch(a.rbegin(), a.rend() - rest, b.rbegin(), b.rend() - rest).first - a.rbegin());
    return {head, tail};
}

} // namespace

void MarksListModel::refresh(const Document& document) {
    m_all.clear();
    for (int page = 1; page <= document.pageCount; ++page)
        if (std::vector<ListedMark> marks = listMarksOfPage(document, page); !marks.empty())
            m_all.push_back({page, std::move(marks)});
    show(shownGroups());
}

void MarksListModel::setKindShown(MarkKind kind, bool shown) {
    m_hidden[static_cast<size_t>(kind)] = !shown;
    show(shownGroups());
}

std::vector<MarksListModel::PageMarks> MarksListModel::shownGroups() const {
    std::vector<PageMarks> groups;
    for (const PageMarks& all : m_all) {
        PageMarks shown{all.page, {}};
        std::copy_if(all.marks.begin(), all.marks.end(), std::back_inserter(shown.marks),
                     [this](const ListedMark& mark) { return isKindShown(mark.kind); });
        if (!shown.marks.empty()) groups.push_back(std::move(shown));
    }
    return groups;
}

// Walks both page orders together: pages that left are removed, pages that came are
// inserted, and a page whose marks changed has them replaced.
void MarksListModel::show(std::vector<PageMarks> groups) {
    int row = 0;
    for (PageMarks& group : groups) {
        while (row < int(m_shown.size()) && m_shown[size_t(row)].page < group.page) {
            beginRemoveRows({}, row, row);
            m_shown.erase(m_shown.begin() + row);
            endRemoveRows();
        }
        if (row < int(m_shown.size()) && m_shown[size_t(row)].page == group.page) {
            if (m_shown[size_t(row)].marks != group.marks)
                replaceMarks(row, std::move(group.marks));
        } else {
            beginInsertRows({}, row, row);
            m_shown.insert(m_shown.begin() + row, std::move(group));
            endInsertRows();
        }
        ++row;
    }
    if (row < int(m_shown.size())) {
        beginRemoveRows({}, row, int(m_shown.size()) - 1);
        m_shown.resize(size_t(row));
        endRemoveRows();
    }
}

// Only the marks between the first and the last that differ are replaced: the entries
// before and after them keep their rows.
void MarksListModel::replaceMarks(int groupRow, std::vector<ListedMark> marks) {
    const QModelIndex page = index(groupRow, 0);
    std::vector<ListedMark>& shown = m_shown[size_t(groupRow)].marks;
    const auto [head, tail] = sharedEnds(shown, marks);
    if (head + tail < shown.size()) {
        beginRemoveRows(page, int(head), int(shown.size() - tail) - 1);
        shown.erase(shown.begin() + qsizetype(head), shown.end() - qsizetype(tail));
        endRemoveRows();
    }
    if (head + tail < marks.size()) {
        beginInsertRows(page, int(head), int(marks.size() - tail) - 1);
        shown.insert(shown.begin() + qsizetype(head),
                     std::make_move_iterator(marks.begin() + qsizetype(head)),
                     std::make_move_iterator(marks.end() - qsizetype(tail)));
        endInsertRows();
    }
    emit dataChanged(page, page); // its count
}

int MarksListModel::groupRowOf(int page) const {
    const auto found = std::lower_bound(m_shown.begin(), m_shown.end(), page,
                                        [](const PageMarks& g, int p) { return g.page < p; });
    return found != m_shown.end() && found->page == page ? int(found - m_shown.begin()) : -1;
}

const ListedMark* MarksListModel::markAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == kPageRow) return nullptr;
    const int group = groupRowOf(int(index.internalId()));
    if (group < 0 || index.row() >= int(m_shown[size_t(group)].marks.size())) return nullptr;
    return &m_shown[size_t(group)].marks[size_t(index.row())];
}

int MarksListModel::pageAt(const QModelIndex& index) const {
    if (!index.isValid()) return 0;
    if (index.internalId() != kPageRow) return int(index.internalId());
    return index.row() < int(m_shown.size()) ? m_shown[size_t(index.row())].page : 0;
}

QModelIndex MarksListModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent)) return {};
    if (!parent.isValid()) return createIndex(row, column, kPageRow);
    return createIndex(row, column, quintptr(m_shown[size_t(parent.row())].page));
}

QModelIndex MarksListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kPageRow) return {};
    const int group = groupRowOf(int(child.internalId()));
    return group < 0 ? QModelIndex() : createIndex(group, 0, kPageRow);
}

int MarksListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return int(m_shown.size());
    if (parent.internalId() != kPageRow || parent.column() != 0) return 0;
    return int(m_shown[size_t(parent.row())].marks.size());
}

int MarksListModel::columnCount(const QModelIndex&) const {
    return kColumnCount;
}

QVariant MarksListModel::data(const QModelIndex& index, int role) const {
    if (const ListedMark* mark = markAt(index)) return markData(*mark, index.column(), role);
    const bool text = role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
    if (!index.isValid() || index.column() != Kind || !text) return {};
    const PageMarks& group = m_shown[size_t(index.row())];
    return m_texts.pageWord + QString::number(group.page) + QStringLiteral(" (") +
           QString::number(group.marks.size()) + QLatin1Char(')');
}

QVariant MarksListModel::markData(const ListedMark& mark, int column, int role) const {
    const bool hasColours = mark.background && mark.foreground;
    if (column == Colours && hasColours && role == Qt::DecorationRole)
        return colourSwatch(*mark.background, *mark.foreground);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    switch (column) {
    case Kind:
        return markKindName(mark.kind, m_texts);
    case Row:
        return QString::number(mark.row) +
               (mark.lastRow ? m_texts.rowsTo + QString::number(*mark.lastRow) : QString());
    case Marked:
        return mark.kind == MarkKind::Alignment ? alignmentName(mark.text, m_texts) : mark.text;
    case Colours:
        // Seen as the swatch; told in words.
        if (!hasColours || role == Qt::DisplayRole) return {};
        return colourOf(*mark.foreground).name() + m_texts.colourOn +
               colourOf(*mark.background).name();
    case Target:
        return mark.target ? QVariant(QString::number(*mark.target)) : QVariant();
    case Definition:
        return mark.definition ? QVariant(*mark.definition) : QVariant();
    default:
        return {};
    }
}

QVariant MarksListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QString* names[kColumnCount] = {&m_texts.kindColumn,   &m_texts.rowColumn,
                                          &m_texts.markedColumn, &m_texts.coloursColumn,
                                          &m_texts.targetColumn, &m_texts.definitionColumn};
    return section >= 0 && section < kColumnCount ? QVariant(*names[section]) : QVariant();
}

} // namespace folia
