// SPDX-License-Identifier: MIT
// The main of a benchmark program that needs real windows: Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise, the application, and one fixture of shown windows that the
// benchmarks reach through a pointer while they run.
#pragma once

#include <QApplication>
#include <QString>
#include <benchmark/benchmark.h>
#include <memory>

namespace kestrel::bench {

// Builds the fixture after the application, points `fixture` at it while the benchmarks run, and
// returns the program's exit status. `applicationName` keeps remembered settings apart.
template <class Fixture>
int runWindowBenchmarks(int argc, char* argv[], const QString& applicationName, Fixture*& fixture) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The benchmark library takes its own options first; Qt then takes its own.
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationName);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    {
        auto shown = std::make_unique<Fixture>();
        fixture = shown.get();
        benchmark::RunSpecifiedBenchmarks();
        fixture = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace kestrel::bench
