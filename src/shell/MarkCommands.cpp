#include "MarkCommands.h"

#include "AppState.h"
#include "CommandIds.h"
#include "DocumentActions.h"
#include "MainView.h"
#include "MarkRemovalChange.h"
#include "PageActions.h"
#include "PageInteraction.h"
#include "PagePrompt.h"
#include "common/Cp1252.h"
#include "common/EventPump.h"
#include "marks/MarkEntryBuilders.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"

#include <QElapsedTimer>
#include <QThread>

namespace folia {
namespace {

using namespace command;

constexpr int kLongestAnswer = 255;
constexpr int kVerticalLinePauseMs = 1000;

// Waits while the window keeps painting; user input waits for the end of the pause.
void responsivePause(int milliseconds) {
    EventPump pump;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < milliseconds) {
        pump.pumpNow();
        QThread::msleep(10);
    }
}

RowAlignment alignmentOfCommand(int commandId) {
    return commandId == AlignRowsLeft     ? RowAlignment::Left
           : commandId == AlignRowsCentre ? RowAlignment::Centre
                                          : RowAlignment::Right;
}

} // namespace

MarkCommands::MarkCommands(AppState& state, MainView& view, Prompts& prompts,
                           PageInteraction& interaction)
    : m_state(state), m_view(view), m_prompts(prompts), m_interaction(interaction),
      m_pause(responsivePause) {}

bool MarkCommands::run(int commandId) {
    switch (commandId) {
    case TickControl:
        toggleTickMode();
        return true;
    case AlignRowsLeft:
    case AlignRowsCentre:
    case AlignRowsRight:
        align(commandId);
        return true;
    case UnderlineFullHorizontal:
        fullHorizontalLine();
        return true;
    case UnderlineVertical:
        verticalLine();
        return true;
    case UnderlinePieceHorizontal:
    case UnderlinePieceTwoColours:
    case UnderlinePieceBold:
        rangeMark(commandId);
        return true;
    case UnderlineLink:
        pageLink();
        return true;
    case UnderlineDefinition:
        definition();
        return true;
    case RemoveMarks:
        removeMarks();
        return true;
    default:
        return false;
    }
}

void MarkCommands::beginChange() {
    folia::beginChange(m_state, m_view, m_prompts, m_state.currentPage);
}

void MarkCommands::finishRowMark() {
    m_interaction.mode().clearTicks();
    redrawAndShow(m_state, m_view, m_prompts);
}

void MarkCommands::finishRangeMark() {
    m_interaction.mode().endSelection();
    redrawAndShow(m_state, m_view, m_prompts);
}

const Selection& MarkCommands::selection() const {
    return m_interaction.mode().selection();
}

const TickRows& MarkCommands::ticks() const {
    return m_interaction.mode().ticks();
}

bool MarkCommands::selectionRowIsUsable() const {
    const int row = selection().row;
    return Document::isValidPlace(m_state.currentPage, row) &&
           isUsableRow(m_state.document.row(m_state.currentPage, row));
}

// --- whole rows -----------------------------------------------------------------------

void MarkCommands::toggleTickMode() {
    PageViewMode& mode = m_interaction.mode();
    if (mode.is(InteractionState::Idle))
        mode.tickModeOn(tickbox::shapeFromSetting(m_state.settings.tickShape));
    else
        mode.tickModeOff();
    m_view.showOverlays();
}

void MarkCommands::align(int commandId) {
    beginChange();
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        if (ticks()[row])
            setRowAlignment(m_state.document.editRow(m_state.currentPage, row),
                            alignmentOfCommand(commandId));
    finishRowMark();
}

void MarkCommands::fullHorizontalLine() {
    beginChange();
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        if (ticks()[row])
            addFullHorizontalLine(m_state.document.editRow(m_state.currentPage, row), row);
    finishRowMark();
}

void MarkCommands::verticalLine() {
    // Before any range was selected there is no picked row; the test then passes.
    const int picked = selection().row;
    if (picked >= 1 &&
        isCentredOrRight(alignmentOf(m_state.document.row(m_state.currentPage, picked))))
        return;
    const auto rows = twoTickedRows(ticks());
    m_pause(kVerticalLinePauseMs);
    if (!rows) {
        m_prompts.tell(m_state.texts.notTwoLines, m_state.texts.programmerTitle);
        return;
    }
    beginChange();
    addBracket(m_state.document.editRow(m_state.currentPage, rows->first), rows->first,
               rows->second);
    finishRowMark();
}

// --- the selected range ---------------------------------------------------------------

void MarkCommands::rangeMark(int commandId) {
    beginChange();
    if (selectionRowIsUsable()) {
        const Selection& s = selection();
        LineRecord& record = m_state.document.editRow(m_state.currentPage, s.row);
        const ColourSettings& c = m_state.settings.colours;
        if (commandId == UnderlinePieceHorizontal)
            addHorizontalPiece(record, s.row, s.start, s.end);
        else if (commandId == UnderlinePieceTwoColours)
            addTwoColourPiece(record, s.row, s.start, s.end, uint32_t(c.twoColourBackground),
                              uint32_t(c.twoColourFont));
        else
            addBoldPiece(record, s.row, s.start, s.end);
    }
    finishRangeMark();
}

void MarkCommands::pageLink() {
    if (m_state.document.pageCount <= 1) return;
    if (selectionRowIsUsable()) {
        beginChange();
        // Cancelling the box leaves the command without a link.
        if (const std::optional<QString> answer = askForAnotherPage(m_state, m_prompts)) {
            const Selection& s = selection();
            addPageLink(m_state.document.editRow(m_state.currentPage, s.row),
                        m_state.document.markSerial, s.row, s.start, s.end,
                        toCp1252(*answer).left(kLongestAnswer));
        }
    }
    finishRangeMark();
}

void MarkCommands::definition() {
    if (m_state.document.pageCount <= 1) return;
    if (selectionRowIsUsable()) {
        beginChange();
        const TextSet& t = m_state.texts;
        QString previous;
        // Asked again, with the last answer to shorten, until it has 1..255 characters;
        // cancelling leaves the command without a definition.
        while (const std::optional<QString> answer =
                   m_prompts.input(t.enterDefinition, t.programmerTitle, previous)) {
            previous = *answer;
            if (answer->isEmpty() || answer->size() > kLongestAnswer) continue;
            const Selection& s = selection();
            addDefinition(m_state.document.editRow(m_state.currentPage, s.row),
                          m_state.document.markSerial, s.row, s.start, s.end, toCp1252(*answer));
            break;
        }
    }
    finishRangeMark();
}

// --- taking marks off -----------------------------------------------------------------

void MarkCommands::removeMarks() {
    const PageViewMode& mode = m_interaction.mode();
    const int page = m_state.currentPage;
    if (mode.is(InteractionState::Ticking)) {
        removeTickedRowMarksAsChange(m_state, m_view, m_prompts, ticks());
        finishRowMark();
    } else if (mode.is(InteractionState::RangeSelected)) {
        const Selection& s = selection();
        removePieceMarksAsChange(m_state, m_view, m_prompts, page, s.row, s.start, s.end);
        finishRangeMark();
    } else if (const std::optional<GridCell> caret = m_interaction.caret();
               caret && mode.is(InteractionState::Idle)) {
        removePieceMarksAsChange(m_state, m_view, m_prompts, page, caret->row, caret->column,
                                 caret->column);
        redrawAndShow(m_state, m_view, m_prompts);
    }
}

} // namespace folia
