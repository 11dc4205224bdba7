#include "DocumentHistory.h"

namespace folia {
namespace {

qsizetype heldBytesOf(const LineRecord& record) {
    return qsizetype(sizeof(LineRecord)) + record.heldTextBytes();
}

void putRows(Document& document, const ChangeStep& step, bool after) {
    for (const ChangeStep::Row& row : step.rows)
        document.editRow(step.page, row.row) = after ? row.after : row.before;
    document.markSerial = after ? step.serialAfter : step.serialBefore;
}

} // namespace

DocumentHistory::DocumentHistory(int mostSteps, qsizetype mostBytes)
    : m_mostSteps(mostSteps), m_mostBytes(mostBytes) {}

void DocumentHistory::clear() {
    m_steps.clear();
    m_applied = 0;
    m_heldBytes = 0;
    m_baseId = m_nextId++;
    m_open.reset();
}

void DocumentHistory::beginChange(const Document& document, int page) {
    if (m_open || !Document::isValidPlace(page, 1)) return;
    // Built whole, not emplaced: clang cannot default-construct a nested struct with member
    // initialisers here.
    m_open = OpenChange{page, {}, document.markSerial};
    OpenChange& open = *m_open;
    open.rows.reserve(Document::kRowsPerPage);
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        open.rows.push_back(document.row(page, row));
}

void DocumentHistory::endChange(const Document& document) {
    if (!m_open) return;
    ChangeStep step;
    step.id = m_nextId++;
    step.page = m_open->page;
    step.serialBefore = m_open->serial;
    step.serialAfter = document.markSerial;
    step.heldBytes = qsizetype(sizeof(ChangeStep));
    for (int row = 1; row <= Document::kRowsPerPage; ++row) {
        const LineRecord& before = m_open->rows[size_t(row - 1)];
        const LineRecord& after = document.row(step.page, row);
        if (before == after) continue;
        step.rows.push_back({row, before, after});
        step.heldBytes += heldBytesOf(before) + heldBytesOf(after);
    }
    m_open.reset();
    while (canRedo()) {
        m_heldBytes -= m_steps.back().heldBytes;
        m_steps.pop_back();
    }
    m_heldBytes += step.heldBytes;
    m_steps.push_back(std::move(step));
    ++m_applied;
    keepWithinBounds();
}

void DocumentHistory::keepWithinBounds() {
    while (!m_steps.empty() &&
           (m_steps.size() > size_t(m_mostSteps) || m_heldBytes > m_mostBytes)) {
        m_baseId = m_steps.front().id;
        m_heldBytes -= m_steps.front().heldBytes;
        m_steps.pop_front();
        if (m_applied > 0) --m_applied;
    }
}

const ChangeStep* DocumentHistory::undo(Document& document) {
    if (!canUndo()) return nullptr;
    const ChangeStep& step = m_steps[--m_applied];
    putRows(document, step, false);
    return &step;
}

const ChangeStep* DocumentHistory::redo(Document& document) {
    if (!canRedo()) return nullptr;
    const ChangeStep& step = m_steps[m_applied++];
    putRows(document, step, true);
    return &step;
}

uint64_t DocumentHistory::stateId() const {
    return m_applied == 0 ? m_baseId : m_steps[m_applied - 1].id;
}

} // namespace folia
