// SPDX-License-Identifier: MIT
// A change of language while the study window is open beside the main window (12 % thickness,
// 4 % camber, 5 degrees, Mach 0.5): the translations installed, every window told, and both
// windows painted again, for the study window's Flow tab and its Compressibility tab. Runs on
// the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "bench/study_windows.h"
#include "bench/window_bench_main.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/study_window.h"

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

using kestrel::Form1;
using kestrel::Language;
using kestrel::StudyWindow;

struct Windows {
    Form1 form;
    StudyWindow* study = nullptr;
    QImage mainImage;
    QImage studyImage;

    Windows() : study(kestrel::bench::openStudyWindow(form)) {
        mainImage = imageOf(form);
        studyImage = imageOf(*study);
    }

    static QImage imageOf(const QWidget& widget) {
        QImage image(widget.size() * widget.devicePixelRatioF(),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(widget.devicePixelRatioF());
        return image;
    }

    // What a user's choice in the Language menu sets off, up to both windows painted.
    void switchTo(Language language) {
        kestrel::setLanguage(language);
        QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        form.render(&mainImage);
        study->render(&studyImage);
        benchmark::DoNotOptimize(studyImage.constBits());
        benchmark::ClobberMemory();
    }
};

Windows* windows = nullptr;

void switchLanguage(benchmark::State& state, int tab) {
    windows->study->tabs()->setCurrentIndex(tab);
    QApplication::processEvents();
    bool english = false;
    for (auto _ : state) {
        english = !english;
        windows->switchTo(english ? Language::English : Language::Turkish);
    }
}

void BM_SwitchLanguage_FlowTab(benchmark::State& state) {
    switchLanguage(state, 0);
}
BENCHMARK(BM_SwitchLanguage_FlowTab)->Unit(benchmark::kMillisecond);

void BM_SwitchLanguage_CompressibilityTab(benchmark::State& state) {
    switchLanguage(state, 1);
}
BENCHMARK(BM_SwitchLanguage_CompressibilityTab)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return kestrel::bench::runWindowBenchmarks(argc, argv, QStringLiteral("kestrel-bench-language"),
                                               windows);
}
