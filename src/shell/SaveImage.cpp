#include "SaveImage.h"

#include "AppState.h"
#include "MainView.h"
#include "PageActions.h"
#include "PagePrinter.h"
#include "PageRenderer.h"
#include "common/EventPump.h"
#include "common/ProgramFolder.h"
#include "output/PageChoiceForm.h"
#include "output/PageExporter.h"
#include "output/PageFurniture.h"
#include "output/PrintConfigurationForm.h"
#include "prompts/Prompts.h"
#include "prompts/QuietPrompts.h"
#include "text/TextSet.h"

#include <QPainter>
#include <vector>

namespace folia {
namespace {

std::vector<int> chosenPages(const AppState& state) {
    const OutputState& output = state.output;
    int first = state.currentPage;
    int last = state.currentPage;
    if (output.pageChoice == ChoiceRange) {
        first = output.rangeFrom;
        last = output.rangeTo;
    } else if (output.pageChoice == ChoiceAll) {
        first = 1;
        last = state.document.pageCount;
    } else if (output.pageChoice != ChoiceCurrentPage) {
        return {};
    }
    std::vector<int> pages;
    for (int page = first; page <= last; ++page)
        pages.push_back(page);
    return pages;
}

// The page as printed and exported: its content and furniture, without the frame. A
// picture that cannot be loaded was reported when the page was shown, so it is not
// reported again for every page of a batch.
QImage renderForOutput(AppState& state, int page) {
    QImage image = PageSurfaces::whitePage();
    QuietPrompts quiet;
    renderPageOnto(image, state, page, quiet);
    drawPageFurniture(image, page, state.settings, state.texts, false);
    return image;
}

// The page in the view at the vertical offset, as the user follows the batch.
void showInView(AppState& state, MainView& view, const QImage& page) {
    QImage& shown = state.surfaces.view();
    shown.fill(Qt::white);
    QPainter(&shown).drawImage(0, state.viewOffset, page);
    view.showView(shown);
}

// Shows the busy animation for a batch of several pages and keeps the window painting.
class BatchProgress {
public:
    BatchProgress(MainView& view, std::size_t pages) : m_view(view), m_busy(pages > 1) {
        if (m_busy) m_view.startBusyAnimation();
    }
    ~BatchProgress() {
        if (m_busy) m_view.stopBusyAnimation();
    }
    void pageDone() { m_pump.pump(); }

private:
    MainView& m_view;
    bool m_busy;
    EventPump m_pump;
};

const QString& completionMessage(const TextSet& texts, int choice) {
    if (choice == ChoiceRange) return texts.exportedImages;
    if (choice == ChoiceAll) return texts.exportedDocument;
    return texts.exportedImage;
}

// Exports the pages into the folder; returns the failure to tell, or nothing.
QString exportInto(const QString& folder, const std::vector<int>& pages, AppState& state,
                   MainView& view) {
    PageExporter exporter(folder, state.settings.imageFormat);
    if (!exporter.createFolder()) return state.texts.folderNotCreated + folder;
    BatchProgress progress(view, pages.size());
    for (int page : pages) {
        const QImage image = renderForOutput(state, page);
        showInView(state, view, image);
        if (!exporter.add(page, image)) break;
        progress.pageDone();
    }
    if (const std::optional<QString> path = exporter.finish())
        return state.texts.notWritten + *path;
    return {};
}

} // namespace

void saveImage(AppState& state, MainView& view, Prompts& prompts, OutputDialogs& dialogs,
               PrintService& printer) {
    PageChoiceForm form(state.output, state.texts, state.currentPage, state.document.pageCount);
    dialogs.choosePages(form);
    if (state.output.pageChoice == ChoiceCancelled) return;
    if (state.output.printRequested)
        printChosenPages(state, view, prompts, dialogs, printer);
    else
        exportChosenPages(state, view, prompts);
}

void exportChosenPages(AppState& state, MainView& view, Prompts& prompts) {
    const std::vector<int> pages = chosenPages(state);
    if (pages.empty()) return;
    const TextSet& texts = state.texts;
    const QString& name = state.output.exportFolderName;
    const std::optional<QString> folder = folderInsideProgram(name);
    const QString failure =
        folder ? exportInto(*folder, pages, state, view) : texts.folderOutsideProgram + name;
    redrawAndShow(state, view, prompts);
    if (failure.isEmpty())
        prompts.tell(completionMessage(texts, state.output.pageChoice), texts.programmerTitle,
                     MessageIcon::None, true);
    else
        prompts.tell(failure, texts.programmerTitle, MessageIcon::Warning, true);
}

void printChosenPages(AppState& state, MainView& view, Prompts& prompts, OutputDialogs& dialogs,
                      PrintService& printer) {
    PrintConfigurationForm configuration(state.settings.print, state.texts,
                                         printer.defaultPrinterName());
    dialogs.configurePrinting(configuration);
    const std::vector<int> pages = chosenPages(state);
    PagePrinter pagePrinter(state.output, printer, prompts, state.texts);
    // Every request is a batch of its own, so a request after a failed one is tried
    // and told about again rather than skipped in silence.
    pagePrinter.startBatch();
    {
        BatchProgress progress(view, pages.size());
        const PrintSettings& print = state.settings.print;
        for (int page : pages) {
            const PrintJobOptions options{print.copies, print.colourMode, print.quality,
                                          state.texts.pageLabel + QString::number(page)};
            pagePrinter.printPage(options, [&] {
                QImage image = renderForOutput(state, page);
                showInView(state, view, image);
                return image;
            });
            progress.pageDone();
        }
    }
    redrawAndShow(state, view, prompts);
}

} // namespace folia
