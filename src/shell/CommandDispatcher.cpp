#include "CommandDispatcher.h"

#include "AppState.h"
#include "CommandIds.h"
#include "DocumentActions.h"
#include "MenuStates.h"
#include "PageActions.h"
#include "Ports.h"
#include "QuietPrompts.h"
#include "common/Cp1252.h"
#include "common/EventPump.h"
#include "common/LenientNumber.h"
#include "document/TextImport.h"
#include "output/PageFurniture.h"
#include "settings/SettingsFile.h"
#include "text/TextSet.h"
#include "view/MarkEntryBuilders.h"
#include "view/PageInteraction.h"
#include "view/PageRenderer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace folia {
namespace {

using namespace command;

constexpr int kLongestAnswer = 255;
constexpr int kLongestPath = 273;

// Waits while the window keeps painting; user input waits for the end of the pause.
void responsivePause(int milliseconds) {
    EventPump pump(10);
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < milliseconds) {
        pump.pumpNow();
        QThread::msleep(10);
    }
}

int32_t& colourSetting(ColourSettings& colours, int commandId) {
    switch (commandId) {
    case HorizontalColour:
        return colours.horizontal;
    case VerticalColour:
        return colours.vertical;
    case TwoColourBackground:
        return colours.twoColourBackground;
    case TwoColourFont:
        return colours.twoColourFont;
    case LinkColour:
        return colours.link;
    case SelectorColour:
        return colours.selector;
    default:
        return colours.selectorText;
    }
}

RowAlignment alignmentOfCommand(int commandId) {
    return commandId == AlignRowsLeft     ? RowAlignment::Left
           : commandId == AlignRowsCentre ? RowAlignment::Centre
                                          : RowAlignment::Right;
}

} // namespace

CommandDispatcher::CommandDispatcher(AppState& state, MainView& view, Prompts& prompts,
                                     PageInteraction& interaction)
    : m_state(state), m_view(view), m_prompts(prompts), m_interaction(interaction),
      m_pause(responsivePause) {}

void CommandDispatcher::dispatch(int commandId) {
    switch (commandId) {
    case New:
        newDocument();
        break;
    case Author:
        author();
        break;
    case Exit:
        exitProgram();
        break;
    case Update:
        update();
        break;
    case Undo:
        undo();
        break;
    case GoTo:
        goTo();
        break;
    case TickControl:
        toggleTickMode();
        break;
    case AlignRowsLeft:
    case AlignRowsCentre:
    case AlignRowsRight:
        align(commandId);
        break;
    case UnderlineFullHorizontal:
        fullHorizontalLine();
        break;
    case UnderlineVertical:
        verticalLine();
        break;
    case UnderlinePieceHorizontal:
    case UnderlinePieceTwoColours:
    case UnderlinePieceBold:
        rangeMark(commandId);
        break;
    case UnderlineLink:
        pageLink();
        break;
    case UnderlineDefinition:
        definition();
        break;
    case HorizontalColour:
    case VerticalColour:
    case TwoColourBackground:
    case TwoColourFont:
    case LinkColour:
    case SelectorColour:
    case SelectorTextColour:
        setColour(commandId);
        break;
    case GuideReader:
        toggleGuide();
        break;
    case SaveImage:
        if (m_state.settings.position.guideOn == 0 && m_state.documentPresent)
            openDialog(&CommandDialogs::saveImage);
        break;
    case SetUp:
        openDialog(&CommandDialogs::setUp);
        break;
    case FavouriteColours:
        if (m_state.documentPresent) openDialog(&CommandDialogs::favouriteColours);
        break;
    default:
        break;
    }
}

// --- shared steps ---------------------------------------------------------------------

void CommandDispatcher::snapshot() {
    takeSnapshot(m_state, m_view);
}

void CommandDispatcher::redrawAndShow() {
    redrawPage(m_state, m_prompts);
    showView(m_state, m_view);
}

void CommandDispatcher::redrawAllPagesThenCurrent() {
    const int shown = m_state.currentPage;
    for (int page = 1; page <= m_state.document.pageCount; ++page) {
        m_state.currentPage = page;
        redrawAndShow();
    }
    m_state.currentPage = shown;
    redrawAndShow();
}

void CommandDispatcher::finishMark() {
    applyDocumentMenu(m_view);
    m_state.interactionState = InteractionState::Idle;
    m_state.dragFlag = false;
    redrawAndShow();
}

void CommandDispatcher::openDialog(void (CommandDialogs::*open)()) {
    if (m_state.dialogBusy || !m_dialogs) return;
    m_state.dialogBusy = true;
    (m_dialogs->*open)();
    m_state.dialogBusy = false;
}

// --- files ----------------------------------------------------------------------------

void CommandDispatcher::newDocument() {
    if (m_state.dialogBusy) return;
    m_state.dialogBusy = true;
    if (const std::optional<QString> path = chooseTextFile(); path && QFileInfo::exists(*path)) {
        // A new document starts with the page view at rest, whatever mode it was in.
        m_interaction.resetState();
        m_state.tickFlags.fill(false);
        m_state.surfaces.renew(m_state.currentPage);
        m_state.surfaces.view().fill(Qt::white);
        m_state.viewOffset = 0;
        const int32_t serial = m_state.document.markSerial; // serials go on across documents
        // The import reports each picture it cannot load; drawing its pages stays quiet.
        QuietPrompts quiet;
        importText(m_state, m_view, m_prompts, *path, [this, &quiet](int page) {
            renderPage(m_state, page, false, quiet);
            drawPageFurniture(m_state.surfaces.page(page), page, m_state.settings, m_state.texts,
                              true);
        });
        m_state.document.markSerial = serial;
        m_view.focusPage();
        drawPageFurniture(m_state.surfaces.page(m_state.currentPage), m_state.currentPage,
                          m_state.settings, m_state.texts, true);
        showView(m_state, m_view);
        snapshot();
        applyDocumentMenu(m_view);
        m_view.setCommandEnabled(SaveImage, true);
    }
    m_state.dialogBusy = false;
}

std::optional<QString> CommandDispatcher::chooseTextFile() {
    const QFileInfo last(m_lastImportPath);
    FileDialogRequest request;
    request.filterDescription = m_state.texts.textFilter;
    request.filterPattern = QStringLiteral("*.*");
    request.defaultExtension = m_state.texts.textFilter;
    request.initialFolder = m_lastImportPath.isEmpty() ? QString() : last.path();
    request.initialName = m_lastImportPath.isEmpty() ? QString() : last.fileName();
    std::optional<QString> path = m_prompts.openFile(request);
    if (path) m_lastImportPath = path->left(kLongestPath);
    return path;
}

void CommandDispatcher::author() {
    const TextSet& t = m_state.texts;
    m_prompts.tell(t.madeBy + QStringLiteral("\r\n") + t.makerAddress + QStringLiteral("\r\n") +
                       t.visitMe,
                   t.programmerTitle);
}

void CommandDispatcher::exitProgram() {
    // Without a document there is nothing to keep, and a cache file that could not be
    // loaded stays for the user rather than being overwritten by an empty one.
    if (m_state.documentPresent) snapshot();
    m_state.settings.position.offsetY = m_state.viewOffset;
    m_state.settings.position.page = m_state.currentPage;
    saveSettings(m_state.settings, settingsPath());
    m_finished = true;
}

// --- edit -----------------------------------------------------------------------------

void CommandDispatcher::update() {
    if (m_state.interactionState != InteractionState::Idle) return;
    redrawAllPagesThenCurrent();
}

void CommandDispatcher::undo() {
    if (m_state.interactionState != InteractionState::Idle) return;
    rememberPage(m_state, m_view);
    loadAndRerender(m_state, m_view, m_prompts);
    showView(m_state, m_view);
}

std::optional<QString> CommandDispatcher::askPageNumber() {
    const TextSet& t = m_state.texts;
    const QString title = t.from1 + t.to + QString::number(m_state.document.pageCount);
    while (true) {
        const std::optional<QString> answer = m_prompts.input(t.enterPageNumber, title, {});
        if (!answer) return {};
        const double value = lenientValue(toCp1252(*answer));
        if (value >= 1 && value <= m_state.document.pageCount && value != m_state.currentPage)
            return answer;
    }
}

void CommandDispatcher::goTo() {
    if (!m_state.documentPresent || m_state.document.pageCount <= 1) return;
    const std::optional<QString> answer = askPageNumber();
    if (!answer) return;
    m_state.currentPage = saturateToInt32(lenientValue(toCp1252(*answer)));
    showView(m_state, m_view);
    m_view.setCaption(
        pageCaptionUnaccented(m_state.texts, m_state.currentPage, m_state.document.pageCount));
}

// --- whole-row marks ------------------------------------------------------------------

void CommandDispatcher::toggleTickMode() {
    if (m_state.interactionState == InteractionState::Idle) {
        m_state.interactionState = InteractionState::Ticking;
        m_interaction.drawEmptyTickBoxes();
        showView(m_state, m_view);
        applyTickMenu(m_view);
    } else if (m_state.interactionState == InteractionState::Ticking) {
        m_state.interactionState = InteractionState::Idle;
        redrawAndShow();
        m_state.tickFlags.fill(false);
        applyDocumentMenu(m_view);
    }
}

void CommandDispatcher::align(int commandId) {
    snapshot();
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        if (m_state.tickFlags[row])
            setRowAlignment(m_state.document.editRow(m_state.currentPage, row),
                            alignmentOfCommand(commandId));
    redrawPage(m_state, m_prompts);
    m_interaction.resetTicks();
    showView(m_state, m_view);
}

void CommandDispatcher::fullHorizontalLine() {
    snapshot();
    for (int row = 1; row <= Document::kRowsPerPage; ++row)
        if (m_state.tickFlags[row])
            addFullHorizontalLine(m_state.document.editRow(m_state.currentPage, row), row);
    redrawPage(m_state, m_prompts);
    m_interaction.resetTicks();
    showView(m_state, m_view);
}

void CommandDispatcher::verticalLine() {
    // Before any range was selected there is no picked row; the test then passes.
    const Selection& picked = m_state.selection;
    if (picked.row >= 1 &&
        isCentredOrRight(alignmentOf(m_state.document.row(m_state.currentPage, picked.row))))
        return;
    const auto rows = twoTickedRows(m_state.tickFlags);
    m_pause(1000);
    if (!rows) {
        m_prompts.tell(m_state.texts.notTwoLines, m_state.texts.programmerTitle);
        return;
    }
    snapshot();
    addBracket(m_state.document.editRow(m_state.currentPage, rows->first), rows->first,
               rows->second);
    redrawPage(m_state, m_prompts);
    m_interaction.resetTicks();
    showView(m_state, m_view);
}

// --- range marks ----------------------------------------------------------------------

void CommandDispatcher::rangeMark(int commandId) {
    snapshot();
    const Selection& s = m_state.selection;
    if (Document::isValidPlace(m_state.currentPage, s.row)) {
        LineRecord& record = m_state.document.editRow(m_state.currentPage, s.row);
        if (isUsableRow(record)) {
            const ColourSettings& c = m_state.settings.colours;
            if (commandId == UnderlinePieceHorizontal)
                addHorizontalPiece(record, s.row, s.start, s.end);
            else if (commandId == UnderlinePieceTwoColours)
                addTwoColourPiece(record, s.row, s.start, s.end, uint32_t(c.twoColourBackground),
                                  uint32_t(c.twoColourFont));
            else
                addBoldPiece(record, s.row, s.start, s.end);
        }
    }
    finishMark();
}

void CommandDispatcher::pageLink() {
    if (m_state.document.pageCount <= 1) return;
    const Selection& s = m_state.selection;
    if (Document::isValidPlace(m_state.currentPage, s.row) &&
        isUsableRow(m_state.document.row(m_state.currentPage, s.row))) {
        snapshot();
        if (const std::optional<QString> answer = askPageNumber())
            addPageLink(m_state.document.editRow(m_state.currentPage, s.row),
                        m_state.document.markSerial, s.row, s.start, s.end,
                        toCp1252(*answer).left(kLongestAnswer));
    }
    finishMark();
}

void CommandDispatcher::definition() {
    if (m_state.document.pageCount <= 1) return;
    const Selection& s = m_state.selection;
    if (Document::isValidPlace(m_state.currentPage, s.row) &&
        isUsableRow(m_state.document.row(m_state.currentPage, s.row))) {
        snapshot();
        const TextSet& t = m_state.texts;
        QString previous;
        while (true) {
            const std::optional<QString> answer =
                m_prompts.input(t.enterDefinition, t.programmerTitle, previous);
            if (!answer) break;
            previous = *answer;
            if (answer->isEmpty() || answer->size() > kLongestAnswer) continue;
            addDefinition(m_state.document.editRow(m_state.currentPage, s.row),
                          m_state.document.markSerial, s.row, s.start, s.end, toCp1252(*answer));
            break;
        }
    }
    finishMark();
}

// --- colours and reading --------------------------------------------------------------

void CommandDispatcher::setColour(int commandId) {
    colourSetting(m_state.settings.colours, commandId) = int32_t(m_state.selectedColour);
    m_view.rebuildMenu();
}

void CommandDispatcher::toggleGuide() {
    PositionSettings& position = m_state.settings.position;
    if (position.guideOn == 0) {
        // A document without any row to stop on leaves the guide off.
        if (!m_interaction.switchGuideOn()) return;
        position.guideOn = PositionSettings::kGuideShown;
        m_view.setCommandChecked(GuideReader, true);
        redrawAndShow();
        showPageCaption(m_state, m_view);
    } else {
        position.guideOn = 0;
        m_view.setCommandChecked(GuideReader, false);
        redrawAllPagesThenCurrent();
    }
}

} // namespace folia
