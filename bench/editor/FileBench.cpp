// cache.txt and Replace All beside the shell tools doing the same work on the same file.
#include "BenchText.h"
#include "common/Cp1252.h"
#include "editor/FormattedFile.h"
#include "editor/TextSearch.h"
#include "editor/WrappedText.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace folia;

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString pathOf(const char* name) {
    return folder().filePath(QLatin1String(name));
}

void save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void shell(const QString& command, benchmark::State& state) {
    if (std::system(command.toLocal8Bit().constData()) != 0) state.SkipWithError("tool failed");
}

// 1 MB holding "cat" 100,000 times: "a cat sat. " is 10 characters with one match.
QString catText() {
    QString text;
    text.reserve(1 << 20);
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("a cat sat ");
    while (text.size() < (1 << 20))
        text += u'z';
    return text;
}

void writeCacheTxt1MB(benchmark::State& state) {
    const QString text = bench::prose(1 << 20, true);
    const QString path = pathOf("cache.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFormattedFile(path, text));
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(writeCacheTxt1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// What "Write plain text with format" does: the box keeps its rows laid out, so the
// command converts and writes them in one pass.
void writeCacheTxtFromTheBox1MB(benchmark::State& state) {
    WrappedText box;
    box.setText(bench::prose(1 << 20, true));
    const QString path = pathOf("cache.txt");
    const auto rows = [&box](const DisplayLineVisit& visit) { box.forEachRow(visit); };
    for (auto _ : state)
        benchmark::DoNotOptimize(writeFormattedFile(path, box.text(), rows));
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(writeCacheTxtFromTheBox1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// cp copying the very bytes that cache.txt holds.
void cpSameBytes1MB(benchmark::State& state) {
    save(pathOf("source.txt"), formattedBytes(bench::prose(1 << 20, true)));
    const QString command =
        QStringLiteral("cp '%1' '%2'").arg(pathOf("source.txt"), pathOf("copy.txt"));
    for (auto _ : state)
        shell(command, state);
}
BENCHMARK(cpSameBytes1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void replaceAll100kMatches1MB(benchmark::State& state) {
    const QString text = catText();
    const SearchOptions options{.down = true, .matchCase = state.range(0) != 0, .wholeWord = false};
    qsizetype count = 0;
    for (auto _ : state) {
        const ReplaceAllResult result =
            replaceAll(text, 0, QStringLiteral("cat"), QStringLiteral("dog"), options);
        count = result.count;
        benchmark::DoNotOptimize(result.text.data());
    }
    state.counters["matches"] = double(count);
}
BENCHMARK(replaceAll100kMatches1MB)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// sed replacing the same matches in the same text, file to file.
void sedSameReplacement1MB(benchmark::State& state) {
    save(pathOf("cats.txt"), toCp1252(catText()));
    const QString command = QStringLiteral("sed 's/cat/dog/g%3' '%1' > '%2'")
                                .arg(pathOf("cats.txt"), pathOf("dogs.txt"),
                                     state.range(0) != 0 ? QString() : QStringLiteral("I"));
    for (auto _ : state)
        shell(command, state);
}
BENCHMARK(sedSameReplacement1MB)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
