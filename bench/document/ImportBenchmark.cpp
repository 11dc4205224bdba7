// Importing a 13,000-line text: 200 full pages, as the "New" command does it (the pages
// are drawn when they are shown), into a fresh program state and over a previous
// document.
#include "prompts/Prompts.h"
#include "prompts/QuietPrompts.h"
#include "shell/AppState.h"
#include "shell/DocumentActions.h"
#include "support/IdleView.h"
#include "text/TextSet.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folia;
using folia::bench::IdleView;

namespace {

void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "bench_import";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// A text as Quillet writes it: lines of up to 93 characters, CR LF, some inline symbols.
const QString& textPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath("cache.txt");
        QFile file(p);
        file.open(QIODevice::WriteOnly);
        const QByteArray words[] = {"the",  "reader", "underlines", "a",     "page", "of",
                                    "\\$1", "notes",  "margin",     "\\#05", "text"};
        for (int line = 0; line < 13000; ++line) {
            QByteArray text;
            for (int w = line; text.size() < 80; ++w)
                text += words[w % 11] + ' ';
            file.write(text.trimmed() + "\r\n");
        }
        return p;
    }();
    return path;
}

void importFresh(benchmark::State& state) {
    ensureGuiApplication();
    IdleView view;
    QuietPrompts prompts;
    for (auto _ : state) {
        AppState app(englishTexts());
        importTextFile(app, view, prompts, textPath());
        benchmark::DoNotOptimize(app.document.pageCount);
    }
}

void importOverPreviousDocument(benchmark::State& state) {
    ensureGuiApplication();
    IdleView view;
    QuietPrompts prompts;
    AppState app(englishTexts());
    importTextFile(app, view, prompts, textPath());
    for (auto _ : state) {
        importTextFile(app, view, prompts, textPath());
        benchmark::DoNotOptimize(app.document.pageCount);
    }
}

} // namespace

BENCHMARK(importFresh)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importOverPreviousDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
