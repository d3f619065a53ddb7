#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

namespace ladrix {

// Runs every registered benchmark inside a QApplication, offscreen unless a platform is set.
inline int runGuiBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace ladrix
