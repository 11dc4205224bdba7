// Saving and loading a full document: 200 pages of 65 rows, every row with marks.
// Reports the time of each beside copying the same file, and the memory the loaded
// record table takes.
#include "document/CacheFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>

using namespace folia;

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
    for (auto _ : state)
        benchmark::DoNotOptimize(saveCache(d, path));
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
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
BENCHMARK(loadFullDocument)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(copyTheSameFile)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(recordTableMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
