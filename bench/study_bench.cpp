// SPDX-License-Identifier: MIT
// Benchmarks of the study window beside a real main window (12 % thickness, 4 % camber, 5
// degrees, Mach 0.5): from the end of a main-window chain to the study window painted at its
// default size, for each tab (the Compressibility tab with both its charts); one frame of the
// particle animation; and the share of one core that the animation takes while it runs. Runs on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "bench/study_windows.h"
#include "bench/window_bench_main.h"
#include "ui/boundary_layer_tab.h"
#include "ui/flow_view.h"
#include "ui/form1.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTabWidget>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>

namespace {

using kestrel::Form1;
using kestrel::StudyWindow;

struct Windows {
    Form1 form;
    StudyWindow* study = nullptr;
    QImage image;

    Windows() {
        study = kestrel::bench::openStudyWindow(form);
        const qreal ratio = study->devicePixelRatioF();
        image = QImage(study->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
    }

    // The work after a chain of the main window: the study window redraws from the state the
    // chain left, then it is painted.
    void followAndPaint() {
        study->follow();
        study->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
};

Windows* windows = nullptr;

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_ChainEndToStudyPainted_Flow(benchmark::State& bench) {
    windows->study->tabs()->setCurrentWidget(windows->study->flowTab());
    for (auto _ : bench) {
        windows->followAndPaint();
    }
}
BENCHMARK(BM_ChainEndToStudyPainted_Flow)->Unit(benchmark::kMillisecond);

void BM_ChainEndToStudyPainted_Compressibility(benchmark::State& bench) {
    windows->study->tabs()->setCurrentWidget(
        windows->study->findChild<QWidget*>(QStringLiteral("compressibilityTab")));
    for (auto _ : bench) {
        windows->followAndPaint();
    }
}
BENCHMARK(BM_ChainEndToStudyPainted_Compressibility)->Unit(benchmark::kMillisecond);

// The Boundary layer tab: the layer and the 21-angle polar at its Reynolds number, its pictures
// recorded and the window painted.
void BM_ChainEndToStudyPainted_BoundaryLayer(benchmark::State& bench) {
    windows->study->tabs()->setCurrentWidget(windows->study->boundaryLayerTab());
    for (auto _ : bench) {
        windows->followAndPaint();
    }
}
BENCHMARK(BM_ChainEndToStudyPainted_BoundaryLayer)->Unit(benchmark::kMillisecond);

// The Theory tab: the comparison with thin-airfoil theory, its three charts and table.
void BM_ChainEndToStudyPainted_Theory(benchmark::State& bench) {
    windows->study->tabs()->setCurrentWidget(
        windows->study->findChild<QWidget*>(QStringLiteral("theoryTab")));
    for (auto _ : bench) {
        windows->followAndPaint();
    }
}
BENCHMARK(BM_ChainEndToStudyPainted_Theory)->Unit(benchmark::kMillisecond);

// Each tab's follow with and without a profile kept for comparison (12 % symmetric at 5 degrees,
// kept once before the timing): the difference is what the ghost and the table add to a chain's
// end. Arguments: the tab's index, and 1 with a kept profile.
void BM_ChainEndToStudyPainted_Kept(benchmark::State& bench) {
    StudyWindow* study = windows->study;
    auto* camber = windows->form.findChild<QScrollBar*>(QStringLiteral("HScroll_Camber"));
    if (bench.range(1) != 0) {
        camber->setValue(0);
        study->keep();
        camber->setValue(4);
    }
    study->tabs()->setCurrentIndex(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        windows->followAndPaint();
    }
    study->clearKept();
}
BENCHMARK(BM_ChainEndToStudyPainted_Kept)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// One frame of the particle animation: the particles moved and the view painted over its cached
// flow picture.
void BM_ParticleFrame(benchmark::State& bench) {
    kestrel::FlowTab* tab = windows->study->flowTab();
    windows->study->tabs()->setCurrentWidget(tab);
    kestrel::FlowView* view = tab->view();
    QImage frame(view->size() * view->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(view->devicePixelRatioF());
    double time = 0;
    for (auto _ : bench) {
        time += 1.0 / kestrel::FlowTab::kFramesPerSecond;
        view->setParticleTime(time);
        view->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    view->setParticleTime(std::nullopt);
}
BENCHMARK(BM_ParticleFrame)->Unit(benchmark::kMicrosecond);

// The animation left running in the event loop for two seconds: the process's CPU time over the
// wall time is the share of one core it takes.
void BM_ParticleAnimation_CoreShare(benchmark::State& bench) {
    kestrel::FlowTab* tab = windows->study->flowTab();
    windows->study->tabs()->setCurrentWidget(tab);
    for (auto _ : bench) {
        tab->particlesSwitch()->setChecked(true);
        const long framesBefore = tab->frames();
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = processSeconds();
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        const double share = (processSeconds() - cpuBefore) / (wall.elapsed() / 1000.0);
        tab->particlesSwitch()->setChecked(false);
        bench.counters["core_share_percent"] = 100 * share;
        bench.counters["frames_per_second"] =
            (tab->frames() - framesBefore) / (wall.elapsed() / 1000.0);
    }
}
BENCHMARK(BM_ParticleAnimation_CoreShare)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    // Its own name keeps the study window's remembered geometry and tab apart from the user's.
    return kestrel::bench::runWindowBenchmarks(argc, argv, QStringLiteral("Kestrel benchmark"),
                                               windows);
}
