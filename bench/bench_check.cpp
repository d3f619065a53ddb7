#include "core/CrossReference.h"
#include "core/InstructionSet.h"
#include "core/ProgramCheck.h"

#include <QStringList>
#include <benchmark/benchmark.h>

using namespace ladrix;

namespace {

// The valid numbers of a device letter, in order.
QStringList devicesOf(QChar letter)
{
    QStringList names;
    for (int n = 0; n < 800; ++n) {
        if (isValidDeviceNumber(letter, n))
            names << letter + QString::number(n);
    }
    return names;
}

// A full program of the second model: 2000 steps, the last one END, with nothing for the
// check to find. Rungs of nine or ten steps hold nested blocks and drive a device no other
// rung drives: an internal relay, or a timer or counter with its constant, so the check walks
// every kind of step and the cross-reference meets a few hundred devices.
ProgramStore fullProgram()
{
    const QStringList inputs = devicesOf(u'X');
    const QStringList relays = devicesOf(u'M');
    QStringList timed = devicesOf(u'T') + devicesOf(u'C');
    QStringList coils = relays + devicesOf(u'Y');
    ProgramStore store;
    store.plcType = 1;
    int step = 0;
    const auto put = [&](const char* ins, const QString& data) {
        store.step(step++) = Step{QString::fromLatin1(ins), data, {}};
    };
    for (int rung = 0; step + 10 <= store.maxStep(); ++rung) {
        const auto input = [&](int k) { return inputs[(rung * 3 + k) % inputs.size()]; };
        put("LD", input(0));
        put("LD", input(1));
        put("OR", input(2));
        put("ANB", {});
        put("LDI", relays[rung % relays.size()]);
        put("AND", input(3));
        put("ORB", {});
        if (rung % 4 == 0 && !timed.isEmpty()) {
            put("OUT", timed.takeFirst());
            put("K", QString::number(10 + rung));
        } else {
            put("OUT", coils.takeFirst());
        }
    }
    while (step < store.maxStep())
        put("NOP", {});
    put("END", {});
    return store;
}

void BM_CheckFullProgram(benchmark::State& state)
{
    const ProgramStore store = fullProgram();
    if (!checkProgram(store).isEmpty())
        state.SkipWithError("the program is meant to be free of findings");
    for (auto _ : state)
        benchmark::DoNotOptimize(checkProgram(store).size());
}
BENCHMARK(BM_CheckFullProgram)->Unit(benchmark::kMillisecond);

void BM_CrossReferenceFullProgram(benchmark::State& state)
{
    const ProgramStore store = fullProgram();
    for (auto _ : state)
        benchmark::DoNotOptimize(crossReference(store).size());
}
BENCHMARK(BM_CrossReferenceFullProgram)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
