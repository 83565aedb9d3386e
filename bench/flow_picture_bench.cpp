// SPDX-License-Identifier: MIT
// Benchmarks of the flow picture: building its data for a state (flow, streamlines, pressure
// mesh), recording one plane, and painting a whole 960 x 360 frame into an image, for a cambered
// profile, the symmetric profile and the flat plate.
#include "bench/flow_cases.h"
#include "plots/flow_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using kestrel::FlowPicture;
using kestrel::State;

constexpr int kWidth = 960;
constexpr int kHeight = 360;

// The data of one state: the flow, its streamlines and the pressure mesh.
void BM_FlowPictureData(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    for (auto _ : bench) {
        const FlowPicture picture(s);
        benchmark::DoNotOptimize(picture.streamlines().data());
    }
}
BENCHMARK(BM_FlowPictureData)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Recording one plane at mapping stage argument 1 / 4.
void BM_RecordPlane(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    const FlowPicture picture(s);
    const double t = static_cast<double>(bench.range(1)) / 4;
    kestrel::Surface surface;
    for (auto _ : bench) {
        kestrel::drawFlowPlane(surface, picture, t, {0, 0, 440, 352});
        benchmark::DoNotOptimize(surface.items().data());
    }
    bench.counters["items"] = static_cast<double>(surface.items().size());
}
BENCHMARK(BM_RecordPlane)->ArgsProduct({{0, 1, 2}, {0, 2, 4}})->Unit(benchmark::kMillisecond);

// One whole frame at stage argument 1 / 4: both planes recorded and painted with the legend
// into a 960 x 360 image, as the study window repaints after a move of its mapping slider.
void BM_PictureFrame(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    const FlowPicture picture(s);
    const double t = static_cast<double>(bench.range(1)) / 4;
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        kestrel::paintFlowPicture(painter, picture, image.size(), 1, t);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PictureFrame)->ArgsProduct({{0, 1, 2}, {0, 2}})->Unit(benchmark::kMillisecond);

} // namespace

// The fonts of the picture need a QGuiApplication; Qt's offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
