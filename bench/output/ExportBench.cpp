#include "common/ProgramFolder.h"
#include "folia/QtPrintService.h"
#include "output/OutputState.h"
#include "prompts/QuietPrompts.h"
#include "settings/Settings.h"
#include "shell/AppState.h"
#include "shell/ExportPdf.h"
#include "shell/PageRenderer.h"
#include "shell/SaveImage.h"
#include "support/BenchDocument.h"
#include "support/IdleView.h"
#include "support/PrivatePrintQueue.h"
#include "text/TextSet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folia;

namespace {

constexpr int kPages = 200;

// The program with a full document of marked prose, in a folder of its own.
struct Program {
    Program() : state(englishTexts()) {
        setProgramFolder(folder.path());
        state.document = bench::markedProse(kPages);
        state.documentPresent = true;
        renderPagesOnDemand(state, prompts);
    }
    ~Program() { setProgramFolder(QString()); }

    void exportAll(int32_t format, const QString& folderName) {
        state.settings.imageFormat = format;
        state.output.pageChoice = ChoiceAll;
        state.output.exportFolderName = folderName;
        exportChosenPages(state, view, prompts);
    }

    QTemporaryDir folder;
    AppState state;
    bench::IdleView view;
    QuietPrompts prompts;
};

// Every page of the document exported in one format: the figure the reader waits for.
void BM_ExportAllPages(benchmark::State& bench) {
    Program program;
    const auto format = int32_t(bench.range(0));
    for (auto _ : bench)
        program.exportAll(format, QStringLiteral("pages"));
}
BENCHMARK(BM_ExportAllPages)
    ->ArgName("format")
    ->DenseRange(FormatPng, FormatGif)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// The same pages as one PDF file, to be set beside the PNG figure above.
void BM_ExportAllPagesAsPdf(benchmark::State& bench) {
    Program program;
    const QString path = program.folder.path() + QStringLiteral("/document.pdf");
    for (auto _ : bench)
        exportPdfTo(program.state, program.view, program.prompts, path);
    bench.counters["file_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ExportAllPagesAsPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The floor: the image tool turning the same pages, written as BMP, into PNG one by one.
void BM_ToolConvertsBmpToPng(benchmark::State& bench) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (tool.isEmpty()) {
        bench.SkipWithError("the image tool 'convert' is not installed");
        return;
    }
    Program program;
    program.exportAll(FormatBmp, QStringLiteral("bmp"));
    const QString from = program.folder.path() + "/bmp/";
    const QString to = program.folder.path() + "/png/";
    QDir().mkpath(to);
    for (auto _ : bench)
        for (int page = 1; page <= kPages; ++page)
            QProcess::execute(
                tool, {from + QString::number(page) + ".bmp", to + QString::number(page) + ".png"});
}
BENCHMARK(BM_ToolConvertsBmpToPng)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// One page printed on a queue whose device is a file, until the job is complete.
void BM_PrintOnePage(benchmark::State& bench) {
    test::PrivatePrintQueue queue;
    if (!queue.problem().isEmpty()) {
        bench.SkipWithError(queue.problem().toStdString().c_str());
        return;
    }
    queue.use();
    Program program;
    QtPrintService printer;
    QImage page = PageSurfaces::whitePage();
    renderPageOnto(page, program.state, 1, program.prompts);
    int jobs = 0;
    double handedInMs = 0;
    for (auto _ : bench) {
        QElapsedTimer timer;
        timer.start();
        printer.printPage(page, {});
        handedInMs += double(timer.nsecsElapsed()) / 1e6;
        queue.waitForCompletedJobs(++jobs);
    }
    bench.counters["handed_in_ms"] =
        benchmark::Counter(handedInMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PrintOnePage)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // printing needs the widgets' application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
