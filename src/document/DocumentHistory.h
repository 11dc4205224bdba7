#pragma once

#include "Document.h"

#include <QtGlobal>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace folia {

// One change of the document: the rows of one page it changed, as they were and as they
// became, and the document's serial counter before and after. Records share their texts
// with the document's, so a step costs little more than the fields it changed.
struct ChangeStep {
    struct Row {
        int row = 0;
        LineRecord before;
        LineRecord after;
    };
    uint64_t id = 0; // names the state the step leads to
    int page = 1;
    std::vector<Row> rows; // none when the change added nothing
    int32_t serialBefore = 0;
    int32_t serialAfter = 0;
    qsizetype heldBytes = 0; // what it holds in memory, shared texts counted in full
};

// The changes of the document since it was loaded or imported, for taking them back and
// making them again. It lives in memory only; beyond its bounds the oldest steps go.
class DocumentHistory {
public:
    static constexpr int kMostSteps = 1000;
    static constexpr qsizetype kMostBytes = qsizetype(64) * 1024 * 1024;

    explicit DocumentHistory(int mostSteps = kMostSteps, qsizetype mostBytes = kMostBytes);

    // Forgets every step: a document loaded or imported starts a history of its own.
    void clear();

    // A change of the rows of `page` begins: they are remembered as they are now. A change
    // begun already goes on (the later begin is part of it).
    void beginChange(const Document& document, int page);
    bool changeOpen() const { return m_open.has_value(); }
    // The change ends and becomes the last step, also when no row differs: undoing it then
    // gives back what it found, as going back to its snapshot would. What could be redone
    // is dropped. Nothing without a change begun.
    void endChange(const Document& document);

    bool canUndo() const { return m_applied > 0; }
    bool canRedo() const { return m_applied < m_steps.size(); }
    // Takes the last step back, or makes the next one again, and returns it; nothing when
    // there is none.
    const ChangeStep* undo(Document& document);
    const ChangeStep* redo(Document& document);

    // Names the document's state: the same number whenever the document is in the same
    // state of this history, a new one for every other.
    uint64_t stateId() const;
    size_t stepCount() const { return m_steps.size(); }
    qsizetype heldBytes() const { return m_heldBytes; }

private:
    struct OpenChange {
        int page = 1;
        std::vector<LineRecord> rows; // rows 1..65 as they were
        int32_t serial = 0;
    };
    void keepWithinBounds();

    int m_mostSteps;
    qsizetype m_mostBytes;
    std::deque<ChangeStep> m_steps;
    size_t m_applied = 0; // steps before this one are in the document
    qsizetype m_heldBytes = 0;
    uint64_t m_baseId = 0; // the state before the first step kept
    uint64_t m_nextId = 1;
    std::optional<OpenChange> m_open;
};

} // namespace folia
