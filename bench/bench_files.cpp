#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "files/ProjectFiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace ladrix;

namespace {

// A project with every step and every cell filled, Chinese texts included, and a place for
// its file.
struct FullProject {
    FullProject()
    {
        static const char* const mnemonics[] = {"LD", "AND", "OUT", "K", "ORB", "END"};
        store.projectName = QStringLiteral("满工程");
        store.plcType = 1;
        for (int i = 0; i < ProgramStore::kFileSteps; ++i)
            store.step(i) = Step{QString::fromLatin1(mnemonics[i % 6]),
                                 QStringLiteral("M%1").arg(100 + i % 78), QString()};
        for (int i = 0; i <= LadderGrid::kLastIndex; ++i)
            grid.cell(i) =
                Cell{kContact, kPlainEdge, i % 3 ? kPlainEdge : kLinkDown,
                     QStringLiteral("X%1").arg(i % 28), QStringLiteral("定时%1").arg(i % 7)};
    }

    QTemporaryDir dir;
    QString path = dir.filePath("full.lrp");
    ProgramStore store;
    LadderGrid grid;
};

void BM_SaveProject(benchmark::State& state)
{
    FullProject project;
    for (auto _ : state) {
        if (!saveProject(project.path, project.store, project.grid))
            state.SkipWithError("could not write the project");
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state)
{
    FullProject project;
    if (!saveProject(project.path, project.store, project.grid)) {
        state.SkipWithError("could not write the project");
        return;
    }
    for (auto _ : state) {
        ProgramStore loaded;
        LadderGrid loadedGrid;
        const FileStatus status = openProject(project.path, loaded, loadedGrid);
        if (!status || status.truncated)
            state.SkipWithError("project did not read back whole");
        benchmark::DoNotOptimize(loadedGrid.cell(10000).dev.size());
    }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
