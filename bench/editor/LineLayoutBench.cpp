#include "BenchText.h"
#include "editor/LineLayout.h"

#include <benchmark/benchmark.h>

using namespace folia;

// The status bar recounts the whole text every second.
static void countDisplayLines1MB(benchmark::State& state) {
    const QString text = bench::prose(1 << 20, state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(countDisplayLines(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}
BENCHMARK(countDisplayLines1MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
