#pragma once
// The main of a benchmark program that opens windows, and a fixture made at
// first use.  Windows need the application object, so whatever holds one is
// ended after the benchmarks and before the application object goes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <functional>
#include <memory>

namespace ranvik::bench {

// The fixture of type T, empty until MadeOnce makes it.
template <typename T>
std::unique_ptr<T>& Held() {
    static std::unique_ptr<T> held;
    return held;
}

template <typename T>
T& MadeOnce() {
    std::unique_ptr<T>& held = Held<T>();
    if (!held) held = std::make_unique<T>();
    return *held;
}

// Runs the benchmarks the command line names, offscreen unless the
// environment says otherwise; `beforeExit` ends what holds windows.
// `beforeRun` comes once the application object exists and before the
// benchmark library reads the command line: it may register benchmarks
// that need the application, or take off options of its own.
inline int RunBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = nullptr,
                         const std::function<void(int& argc, char** argv)>& beforeRun = nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (beforeRun) beforeRun(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit) beforeExit();
    return 0;
}

}  // namespace ranvik::bench
