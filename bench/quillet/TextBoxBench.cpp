// The editor's text box holding a large text: loading it until the first rows are painted,
// and one typed character in the middle of it until the box has repainted.
#include "../editor/BenchText.h"
#include "quillet/QuilletTextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

using namespace folia;

namespace {

// One line without a blank: letters and digits, or with the '+' and '/' of base64, where
// a row may end after a slash.
QString unbrokenLine(qsizetype size, bool withSlashes) {
    static const QString plain =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    static const QString base64 = plain + QStringLiteral("+/");
    const QString& alphabet = withSlashes ? base64 : plain;
    QString text(size, Qt::Uninitialized);
    quint32 seed = 777;
    for (QChar& c : text) {
        seed = seed * 1103515245u + 12345u;
        c = alphabet[(seed >> 8) % alphabet.size()];
    }
    return text;
}

enum Shape { OneLine, OneLineBase64, ManyLines };

QString textOf(Shape shape, qsizetype size) {
    return shape == ManyLines ? bench::prose(size, true)
                              : unbrokenLine(size, shape == OneLineBase64);
}

void typeOneCharacter(QuilletTextBox& box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
    box.viewport()->repaint();
}

void loadText(benchmark::State& state) {
    const QString text = textOf(Shape(state.range(0)), state.range(1));
    QuilletTextBox box;
    box.resize(778, 875);
    box.show();
    for (auto _ : state) {
        box.setText(text);
        box.viewport()->repaint();
    }
}

void typeInTheMiddle(benchmark::State& state) {
    const QString text = textOf(Shape(state.range(0)), state.range(1));
    QuilletTextBox box;
    box.resize(778, 875);
    box.show();
    box.setText(text);
    box.setFocus();
    box.select(text.size() / 2, text.size() / 2);
    box.viewport()->repaint();
    for (auto _ : state)
        typeOneCharacter(box);
}

constexpr qsizetype kTenMB = 10 << 20;

} // namespace

BENCHMARK(loadText)
    ->ArgsProduct({{OneLine, OneLineBase64, ManyLines}, {kTenMB}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(typeInTheMiddle)
    ->ArgsProduct({{OneLine, OneLineBase64, ManyLines}, {kTenMB}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
