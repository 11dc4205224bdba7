#include "marks/MarkEntryBuilders.h"
#include "prompts/Prompts.h"
#include "prompts/QuietPrompts.h"
#include "shell/AppState.h"
#include "shell/PageRenderer.h"
#include "text/TextSet.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace folia;

namespace {

// 65 rows of 93 characters with inline symbols, every row carrying pieces of each kind,
// links, definitions and brackets.
void fillMarkedPage(AppState& state) {
    state.document.pageCount = 2;
    int32_t serial = 0;
    for (int row = 1; row <= 65; ++row) {
        LineRecord& record = state.document.editRow(1, row);
        record.lineNumber = row;
        record.page = 1;
        record.lineOnPage = int16_t(row);
        QByteArray text = "Lorem ipsum \\$1 dolor \\#05 sit amet, \\$3 consectetur adipiscing "
                          "elit, sed do eiusmod tempor incididunt";
        record.setText(TextField::Text, text.leftJustified(93, '.'));
        addHorizontalPiece(record, row, 4, 20);
        addFullHorizontalLine(record, row);
        addTwoColourPiece(record, row, 22, 30, 255, 16777215);
        addBoldPiece(record, row, 32, 40);
        addPageLink(record, serial, row, 42, 50, "2");
        addDefinition(record, serial, row, 52, 60, "a definition");
        if (row % 4 == 1 && row < 65) addBracket(record, row, row + 2);
    }
    state.settings.position.guideRow = 30;
}

void BM_RenderMarkedPage(benchmark::State& bench) {
    AppState state(englishTexts());
    fillMarkedPage(state);
    QuietPrompts prompts;
    const bool guideOn = bench.range(0) != 0;
    for (auto _ : bench) {
        state.surfaces.page(1).fill(Qt::white);
        renderPage(state, 1, guideOn, prompts);
        benchmark::DoNotOptimize(state.surfaces.page(1).constBits());
    }
}
BENCHMARK(BM_RenderMarkedPage)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("guide")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // text needs the application's fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
