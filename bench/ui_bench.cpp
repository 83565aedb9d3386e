// SPDX-License-Identifier: MIT
// Benchmarks of the window's drawing chain on a real main window: the user moves the thickness
// scroll bar, which runs the full chain (profile, circle plane and profile plots, pressure,
// pressure plot, lift and moment curves) and redraws the five surfaces; the surfaces are then
// painted. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "bench/window_bench_main.h"
#include "ui/form1.h"
#include "ui/picture_box.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QWindow>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using kestrel::Form1;
using kestrel::PictureBox;

constexpr std::array<const char*, 5> kSurfaceNames{"daire", "profil", "pressure", "Picture_CL",
                                                   "Picture_CM"};

// Counts the paint events the five surfaces receive, so a benchmark can show that it really
// painted them (a surface that is not repainted would make the figures look better than they
// are).
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The shown main window in the state of the README's screenshot (Mach 0.3, camber 4, 101
// points, angle of attack 5, moment reference 25, thickness 12), with one image per surface.
// Mach 0.3 makes the pressure, lift and moment plots draw their compressible curves as well.
struct Window {
    Form1 form;
    QScrollBar* thickness = nullptr;
    std::array<PictureBox*, 5> surfaces{};
    std::array<QImage, 5> images;
    PaintCounter counter;
    bool ready = false;

    Window() {
        form.show();
        const QDeadlineTimer deadline(5000);
        while (!(form.windowHandle() && form.windowHandle()->isExposed()) &&
               !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        thickness = form.findChild<QScrollBar*>(QStringLiteral("HScroll_Thickness"));
        auto* mach = form.findChild<QLineEdit*>(QStringLiteral("Text_Moo"));
        if (!form.windowHandle() || !form.windowHandle()->isExposed() || !thickness || !mach) {
            return;
        }
        mach->setText(QStringLiteral("0.3"));
        const std::pair<const char*, int> positions[] = {{"HScroll_Camber", 4},
                                                         {"HScroll_nP", 101},
                                                         {"HScroll_AlfaD", 5},
                                                         {"HScroll_xM", 25},
                                                         {"HScroll_Thickness", 12}};
        for (const auto& [name, value] : positions) {
            auto* bar = form.findChild<QScrollBar*>(QString::fromUtf8(name));
            if (!bar) {
                return;
            }
            bar->setValue(value);
        }
        for (std::size_t i = 0; i < surfaces.size(); ++i) {
            surfaces[i] = form.findChild<PictureBox*>(QString::fromUtf8(kSurfaceNames[i]));
            if (!surfaces[i]) {
                return;
            }
            const qreal ratio = surfaces[i]->devicePixelRatioF();
            images[i] = QImage(surfaces[i]->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            images[i].setDevicePixelRatio(ratio);
            surfaces[i]->installEventFilter(&counter);
        }
        QApplication::processEvents();
        ready = form.state().nP == 101 && form.state().Chord > 0;
    }

    // Moves the thickness scroll bar between 12 and 11 hundredths: each move is a completed
    // change of the bar and runs the window's full chain.
    void changeThickness() { thickness->setValue(thickness->value() == 12 ? 11 : 12); }

    void renderSurfaces() {
        for (std::size_t i = 0; i < surfaces.size(); ++i) {
            surfaces[i]->render(&images[i]);
            benchmark::DoNotOptimize(images[i].constBits());
        }
        benchmark::ClobberMemory();
    }
};

Window* window = nullptr;

// Sets up a benchmark run: flushes what earlier runs left pending and starts counting paints.
bool begin(benchmark::State& bench) {
    if (!window || !window->ready) {
        bench.SkipWithError("the main window could not be shown and set up");
        return false;
    }
    QApplication::processEvents();
    window->counter.paints = 0;
    return true;
}

void reportPaints(benchmark::State& bench) {
    bench.counters["surface_paints"] = benchmark::Counter(
        static_cast<double>(window->counter.paints), benchmark::Counter::kAvgIterations);
}

// The full chain, then each of the five surfaces rendered into an image of its own size.
void BM_ThicknessChange_RenderFiveSurfaces(benchmark::State& bench) {
    if (!begin(bench)) {
        return;
    }
    for (auto _ : bench) {
        window->changeThickness();
        window->renderSurfaces();
    }
    reportPaints(bench);
}
BENCHMARK(BM_ThicknessChange_RenderFiveSurfaces)->Unit(benchmark::kMicrosecond);

// The full chain, then the window's own repaint: the pending updates are delivered and the
// window's backing store is painted, as the event loop would do after a user's change.
void BM_ThicknessChange_WindowRepaint(benchmark::State& bench) {
    if (!begin(bench)) {
        return;
    }
    for (auto _ : bench) {
        window->changeThickness();
        QApplication::processEvents();
    }
    reportPaints(bench);
}
BENCHMARK(BM_ThicknessChange_WindowRepaint)->Unit(benchmark::kMicrosecond);

// The full chain alone: computing, recording the five surfaces and writing the text boxes,
// nothing painted. The difference to the benchmarks above is the cost of painting.
void BM_ThicknessChange_NoPainting(benchmark::State& bench) {
    if (!begin(bench)) {
        return;
    }
    for (auto _ : bench) {
        window->changeThickness();
        benchmark::ClobberMemory();
    }
    reportPaints(bench);
}
BENCHMARK(BM_ThicknessChange_NoPainting)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    return kestrel::bench::runWindowBenchmarks(argc, argv, QStringLiteral("Kestrel"), window);
}
