// Whole transfers through the session to the simulated controller without reply latency, with
// the controller's real pauses and key pacing. Each reports its time over the least time its
// pauses allow, as overhead_pct (target: at most 5 %):
//   high-speed write of 1000 steps: the two lead-in waits, 30 ms per word, the closing waits;
//   write by keys of 100 steps: 60 ms before every key after the first, and the 2 s pause.
#include "plc/PlcSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <benchmark/benchmark.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

ProgramStore programOf(int steps)
{
    ProgramStore program;
    for (int i = 0; i + 1 < steps; ++i)
        program.step(i) = Step{QStringLiteral("LD"), QStringLiteral("X027"), QString()};
    program.step(steps - 1) = Step{QStringLiteral("END"), QString(), QString()};
    return program;
}

// Runs one request to its end; false when it was refused or did not succeed.
bool await(PlcSession& session, const std::function<bool()>& request)
{
    bool ok = false;
    QEventLoop loop;
    QObject::connect(&session, &PlcSession::finished, &loop, [&](const SequenceResult& r) {
        ok = r.ok();
        loop.quit();
    });
    if (!request())
        return false;
    loop.exec();
    return ok;
}

void report(benchmark::State& state, double ms, double pausesMs)
{
    state.SetIterationTime(ms / 1e3);
    state.counters["pauses_ms"] = pausesMs;
    state.counters["overhead_pct"] = 100.0 * (ms - pausesMs) / pausesMs;
}

void BM_HighSpeedWrite1000Steps(benchmark::State& state)
{
    PlcSession session;
    if (!await(session, [&] { return session.openPort(QStringLiteral("sim")); })) {
        state.SkipWithError("no simulated controller");
        return;
    }
    const ProgramStore program = programOf(1000);
    const TransferDelays d;
    const double pauses = 2.0 * d.leadInMs + 1000.0 * d.wordGapMs + d.settleMs + d.endMs;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        if (!await(session, [&] { return session.highSpeedWrite(program); })) {
            state.SkipWithError("the write failed");
            return;
        }
        report(state, t.nsecsElapsed() / 1e6, pauses);
    }
}
BENCHMARK(BM_HighSpeedWrite1000Steps)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_KeyWrite100Steps(benchmark::State& state)
{
    PlcSession session;
    if (!await(session, [&] { return session.openPort(QStringLiteral("sim")); })) {
        state.SkipWithError("no simulated controller");
        return;
    }
    int keys = 0;
    QObject::connect(&session, &PlcSession::keyExchanged, &session,
                     [&](const KeyResult&) { ++keys; });
    const ProgramStore program = programOf(100);
    const KeyTiming timing;
    for (auto _ : state) {
        keys = 0;
        QElapsedTimer t;
        t.start();
        if (!await(session, [&] { return session.writeProgram(program, WriteRange{}); })) {
            state.SkipWithError("the write failed");
            return;
        }
        // Every key but the first of the port waits out the pacing after the one before.
        const double pauses = double(keys - 1) * timing.pacingMs + TransferDelays{}.afterClearMs;
        report(state, t.nsecsElapsed() / 1e6, pauses);
        state.counters["keys"] = keys;
    }
}
BENCHMARK(BM_KeyWrite100Steps)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the session reports through the event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
