// Importing a 13,000-line text: 200 full pages, each drawn as it fills (page render and
// screen furniture), as the "New" command does it. Measured with the page surfaces made
// afresh (the first import of a run), reusing those of a previous document, and without
// drawing the pages.
#include "document/TextImport.h"
#include "output/PageFurniture.h"
#include "shell/AppState.h"
#include "shell/Ports.h"
#include "shell/QuietPrompts.h"
#include "text/TextSet.h"
#include "view/PageRenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folia;

namespace {

class IdleView : public MainView {
public:
    void setCaption(const QString&) override {}
    void setCommandEnabled(int, bool) override {}
    void setCommandChecked(int, bool) override {}
    void rebuildMenu() override {}
    void showView(const QImage&) override {}
    void startBusyAnimation() override {}
    void stopBusyAnimation() override {}
    void focusPage() override {}
};

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

void importInto(AppState& app, IdleView& view, QuietPrompts& prompts) {
    importText(app, view, prompts, textPath(), [&](int page) {
        renderPage(app, page, false, prompts);
        drawPageFurniture(app.surfaces.page(page), page, app.settings, app.texts, true);
    });
}

void importFreshSurfaces(benchmark::State& state) {
    ensureGuiApplication();
    IdleView view;
    QuietPrompts prompts;
    for (auto _ : state) {
        AppState app(englishTexts());
        importInto(app, view, prompts);
        benchmark::DoNotOptimize(app.document.pageCount);
    }
}

void importReusingSurfaces(benchmark::State& state) {
    ensureGuiApplication();
    IdleView view;
    QuietPrompts prompts;
    AppState app(englishTexts());
    importInto(app, view, prompts);
    for (auto _ : state) {
        importInto(app, view, prompts);
        benchmark::DoNotOptimize(app.document.pageCount);
    }
}

// The import alone, pages left undrawn: what the rows and surfaces cost by themselves.
void importWithoutDrawing(benchmark::State& state) {
    ensureGuiApplication();
    IdleView view;
    QuietPrompts prompts;
    AppState app(englishTexts());
    importText(app, view, prompts, textPath(), [](int) {});
    for (auto _ : state) {
        importText(app, view, prompts, textPath(), [](int) {});
        benchmark::DoNotOptimize(app.document.pageCount);
    }
}

} // namespace

BENCHMARK(importWithoutDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importFreshSurfaces)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(importReusingSurfaces)->Unit(benchmark::kMillisecond)->Iterations(3);
