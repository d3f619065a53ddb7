// Key exchange timing and cost. Overhead = time of one exchange minus the 60 ms pacing and the
// controller's reply latency (target <= 5 ms). Process CPU time while a 500 ms reply is awaited
// (target <= 10 ms). Both are reported as counters, in milliseconds.
#include "ProcessCpu.h"

#include "plc/KeyCodes.h"
#include "plc/KeyExchange.h"
#include "plc/PtyServer.h"
#include "plc/SerialLink.h"
#include "plc/SimLink.h"
#include "plc/StepCoding.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

// Times paced exchanges over `link` whose controller answers after `latencyMs`.
void timeExchanges(benchmark::State& state, Link& link, int latencyMs)
{
    KeyExchange keys(link);
    if (!keys.exchange(key::Clear).ok()) { // from now on every key is paced
        state.SkipWithError("no reply");
        return;
    }
    double totalMs = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const KeyResult r = keys.exchange(key::Clear);
        const double ms = t.nsecsElapsed() / 1e6;
        if (!r.ok()) {
            state.SkipWithError("no reply");
            return;
        }
        state.SetIterationTime(ms / 1e3);
        totalMs += ms;
    }
    const double mean = totalMs / static_cast<double>(state.iterations());
    state.counters["exchange_ms"] = mean;
    state.counters["overhead_ms"] = mean - keys.timing().pacingMs - latencyMs;
}

void BM_ExchangeOverheadSim(benchmark::State& state)
{
    const int latency = static_cast<int>(state.range(0));
    SimLink link;
    link.setFaults(SimFaults{latency, false, 0, 0, 0, {}});
    link.open();
    timeExchanges(state, link, latency);
}
BENCHMARK(BM_ExchangeOverheadSim)->Arg(0)->Arg(20)->Iterations(20)->UseManualTime();

void BM_ExchangeOverheadPty(benchmark::State& state)
{
    const int latency = static_cast<int>(state.range(0));
    PtyServer server;
    server.setFaults(SimFaults{latency, false, 0, 0, 0, {}});
    if (!server.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    SerialLink port(server.slavePath());
    if (!port.open()) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    timeExchanges(state, port, latency);
}
BENCHMARK(BM_ExchangeOverheadPty)->Arg(0)->Arg(20)->Iterations(20)->UseManualTime();

void BM_CpuWhileWaiting500ms(benchmark::State& state)
{
    SimLink link;
    link.setFaults(SimFaults{500, false, 0, 0, 0, {}});
    link.open();
    KeyExchange keys(link);
    double cpuMs = 0;
    for (auto _ : state) {
        const double before = bench::processCpuMs();
        const KeyResult r = keys.exchange(key::Clear);
        cpuMs += bench::processCpuMs() - before;
        if (!r.ok()) {
            state.SkipWithError("no reply");
            return;
        }
    }
    state.counters["cpu_ms"] = cpuMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CpuWhileWaiting500ms)->Iterations(4)->Unit(benchmark::kMillisecond);

void BM_EncodeDecodeFullProgram(benchmark::State& state)
{
    ProgramStore program;
    program.plcType = 1;
    for (int i = 0; i < 1999; ++i)
        program.step(i) = Step{QStringLiteral("LD"), QStringLiteral("X027"), QString()};
    program.step(1999) = Step{QStringLiteral("END"), QString(), QString()};
    for (auto _ : state) {
        ProgramStore back;
        const DecodeResult r = deCodeA(enCodeA(program), back);
        benchmark::DoNotOptimize(r.stored);
    }
}
BENCHMARK(BM_EncodeDecodeFullProgram)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the exchange runs on an event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
