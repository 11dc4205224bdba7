// The marks list on a full document: 200 pages of bench::markedProse, about 14,000 marks of
// every kind. "open" is what "Marks list" costs: a new panel reads the document's marks,
// lays out and paints what shows. "refresh" is what every command costs while the list
// is shown: the marks read again after a mark on one page changed. "export" writes the
// JSON file's bytes.
#include "marks/MarkEntryBuilders.h"
#include "shell/MarkFiles.h"
#include "support/BenchDocument.h"
#include "text/TextSet.h"
#include "ui/folia/MarksPanel.h"
#include "view/MarkCatalogue.h"

#include <QApplication>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace folia;

namespace {

const Document& fullDocument() {
    static const Document document = bench::markedProse(200);
    return document;
}

void open(benchmark::State& state) {
    for (auto _ : state) {
        MarksPanel panel(englishTexts(), {}, {}, nullptr);
        panel.resize(560, 955);
        panel.refresh(fullDocument());
        panel.show();
        benchmark::DoNotOptimize(panel.grab()); // laid out and painted
    }
    state.counters["marks"] = double(listMarks(fullDocument()).size());
}

void refreshAfterOneMark(benchmark::State& state) {
    Document document = bench::markedProse(200);
    MarksPanel panel(englishTexts(), {}, {}, nullptr);
    panel.refresh(document);
    int column = 4;
    for (auto _ : state) {
        addBoldPiece(document.editRow(100, 2), 2, column, column + 1);
        column = column % 80 + 2;
        panel.refresh(document);
    }
}

void exportJson(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(marksAsJson(listMarks(fullDocument()), 200));
}

} // namespace

BENCHMARK(open)->Unit(benchmark::kMillisecond);
BENCHMARK(refreshAfterOneMark)->Unit(benchmark::kMillisecond);
BENCHMARK(exportJson)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
