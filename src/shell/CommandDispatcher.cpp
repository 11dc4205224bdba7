#include "CommandDispatcher.h"

#include "AppState.h"
#include "ColourCommands.h"
#include "CommandIds.h"
#include "DocumentActions.h"
#include "ExportPdf.h"
#include "MainView.h"
#include "MarkRemovalChange.h"
#include "MenuStates.h"
#include "PageActions.h"
#include "PageInteraction.h"
#include "PagePrompt.h"
#include "PageRenderer.h"
#include "common/Cp1252.h"
#include "common/LenientNumber.h"
#include "document/CacheFile.h"
#include "document/TextImport.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "settings/SettingsFile.h"
#include "text/TextSet.h"

#include <QFileInfo>

namespace folia {
namespace {

using namespace command;

constexpr int kLongestPath = 273;

} // namespace

CommandDispatcher::CommandDispatcher(AppState& state, MainView& view, Prompts& prompts,
                                     PageInteraction& interaction)
    : m_state(state), m_view(view), m_prompts(prompts), m_interaction(interaction),
      m_marks(state, view, prompts, interaction), m_markExport(state, prompts) {
    m_state.snapshots.setFinishedHandler([this] {
        finishEndedSnapshot(m_state, m_view, m_prompts);
        showMenus();
    });
}

CommandDispatcher::~CommandDispatcher() {
    m_state.snapshots.setFinishedHandler({});
}

void CommandDispatcher::dispatch(int commandId) {
    m_state.changeNote.clear();
    run(commandId);
    // A command that began a change has made it: it is one step of the history.
    endChange(m_state);
    showMenus();
}

void CommandDispatcher::removeListedMark(const ListedMark& mark) {
    if (!m_state.documentPresent) return;
    m_state.changeNote.clear();
    if (removeListedMarkAsChange(m_state, m_view, m_prompts, mark) > 0) showChangedPage(mark.page);
    showMenus();
}

void CommandDispatcher::showMenus() {
    showMenuStates(m_state, m_interaction.mode(), m_view);
}

void CommandDispatcher::run(int commandId) {
    if (m_marks.run(commandId)) return;
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
        stepThroughHistory(false);
        break;
    case Redo:
        stepThroughHistory(true);
        break;
    case GoTo:
        goTo();
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
    case ExportMarks:
        m_markExport.run();
        break;
    case MarksList:
        m_state.marksListShown = !m_state.marksListShown;
        m_view.showMarksList(m_state.marksListShown);
        break;
    case ExportPdf:
        exportDocumentAsPdf();
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

bool CommandDispatcher::finished() const {
    return m_state.exited;
}

// --- shared steps ---------------------------------------------------------------------

void CommandDispatcher::redrawAllPagesThenCurrent() {
    // The other pages are drawn in the colours and settings of the moment they are shown.
    m_state.surfaces.markAllStale(guideLook(m_state, m_state.settings.position.guideOn != 0), true);
    redrawAndShow(m_state, m_view, m_prompts);
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
    waitForSnapshot(m_state, m_view, m_prompts);
    m_state.dialogBusy = true;
    if (const std::optional<QString> path = chooseTextFile(); path && QFileInfo::exists(*path))
        openTextFile(*path);
    m_state.dialogBusy = false;
}

void CommandDispatcher::openGivenFile(const QString& path) {
    // "Exit" chosen during the start-up has ended the program.
    if (m_state.exited || m_state.dialogBusy) return;
    m_state.dialogBusy = true;
    // The question is for a file that can replace the document; any other gets its message.
    if (!m_state.documentPresent || !isReadableTextFile(path) || mayReplaceDocumentWith(path))
        openTextFile(path);
    m_state.dialogBusy = false;
}

bool CommandDispatcher::mayReplaceDocumentWith(const QString& path) {
    const TextSet& t = m_state.texts;
    const MessageRequest question{t.replaceDocumenta + path + t.replaceDocumentb, t.programmerTitle,
                                  MessageButtons::YesNo, MessageIcon::Question};
    // An Exit chosen while the question is on screen has ended the program.
    return m_prompts.message(question) == MessageAnswer::Yes && !m_state.exited;
}

void CommandDispatcher::openTextFile(const QString& path) {
    // A file that cannot be read leaves the document, the view and the cache as they are.
    if (isReadableTextFile(path))
        importDocument(path);
    else
        m_prompts.tell(m_state.texts.notReadable + path, m_state.texts.programmerTitle);
}

void CommandDispatcher::importDocument(const QString& path) {
    // A new document starts with the page view at rest, whatever mode it was in.
    m_interaction.resetState();
    m_state.viewOffset = 0;
    const int32_t serial = m_state.document.markSerial; // serials go on across documents
    importTextFile(m_state, m_view, m_prompts, path);
    m_state.document.markSerial = serial;
    m_view.focusPage();
    refreshView(m_state, m_view);
    takeSnapshot(m_state, m_view, m_prompts, CacheWriteScope::Everything);
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

void CommandDispatcher::exportDocumentAsPdf() {
    if (m_state.dialogBusy || !m_state.documentPresent) return;
    m_state.dialogBusy = true;
    exportPdf(m_state, m_view, m_prompts);
    m_state.dialogBusy = false;
}

void CommandDispatcher::author() {
    const TextSet& t = m_state.texts;
    m_prompts.tell(t.madeBy + QStringLiteral("\r\n") + t.makerAddress + QStringLiteral("\r\n") +
                       t.visitMe,
                   t.programmerTitle);
}

void CommandDispatcher::exitProgram() {
    // Before the last run's document is on screen nothing of this run can have changed:
    // the program ends at once, leaving the document and the stored position as they are.
    if (m_state.startingUp) {
        m_state.exited = true;
        return;
    }
    // Without a document there is nothing to keep, and a cache file that could not be
    // loaded stays for the user rather than being overwritten by an empty one.
    // The last document is on disk before the program ends.
    waitForSnapshot(m_state, m_view, m_prompts);
    if (m_state.documentPresent) {
        const WriteResult kept = saveSnapshot(m_state, m_view, m_prompts);
        // No keeps the program running with the document in memory.
        if (!kept && !confirmExitWithoutSaving(m_prompts, m_state.texts, cachePath(), kept)) return;
    }
    m_state.settings.position.offsetY = m_state.viewOffset;
    m_state.settings.position.page = m_state.currentPage;
    reportWriteFailure(m_prompts, m_state.texts, settingsPath(),
                       saveSettings(m_state.settings, settingsPath()));
    m_state.exited = true;
}

// --- edit -----------------------------------------------------------------------------

void CommandDispatcher::update() {
    if (!m_interaction.mode().is(InteractionState::Idle)) return;
    redrawAllPagesThenCurrent();
}

void CommandDispatcher::stepThroughHistory(bool forward) {
    if (!m_interaction.mode().is(InteractionState::Idle)) return;
    DocumentHistory& history = m_state.history;
    const ChangeStep* step =
        forward ? history.redo(m_state.document) : history.undo(m_state.document);
    if (!step) return;
    const TextSet& t = m_state.texts;
    m_state.changeNote = (forward ? t.redoneOnPage : t.undoneOnPage) + QString::number(step->page);
    if (!step->rows.empty()) m_state.changeNote += t.onRow + QString::number(step->rows[0].row);
    showChangedPage(step->page);
    keepFileAsShown(m_state, m_view, m_prompts);
}

void CommandDispatcher::showChangedPage(int page) {
    // The offset stays, as when a link or "Go to" changes the page.
    m_state.currentPage = page;
    redrawAndShow(m_state, m_view, m_prompts);
    showPageCaption(m_state, m_view);
}

void CommandDispatcher::goTo() {
    if (!m_state.documentPresent || m_state.document.pageCount <= 1) return;
    const std::optional<QString> answer = askForAnotherPage(m_state, m_prompts);
    if (!answer) return;
    m_state.currentPage = saturateToInt32(lenientValue(toCp1252(*answer)));
    refreshView(m_state, m_view);
    m_view.setCaption(
        pageCaptionUnaccented(m_state.texts, m_state.currentPage, m_state.document.pageCount));
}

// --- colours and reading --------------------------------------------------------------

void CommandDispatcher::setColour(int commandId) {
    colourSetting(m_state.settings.colours, commandId) = int32_t(m_state.selectedColour);
}

void CommandDispatcher::toggleGuide() {
    PositionSettings& position = m_state.settings.position;
    if (position.guideOn == 0) {
        // A document without any row to stop on leaves the guide off.
        if (!m_interaction.switchGuideOn()) return;
        position.guideOn = PositionSettings::kGuideShown;
        redrawAndShow(m_state, m_view, m_prompts);
        showPageCaption(m_state, m_view);
    } else {
        position.guideOn = 0;
        redrawAllPagesThenCurrent();
    }
}

} // namespace folia
