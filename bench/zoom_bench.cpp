// SPDX-License-Identifier: MIT
// Benchmarks of a zoom change (12 % thickness, 4 % camber, 5 degrees, Mach 0.5): from 175 % to
// 200 % and back, each change answered with the main window's client area, or the study
// window on one tab, laid out and painted whole at the new zoom. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
#include "bench/study_windows.h"
#include "bench/window_bench_main.h"
#include "ui/form1.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

using kestrel::Form1;
using kestrel::StudyWindow;

constexpr double kZoom = 2;
constexpr double kZoomBelow = 1.75;

struct Windows {
    Form1 form;
    StudyWindow* study = nullptr;
    QWidget* client = nullptr;

    Windows() {
        study = kestrel::bench::openStudyWindow(form);
        client = form.findChild<QWidget*>(QStringLiteral("client"));
    }

    // Zooms in or out by a step, lets the layouts settle and paints `widget` whole.
    void zoomAndPaint(bool in, QWidget* widget) {
        form.setZoom(in ? kZoom : kZoomBelow);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const qreal ratio = widget->devicePixelRatioF();
        QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        widget->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
};

Windows* windows = nullptr;

void zoomBackAndForth(benchmark::State& bench, QWidget* widget) {
    bool in = true;
    for (auto _ : bench) {
        windows->zoomAndPaint(in, widget);
        in = !in;
    }
    windows->form.setZoom(1);
}

void BM_ZoomChange_MainWindow(benchmark::State& bench) {
    zoomBackAndForth(bench, windows->client);
}
BENCHMARK(BM_ZoomChange_MainWindow)->Unit(benchmark::kMillisecond);

void BM_ZoomChange_StudyWindow_Flow(benchmark::State& bench) {
    windows->study->tabs()->setCurrentIndex(0);
    zoomBackAndForth(bench, windows->study);
}
BENCHMARK(BM_ZoomChange_StudyWindow_Flow)->Unit(benchmark::kMillisecond);

void BM_ZoomChange_StudyWindow_Compressibility(benchmark::State& bench) {
    windows->study->tabs()->setCurrentIndex(1);
    zoomBackAndForth(bench, windows->study);
}
BENCHMARK(BM_ZoomChange_StudyWindow_Compressibility)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    // Its own name keeps the study window's remembered geometry and tab apart from the user's.
    return kestrel::bench::runWindowBenchmarks(argc, argv, QStringLiteral("Kestrel benchmark"),
                                               windows);
}
