// Find as you type on a full 200-page document: each keystroke of a scripted query (typed
// and erased again, 1,000 keystrokes) finds every hit and paints the lit cells of the page
// shown over its image. Printed beside a plain std::search for the same query over the
// same rows, case and accents as they stand, in the same run. The figures are the median
// and the worst keystroke. Last, the keystroke that follows a change of the text.
#include "find/DocumentFind.h"
#include "find/HitPainter.h"
#include "support/BenchDocument.h"
#include "view/RowLayout.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <string>
#include <vector>

using namespace folia;

namespace {

constexpr int kPages = 200;
constexpr int kKeystrokes = 1000;
constexpr int kPageShown = 100;

// The query after each keystroke: typed letter by letter, then erased letter by letter.
std::vector<QString> scriptedQueries() {
    const QString phrase = "careful lines between the";
    std::vector<QString> queries;
    while (queries.size() < kKeystrokes) {
        for (qsizetype n = 1; n <= phrase.size(); ++n)
            queries.push_back(phrase.left(n));
        for (qsizetype n = phrase.size() - 1; n >= 0; --n)
            queries.push_back(phrase.left(n));
    }
    queries.resize(kKeystrokes);
    return queries;
}

const Document& document() {
    static const Document prose = bench::markedProse(kPages);
    return prose;
}

// What the page view does at each keystroke: the page's picture, the hits lit over it.
void repaint(QImage& view, const QImage& page, const std::vector<LitCells>& cells) {
    QPainter painter(&view);
    painter.drawImage(0, 0, page);
    paintLitCells(painter, cells);
}

// The shown text of every row, taken out once as the folded copy is.
std::vector<QByteArray> shownRows() {
    std::vector<QByteArray> rows;
    for (int page = 1; page <= kPages; ++page)
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            rows.push_back(shownText(document().row(page, row)));
    return rows;
}

// The plain floor: std::search through every row, no folding, no row ends.
int plainSearch(const std::vector<QByteArray>& rows, const QByteArray& query) {
    int hits = 0;
    for (const QByteArray& text : rows) {
        for (auto at = text.begin();
             (at = std::search(at, text.end(), query.begin(), query.end())) != text.end();
             at += query.size())
            ++hits;
    }
    return hits;
}

double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void reportMedianAndWorst(benchmark::State& state, const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    state.counters[std::string("median_") + name] = ms[ms.size() / 2];
    state.counters[std::string("worst_") + name] = ms.back();
}

// Each keystroke timed on the clock and, as the machine may be busy with other work, in
// the processor time of this thread.
template <typename Keystroke>
void reportKeystrokes(benchmark::State& state, Keystroke&& keystroke) {
    const std::vector<QString> queries = scriptedQueries();
    std::vector<double> wall, cpu;
    for (auto _ : state) {
        for (const QString& query : queries) {
            QElapsedTimer timer;
            timer.start();
            const double cpuStart = threadCpuMilliseconds();
            keystroke(query);
            cpu.push_back(threadCpuMilliseconds() - cpuStart);
            wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    reportMedianAndWorst(state, "ms", wall);
    reportMedianAndWorst(state, "cpu_ms", cpu);
}

void findAsYouType(benchmark::State& state) {
    DocumentFind finder;
    QImage page(794, 1122, QImage::Format_RGB32);
    page.fill(Qt::white);
    QImage view(794, 955, QImage::Format_RGB32);
    finder.search(document(), u"x", false, kPageShown); // the folded text is made once
    reportKeystrokes(state, [&](const QString& query) {
        finder.search(document(), query, false, kPageShown);
        repaint(view, page, finder.litCellsOnPage(document(), kPageShown));
    });
}

void plainStdSearch(benchmark::State& state) {
    const std::vector<QByteArray> rows = shownRows();
    reportKeystrokes(state, [&](const QString& query) {
        if (!query.isEmpty()) benchmark::DoNotOptimize(plainSearch(rows, query.toLatin1()));
    });
}

// The first keystroke after the text changed: the folded copy is made again.
void keystrokeAfterAChange(benchmark::State& state) {
    Document changing = bench::markedProse(kPages);
    DocumentFind finder;
    for (auto _ : state) {
        changing.editRow(1, 1);
        finder.search(changing, u"careful", false, kPageShown);
    }
}

BENCHMARK(findAsYouType)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(plainStdSearch)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(keystrokeAfterAChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
