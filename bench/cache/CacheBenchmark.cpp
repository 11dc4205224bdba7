// Saving and loading a full document: 200 pages of 65 rows, every row with marks.
// Reports the time of each beside copying the same file, and the memory the loaded
// record table takes. The snapshots of one underline, of a new link and of an unchanged
// document, written in place, are measured beside the whole save: time until on disk
// and the bytes the process wrote (write_bytes of /proc/self/io).
#include "document/CacheFile.h"
#include "support/WrittenBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>

using namespace folia;
using folia::bench::writtenBytes;

namespace {

Document fullDocument() {
    Document d;
    for (int page = 1; page <= Document::kMaxPages; ++page) {
        for (int row = 1; row <= Document::kRowsPerPage; ++row) {
            LineRecord& r = d.editRow(page, row);
            r.lineNumber = (page - 1) * 65 + row;
            r.page = page;
            r.lineOnPage = static_cast<int16_t>(row);
            r.setText(TextField::Text, QByteArray(93, 'a' + char(row % 26)));
            r.hasMarks = 1;
            r.setText(TextField::HorizontalMarks, "12,3,40;12,50,60;");
            r.setText(TextField::TwoColourMarks, "12,4,20,255,16777215;");
            r.setText(TextField::BoldMarks, "12,30,42;");
            r.linkKind = 2;
            r.setText(TextField::LinkMarks, "12,5,9,1E1;12,10,20,2E2;");
            r.setText(TextField::LinkTargets, "3,1E1;");
            r.setText(TextField::DefinitionTexts, "A short definition of the words|2E2~");
        }
    }
    d.pageCount = Document::kMaxPages;
    return d;
}

QString benchFolder() {
    static QTemporaryDir dir;
    return dir.path();
}

const QString& savedPath() {
    static const QString path = [] {
        const QString p = benchFolder() + "/cache.04";
        saveCache(fullDocument(), p);
        return p;
    }();
    return path;
}

void saveFullDocument(benchmark::State& state) {
    const Document d = fullDocument();
    const QString path = benchFolder() + "/save.04";
    const double before = writtenBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveCache(d, path));
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
    state.counters["written_KB"] = (writtenBytes() - before) / 1024 / double(state.iterations());
}

// A snapshot after `change`, written over the file that holds the document before it.
template <typename Change> void snapshotInPlace(benchmark::State& state, Change change) {
    Document d = fullDocument();
    const QString path = benchFolder() + "/in-place.04";
    CacheSnapshot onDisk = snapshotOf(d);
    saveCache(onDisk, path);
    double written = 0;
    int iteration = 0;
    for (auto _ : state) {
        change(d, iteration++);
        const double before = writtenBytes();
        CacheSnapshot next = snapshotOf(d);
        benchmark::DoNotOptimize(saveCacheChanges(onDisk, next, path));
        written += writtenBytes() - before;
        state.PauseTiming();
        onDisk = std::move(next); // the old snapshot let go outside the measure
        state.ResumeTiming();
    }
    state.counters["written_KB"] = written / 1024 / double(state.iterations());
}

void underlineRow(Document& d, int iteration) {
    LineRecord& r = d.editRow(1 + iteration % Document::kMaxPages, 1 + iteration % 65);
    r.setText(TextField::HorizontalMarks, "12,3,40;12,50,60;" + QByteArray::number(iteration));
}

void oneUnderline(benchmark::State& state) {
    snapshotInPlace(state, underlineRow);
}

void oneNewLink(benchmark::State& state) {
    snapshotInPlace(state, [](Document& d, int iteration) {
        ++d.markSerial;
        underlineRow(d, iteration);
    });
}

void nothingChanged(benchmark::State& state) {
    snapshotInPlace(state, [](Document&, int) {});
}

void loadFullDocument(benchmark::State& state) {
    const QString& path = savedPath();
    for (auto _ : state) {
        Document d;
        benchmark::DoNotOptimize(loadCache(d, path));
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// The reference: the same bytes copied file to file, as cp does.
void copyTheSameFile(benchmark::State& state) {
    const QString& path = savedPath();
    const QString copy = benchFolder() + "/copy.04";
    for (auto _ : state) {
        QFile::remove(copy);
        benchmark::DoNotOptimize(QFile::copy(path, copy));
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void recordTableMemory(benchmark::State& state) {
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        Document d;
        loadCache(d, savedPath());
        state.counters["table_MB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    }
}

} // namespace

BENCHMARK(saveFullDocument)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(oneUnderline)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(oneNewLink)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(nothingChanged)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(loadFullDocument)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(copyTheSameFile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(recordTableMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
