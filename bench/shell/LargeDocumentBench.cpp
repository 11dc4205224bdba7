// How a long document feels: start-up to the first page in a real window, the load of
// cache.04, the window's pause for one mark command, for Undo and for Redo, "Update" and
// switching the guide off, each for documents of 1, 10, 50 and 200 marked pages, and each printed
// beside a floor measured in the same run (reading the file with read(2); drawing the same number
// of pages with plain Qt text drawing). The peak memory of a 200-page start-up is measured in a
// child process, beside that of a start-up without a document.
#include "common/ProgramFolder.h"
#include "document/CacheFile.h"
#include "prompts/QuietPrompts.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/CommandIds.h"
#include "shell/DocumentActions.h"
#include "shell/PageInteraction.h"
#include "support/BenchDocument.h"
#include "support/IdleView.h"
#include "support/WrittenBytes.h"
#include "text/TextSet.h"
#include "ui/folia/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace folia;

namespace {

constexpr int kRounds = 5; // each figure and each floor: the median of this many runs
constexpr char kPeakRssSwitch[] = "--peak-rss-of-start-up";

template <typename Work> double millisecondsOf(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double medianMilliseconds(Work&& work) {
    std::vector<double> runs;
    for (int i = 0; i < kRounds; ++i)
        runs.push_back(millisecondsOf(work));
    return median(runs);
}

// A folder holding cache.04 of that many pages, written once per run and copied for each
// benchmark that changes it.
QString freshFolder(int pages) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> originals;
    static std::vector<std::unique_ptr<QTemporaryDir>> copies;
    auto& original = originals[pages];
    if (!original) {
        original = std::make_unique<QTemporaryDir>();
        bench::writeMarkedCache(original->path(), pages);
    }
    copies.push_back(std::make_unique<QTemporaryDir>());
    QFile::copy(original->filePath("cache.04"), copies.back()->filePath("cache.04"));
    return copies.back()->path();
}

// The floor of reading: the whole file through read(2), as `cat file > /dev/null` does.
void readWholeFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    std::vector<char> buffer(1 << 20);
    while (::read(fd, buffer.data(), buffer.size()) > 0) {
    }
    ::close(fd);
}

// The floor of rendering: every row of `pages` pages drawn as one plain Qt text each.
void drawPlainPages(const Document& document, int pages) {
    QImage surface(794, 1122, QImage::Format_RGB32);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (int page = 1; page <= pages; ++page) {
        surface.fill(Qt::white);
        QPainter painter(&surface);
        painter.setFont(font);
        for (int row = 1; row <= Document::kRowsPerPage; ++row)
            painter.drawText(24, 16 * (row - 1) + 11,
                             QString::fromLatin1(document.row(page, row).text(TextField::Text)));
    }
}

void report(benchmark::State& state, const std::vector<double>& figure, double floorMs) {
    const double ms = median(figure);
    state.counters["ms"] = ms;
    if (floorMs > 0) {
        state.counters["floor_ms"] = floorMs;
        state.counters["x_floor"] = ms / floorMs;
    }
}

// The main window of a start-up: built, shown and initialised with cache.04 beside it.
struct StartedWindow {
    explicit StartedWindow(Prompts& prompts) : app(englishTexts()), window(app, &prompts) {
        window.show();
        window.initialise();
        QCoreApplication::processEvents(); // the first page painted
    }
    AppState app;
    MainWindow window;
};

void startUpToFirstPage(benchmark::State& state) {
    const int pages = int(state.range(0));
    setProgramFolder(freshFolder(pages));
    QuietPrompts prompts;
    std::vector<double> figure;
    for (auto _ : state) {
        std::unique_ptr<StartedWindow> started;
        const double ms =
            millisecondsOf([&] { started = std::make_unique<StartedWindow>(prompts); });
        state.SetIterationTime(ms / 1000);
        figure.push_back(ms);
    }
    report(state, figure, medianMilliseconds([] { readWholeFile(cachePath()); }));
}

void loadOfCache(benchmark::State& state) {
    const int pages = int(state.range(0));
    setProgramFolder(freshFolder(pages));
    std::vector<double> figure;
    for (auto _ : state) {
        Document document;
        const double ms = millisecondsOf([&] { loadCache(document, cachePath()); });
        state.SetIterationTime(ms / 1000);
        figure.push_back(ms);
    }
    report(state, figure, medianMilliseconds([] { readWholeFile(cachePath()); }));
}

// The logic of the main window over a loaded document, without a window.
struct LoadedCommands {
    explicit LoadedCommands(int pages)
        : app(englishTexts()), interaction(app, view, prompts),
          commands(app, view, prompts, interaction) {
        setProgramFolder(freshFolder(pages));
        CacheSnapshot asRead;
        loadCache(app.document, cachePath(), nullptr, &asRead);
        app.snapshots.fileWasRead(std::move(asRead), cachePath()); // as a start-up does
        app.documentPresent = true;
        app.currentPage = 1;
    }
    AppState app;
    bench::IdleView view;
    QuietPrompts prompts;
    PageInteraction interaction;
    CommandDispatcher commands;
};

// Ticks row 5 in tick mode and underlines it whole.
void underlineRowFive(LoadedCommands& loaded) {
    loaded.interaction.mode().tickModeOn(tickbox::Shape::Square);
    loaded.interaction.mode().toggleTick(5); // the command clears it again
    loaded.commands.dispatch(command::UnderlineFullHorizontal);
}

// How long the window is held by one mark, the undo snapshot included as far as the
// window waits for it. Beside it, how much longer the snapshot takes to be on disk, and
// the bytes it writes (the previous mark's record).
void oneMarkCommand(benchmark::State& state) {
    LoadedCommands loaded(int(state.range(0)));
    underlineRowFive(loaded); // from here on, each snapshot holds one changed record
    std::vector<double> figure;
    std::vector<double> onDisk;
    std::vector<double> written;
    for (auto _ : state) {
        waitForSnapshot(loaded.app, loaded.view, loaded.prompts);
        const double before = bench::writtenBytes();
        const double ms = millisecondsOf([&] { underlineRowFive(loaded); });
        state.SetIterationTime(ms / 1000);
        figure.push_back(ms);
        onDisk.push_back(
            millisecondsOf([&] { waitForSnapshot(loaded.app, loaded.view, loaded.prompts); }));
        written.push_back(bench::writtenBytes() - before);
    }
    report(state, figure, 0);
    state.counters["then_on_disk_ms"] = median(onDisk);
    state.counters["written_KB"] = median(written) / 1024;
    // Beside it, the same document written whole, as every snapshot was before.
    const double before = bench::writtenBytes();
    state.counters["whole_file_ms"] = millisecondsOf(
        [&] { saveCache(loaded.app.document, cachePath() + QStringLiteral(".whole")); });
    state.counters["whole_file_KB"] = (bench::writtenBytes() - before) / 1024;
    QFile::remove(cachePath() + QStringLiteral(".whole"));
}

// "Exit" after a session of ten marks, each of them written as the reader goes on: the
// document's last change and the settings are written.
void exitAfterMarks(benchmark::State& state) {
    std::vector<double> figure;
    for (auto _ : state) {
        LoadedCommands loaded(int(state.range(0)));
        for (int mark = 0; mark < 10; ++mark) {
            underlineRowFive(loaded);
            waitForSnapshot(loaded.app, loaded.view, loaded.prompts);
        }
        const double ms = millisecondsOf([&] { loaded.commands.dispatch(command::Exit); });
        state.SetIterationTime(ms / 1000);
        figure.push_back(ms);
    }
    report(state, figure, 0);
}

// How long the window is held by "Undo" and by "Redo" of a mark, each step showing its
// page again and starting the write of the file where the file does not hold it already.
// The write goes on after the window returns; it is waited for between the steps.
void undoAndRedo(benchmark::State& state) {
    LoadedCommands loaded(int(state.range(0)));
    CommandDispatcher& commands = loaded.commands;
    const auto step = [&](int commandId) {
        const double ms = millisecondsOf([&] { commands.dispatch(commandId); });
        waitForSnapshot(loaded.app, loaded.view, loaded.prompts);
        return ms;
    };
    loaded.interaction.mode().tickModeOn(tickbox::Shape::Square);
    loaded.interaction.mode().toggleTick(5);
    commands.dispatch(command::UnderlineFullHorizontal);
    commands.dispatch(command::TickControl);
    waitForSnapshot(loaded.app, loaded.view, loaded.prompts);
    std::vector<double> undos, redos;
    for (auto _ : state) {
        undos.push_back(step(command::Undo));
        redos.push_back(step(command::Redo));
        state.SetIterationTime(std::max(undos.back(), redos.back()) / 1000);
    }
    state.counters["undo_ms"] = median(undos);
    state.counters["redo_ms"] = median(redos);
}

void redrawCommand(benchmark::State& state, int commandId) {
    const int pages = int(state.range(0));
    LoadedCommands loaded(pages);
    PositionSettings& position = loaded.app.settings.position;
    std::vector<double> figure;
    for (auto _ : state) {
        if (commandId == command::GuideReader) {
            position.guideOn = PositionSettings::kGuideShown;
            position.guideRow = 1;
        }
        const double ms = millisecondsOf([&] { loaded.commands.dispatch(commandId); });
        state.SetIterationTime(ms / 1000);
        figure.push_back(ms);
    }
    report(state, figure, medianMilliseconds([&] { drawPlainPages(loaded.app.document, pages); }));
}

void update(benchmark::State& state) {
    redrawCommand(state, command::Update);
}

void guideOff(benchmark::State& state) {
    redrawCommand(state, command::GuideReader);
}

// The child's part: one start-up, then the peak resident memory in kilobytes on stdout.
// The high-water mark of the process's own memory is read, not getrusage's figure, which
// keeps the resident size of the benchmark process the child was forked from.
int printPeakRssOfStartUp(const QString& folder) {
    setProgramFolder(folder);
    QuietPrompts prompts;
    StartedWindow started(prompts);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            printf("%s\n", line.mid(6).trimmed().split(' ')[0].constData());
    return 0;
}

double peakRssMegabytes(const QString& folder) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {kPeakRssSwitch, folder});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toDouble() / 1024.0;
}

void peakRssOfStartUp(benchmark::State& state) {
    const QString withDocument = freshFolder(int(state.range(0)));
    const QTemporaryDir empty;
    for (auto _ : state) {
        state.counters["peak_MB"] = peakRssMegabytes(withDocument);
        state.counters["floor_MB"] = peakRssMegabytes(empty.path());
    }
}

void eachSize(benchmark::internal::Benchmark* b) {
    b->ArgName("pages")->Arg(1)->Arg(10)->Arg(50)->Arg(200);
    b->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(startUpToFirstPage)->Apply(eachSize);
BENCHMARK(loadOfCache)->Apply(eachSize);
BENCHMARK(oneMarkCommand)->Apply(eachSize);
BENCHMARK(undoAndRedo)->Apply(eachSize);
BENCHMARK(exitAfterMarks)->Apply(eachSize);
BENCHMARK(update)->Apply(eachSize);
BENCHMARK(guideOff)->Apply(eachSize);
BENCHMARK(peakRssOfStartUp)->ArgName("pages")->Arg(200)->Iterations(1);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kPeakRssSwitch) == 0)
        return printPeakRssOfStartUp(QString::fromLocal8Bit(argv[2]));
    // The figures and their floors read best as columns.
    std::vector<char*> arguments(argv, argv + argc);
    char tabular[] = "--benchmark_counters_tabular=true";
    arguments.push_back(tabular);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
