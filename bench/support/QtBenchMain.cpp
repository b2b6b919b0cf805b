#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

// The benchmarks draw into windows and OpenGL bitmaps, so they run inside one
// Qt application, on the offscreen platform unless the caller chose another.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
