#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"

#include <QStringList>
#include <benchmark/benchmark.h>

using namespace ladrix;

namespace {

// Fills the steps of the second model with copies of `rung` while they fit before step 2000.
ProgramStore programOf(const QStringList& rung)
{
    ProgramStore store;
    store.plcType = 1;
    for (int i = 0; i + rung.size() <= store.maxStep() + 1; i += int(rung.size())) {
        for (int k = 0; k < rung.size(); ++k) {
            store.step(i + k).ins = rung[k].section(' ', 0, 0);
            store.step(i + k).data = rung[k].section(' ', 1);
        }
    }
    return store;
}

// 500 rungs of two rows each: all 1000 rows hold a rung with a branch, 2000 steps.
const QStringList kBranchRung{"LD X0", "AND X1", "OR X2", "OUT Y30"};
// Rungs of three rows with a group after a contact and a branch of two contacts.
const QStringList kNestedRung{"LD X0",  "LD X1", "OR X2",   "ANB",  "LD X3",
                              "AND X4", "ORB",   "OUT T50", "K 10", "OUT Y31"};

void compileGridOf(benchmark::State& state, const QStringList& rung)
{
    LadderGrid grid;
    drawLadder(programOf(rung), grid);
    ProgramStore store;
    for (auto _ : state) {
        compileLadder(grid, store);
        benchmark::DoNotOptimize(store.step(0).ins.size());
    }
}

void drawProgramOf(benchmark::State& state, const QStringList& rung)
{
    const ProgramStore program = programOf(rung);
    for (auto _ : state) {
        state.PauseTiming();
        LadderGrid grid;
        state.ResumeTiming();
        drawLadder(program, grid);
        benchmark::DoNotOptimize(grid.cell(0).type);
    }
}

void BM_CompileThousandRowsOfBranches(benchmark::State& state)
{
    compileGridOf(state, kBranchRung);
}

void BM_CompileNestedGroups(benchmark::State& state)
{
    compileGridOf(state, kNestedRung);
}

void BM_DrawTwoThousandSteps(benchmark::State& state)
{
    drawProgramOf(state, kBranchRung);
}

void BM_DrawNestedGroups(benchmark::State& state)
{
    drawProgramOf(state, kNestedRung);
}

} // namespace

BENCHMARK(BM_CompileThousandRowsOfBranches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompileNestedGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawTwoThousandSteps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawNestedGroups)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
