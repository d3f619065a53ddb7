// The online window's event loop while transfers run, for each kind of transfer started from
// its page against the simulated controller with real key timing. Between two ticks of a 1 ms
// timer: max_block_ms, the most processor time the window's thread spent without coming back to
// its event loop (target: never above 16 ms), and max_gap_ms, the longest wall time, which also
// counts the time the system gave to other processes.
#include "GuiBenchMain.h"

#include "core/Project.h"
#include "plc/PlcSession.h"
#include "plc/PortChoice.h"
#include "plc/ui/OnlineWindow.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <ctime>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Blocking {
    double busyMs = -1;
    double gapMs = -1;
};

struct Bench {
    Project project;
    PlcSession session;
    OnlineWindow* window = nullptr;

    Bench()
    {
        for (int i = 0; i < 999; ++i)
            project.program().step(i) = Step{QStringLiteral("LD"), QStringLiteral("X027"), {}};
        project.program().step(999) = Step{QStringLiteral("END"), QString(), QString()};
        project.program().projectName = QStringLiteral("bench");
        // High-speed pauses a tenth as long: the window's load per word is the same.
        session.setTransferDelays(TransferDelays{}.scaled(0.1));
        window = new OnlineWindow(project, session);
        OnlinePrompts quiet;
        quiet.message = quiet.warning = [](QWidget*, const QString&, const QString&) {};
        window->setPrompts(quiet);
        window->show();
    }
    ~Bench() { delete window; }

    template <class T> T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    // Clicks `button` and runs the event loop until `label` shows `done` and the transfer has
    // ended; the longest times between ticks of a 1 ms timer meanwhile (-1 if it never ended).
    Blocking longestBlock(const char* button, const char* label, const QString& done)
    {
        QLabel* state = find<QLabel>(label);
        QPushButton* exit = find<QPushButton>("CmdExit");
        state->clear();
        return longestBlockUntil([this, button] { find<QPushButton>(button)->click(); },
                                 [=] { return state->text() == done && exit->isEnabled(); });
    }

    Blocking longestBlockUntil(const std::function<void()>& start,
                               const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        Blocking longest{0, 0};
        double lastMs = 0;
        double lastCpu = threadCpuMs();
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const double now = clock.nsecsElapsed() / 1e6;
            const double cpu = threadCpuMs();
            longest.gapMs = std::max(longest.gapMs, now - lastMs);
            longest.busyMs = std::max(longest.busyMs, cpu - lastCpu);
            lastMs = now;
            lastCpu = cpu;
        });
        tick.start(1);
        start();
        while (!done()) {
            if (clock.elapsed() > 120000)
                return {};
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return longest;
    }
};

void run(benchmark::State& state, int tab, const char* button, const char* label, const char* done,
         const std::function<void(Bench&)>& prepare = {})
{
    Bench bench;
    if (bench.longestBlock("cmdConn", "labConnMsg", QStringLiteral("已连接")).busyMs < 0) {
        state.SkipWithError("no connection");
        return;
    }
    bench.find<QTabBar>("TabStrip")->setCurrentIndex(tab);
    if (prepare)
        prepare(bench);
    for (auto _ : state) {
        const Blocking b = bench.longestBlock(button, label, QString::fromUtf8(done));
        if (b.busyMs < 0) {
            state.SkipWithError("the transfer did not finish");
            return;
        }
        state.counters["max_block_ms"] = b.busyMs;
        state.counters["max_gap_ms"] = b.gapMs;
    }
}

void BM_KeyWrite(benchmark::State& state)
{
    run(state, 2, "CmdWrite", "labWriteMsg", "写入已完成", [](Bench& b) {
        b.find<QCheckBox>("ChkWEnd")->setChecked(false);
        b.find<QSpinBox>("udWTo")->setValue(40);
    });
}
BENCHMARK(BM_KeyWrite)->Iterations(1)->Unit(benchmark::kSecond);

void BM_KeyRead(benchmark::State& state)
{
    run(state, 1, "cmdRead", "labReadMsg", "读取完成", [](Bench& b) {
        b.find<QCheckBox>("ChkREnd")->setChecked(false);
        b.find<QSpinBox>("udRTo")->setValue(100);
    });
}
BENCHMARK(BM_KeyRead)->Iterations(1)->Unit(benchmark::kSecond);

void BM_HighSpeedWrite(benchmark::State& state)
{
    run(state, 4, "cmdHWrite", "labHWrite", "写入已完成！");
}
BENCHMARK(BM_HighSpeedWrite)->Iterations(1)->Unit(benchmark::kSecond);

void BM_HighSpeedVerify(benchmark::State& state)
{
    run(state, 4, "cmdHVerify", "labHVerify", "程序一致");
}
BENCHMARK(BM_HighSpeedVerify)->Iterations(1)->Unit(benchmark::kSecond);

void BM_HighSpeedRead(benchmark::State& state)
{
    run(state, 4, "cmdHRead", "labHRead", "读取已完成!");
}
BENCHMARK(BM_HighSpeedRead)->Iterations(1)->Unit(benchmark::kSecond);

// Watching a device: a poll every tick of the monitor's timer for three seconds.
void BM_MonitorPolling(benchmark::State& state)
{
    Bench bench;
    if (bench.longestBlock("cmdConn", "labConnMsg", QStringLiteral("已连接")).busyMs < 0) {
        state.SkipWithError("no connection");
        return;
    }
    bench.find<QTabBar>("TabStrip")->setCurrentIndex(5);
    auto* tree = bench.find<QTreeWidget>("TVDev");
    for (auto _ : state) {
        QElapsedTimer clock;
        const Blocking b = bench.longestBlockUntil(
            [&] {
                clock.start();
                QTreeWidgetItem* node = tree->topLevelItem(0)->child(23);
                emit tree->itemClicked(node, 0);
            },
            [&] { return clock.elapsed() > 3000; });
        state.counters["max_block_ms"] = b.busyMs;
        state.counters["max_gap_ms"] = b.gapMs;
    }
}
BENCHMARK(BM_MonitorPolling)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    // The window connects to the port stored for the user: the simulated controller here.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    savePortSetting(QStringLiteral("sim"));
    return runGuiBenchmarks(argc, argv);
}
