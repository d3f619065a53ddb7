// The simulated controller's scan. One scan of a 1000-step program (target <= 50 us: the time
// of one iteration). The controller on the wall clock with a 200-step program: process CPU time
// over three seconds of wall time (target < 1 %, counter cpu_percent) and the scans it ran in that
// time (scans_per_s, 100 for a kept 10 ms cycle).
#include "ProcessCpu.h"

#include "plc/ScanEngine.h"
#include "plc/SimPlc.h"
#include "plc/StepCoding.h"

#include "core/InstructionSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

std::vector<int> validNumbers(QChar letter, int first, int last)
{
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        if (isValidDeviceNumber(letter, n))
            numbers.push_back(n);
    }
    return numbers;
}

// A program of `size` steps, the last one END, made of rungs of every kind the scan executes:
// contacts and blocks, outputs, timers, counters, PLS, SFT, S/R, MC/MCR and a CJP/EJP not taken.
std::vector<Step> benchProgram(int size)
{
    const std::vector<int> x = validNumbers(u'X', 0, 527);
    const std::vector<int> y = validNumbers(u'Y', 30, 547);
    const std::vector<int> m = validNumbers(u'M', 100, 377);
    // Marks of MC in M100-M177, relays of S and R in M200-M377: the handheld's display tells
    // the instructions that share a key apart by these ranges.
    const std::vector<int> marks = validNumbers(u'M', 100, 177);
    const std::vector<int> held = validNumbers(u'M', 200, 377);
    const std::vector<int> t = validNumbers(u'T', 50, 657);
    const std::vector<int> c = validNumbers(u'C', 60, 667);
    const std::vector<int> d = validNumbers(u'D', 700, 777);
    std::size_t k = 0; // rotates through the devices
    std::size_t labels = 0;
    auto dev = [&](QChar letter, const std::vector<int>& numbers) {
        return QString(letter) + QString::number(numbers[k++ % numbers.size()]);
    };
    std::vector<Step> steps;
    auto add = [&](const char* ins, const QString& data = {}) {
        steps.push_back(Step{QString::fromLatin1(ins), data, {}});
    };
    for (int rung = 0;; ++rung) {
        const std::size_t before = steps.size();
        switch (rung % 8) {
        case 0:
            add("LD", dev(u'X', x));
            add("AND", dev(u'X', x));
            add("OR", dev(u'M', m));
            add("LD", dev(u'X', x));
            add("ORI", dev(u'Y', y));
            add("ANB");
            add("OUT", dev(u'Y', y));
            break;
        case 1:
            add("LD", dev(u'X', x));
            add("OUT", dev(u'T', t));
            add("K", QStringLiteral("01.5"));
            break;
        case 2:
            add("LD", dev(u'X', x));
            add("OUT", dev(u'C', c));
            add("K", QStringLiteral("10"));
            break;
        case 3:
            add("LD", dev(u'X', x));
            add("PLS", dev(u'M', m));
            add("LD", dev(u'X', x));
            add("SFT", dev(u'M', m));
            break;
        case 4: {
            const QString mark = dev(u'M', marks);
            add("LD", dev(u'X', x));
            add("MC", mark);
            add("LD", dev(u'X', x));
            add("OUT", dev(u'M', m));
            add("MCR", mark);
            break;
        }
        case 5: {
            const QString label = QStringLiteral("D") + QString::number(d[labels++ % d.size()]);
            add("LDI", QStringLiteral("M70")); // always off: the jump is not taken
            add("CJP", label);
            add("LD", dev(u'X', x));
            add("OUT", dev(u'Y', y));
            add("EJP", label);
            break;
        }
        case 6:
            add("LD", dev(u'X', x));
            add("S", dev(u'M', held));
            add("LD", dev(u'X', x));
            add("R", dev(u'M', held));
            break;
        default:
            add("LD", dev(u'M', m));
            add("OR", dev(u'T', t));
            add("ANI", dev(u'C', c));
            add("OUT", dev(u'Y', y));
            break;
        }
        if (int(steps.size()) >= size) {
            steps.resize(before); // the rung does not fit: fill up with plain rungs
            break;
        }
    }
    while (int(steps.size()) < size - 1)
        add("NOP");
    add("END");
    return steps;
}

void BM_ScanOf1000StepProgram(benchmark::State& state)
{
    const std::vector<Step> program = benchProgram(1000);
    ScanEngine engine;
    if (!engine.load(program)) {
        state.SkipWithError(engine.fault().toStdString().c_str());
        return;
    }
    engine.start();
    int i = 0;
    for (auto _ : state) {
        // Inputs change now and then, so edges, timers and counters do their work.
        engine.setInput(ScanEngine::inputNumbers()[std::size_t(i % 72)], (i / 72) % 2 == 0);
        ++i;
        if (!engine.scan()) {
            state.SkipWithError("the scan stopped");
            return;
        }
    }
}
BENCHMARK(BM_ScanOf1000StepProgram)->Unit(benchmark::kMicrosecond);

void BM_SimulatorCpuAt10msCycle(benchmark::State& state)
{
    SimPlc plc;
    const std::vector<Step> program = benchProgram(200);
    for (std::size_t i = 0; i < program.size(); ++i) {
        plc.controller().setWord(int(i), encodeStep(program[i]));
    }
    if (!plc.run()) {
        state.SkipWithError(plc.fault().toStdString().c_str());
        return;
    }
    double cpuMs = 0;
    qint64 wallMs = 0;
    qint64 scans = 0;
    for (auto _ : state) {
        const qint64 scansBefore = plc.engine().scanCount();
        const double cpuBefore = bench::processCpuMs();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        cpuMs += bench::processCpuMs() - cpuBefore;
        wallMs += wall.elapsed();
        scans += plc.engine().scanCount() - scansBefore;
    }
    plc.stop();
    state.counters["cpu_percent"] = 100.0 * cpuMs / double(wallMs);
    state.counters["scans_per_s"] = 1000.0 * double(scans) / double(wallMs);
}
BENCHMARK(BM_SimulatorCpuAt10msCycle)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the simulator's clock runs on an event loop
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
