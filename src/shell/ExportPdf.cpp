#include "ExportPdf.h"

#include "AppState.h"
#include "MainView.h"
#include "PageRenderer.h"
#include "common/AtomicFile.h"
#include "common/EventPump.h"
#include "common/ProgramFolder.h"
#include "output/PictureLoader.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "text/TextSet.h"
#include "view/DocumentPdf.h"
#include "view/PagePainter.h"

#include <QDir>

namespace folia {
namespace {

// Pictures that cannot be loaded were reported when their pages were shown, so they are
// not reported again for the file.
std::optional<QByteArray> drawDocument(AppState& state, MainView& view) {
    PictureLoader pictures([](const PictureProblem&) {}, &state.pictures);
    EventPump pump;
    view.startBusyAnimation();
    std::optional<QByteArray> pdf =
        documentAsPdf(state.document, pageStyle(state), pictures, state.texts.programName,
                      [&](int) { pump.pump(); });
    view.stopBusyAnimation();
    return pdf;
}

} // namespace

void exportPdf(AppState& state, MainView& view, Prompts& prompts) {
    if (!state.documentPresent) return;
    const TextSet& texts = state.texts;
    FileDialogRequest request;
    request.filterDescription = texts.pdfFilter;
    request.filterPattern = QStringLiteral("*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.initialFolder = programFolder();
    if (const std::optional<QString> path = prompts.saveFile(request))
        exportPdfTo(state, view, prompts, *path);
}

void exportPdfTo(AppState& state, MainView& view, Prompts& prompts, const QString& path) {
    const TextSet& texts = state.texts;
    const std::optional<QByteArray> pdf = drawDocument(state, view);
    const WriteResult written =
        pdf ? writeFileAtomically(path, *pdf) : WriteResult{WriteFailure::Other, 0, QString()};
    if (reportWriteFailure(prompts, texts, path, written))
        prompts.tell(texts.exportedPdf + QDir::toNativeSeparators(path), texts.programmerTitle);
}

} // namespace folia
