#include "CliRunner.h"
#include "SimProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliSimRun : testing::Test {
    QTemporaryDir dir;

    // Writes a file of `lines` (CR LF) and returns its path.
    QString file(const char* name, const QStringList& lines) const
    {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((lines.join("\r\n") + "\r\n").toLatin1());
        return f.fileName();
    }
    // An instruction-list file from "LD X0; OUT Y30; END".
    QString program(const char* name, const char* listing) const
    {
        QStringList lines;
        for (const QString& step : QString::fromLatin1(listing).split(u';')) {
            const QStringList parts = step.trimmed().split(u' ');
            lines << parts.value(0) << parts.value(1);
        }
        return file(name, lines);
    }
};

} // namespace

TEST_F(CliSimRun, RunPrintsTheOutputChangesWithTheirTimes)
{
    const QString selfHolding = program("hold.ins", "LD X0; OR Y30; ANI X1; OUT Y30; LD Y30; "
                                                    "OUT T50; K 0.5; LD T50; OUT Y31; END");
    const QString script = file("in.txt", {"# start and stop buttons", "0.1 X0 1", "150ms X0 0",
                                           "1s X1 on", "1.2s X1 off"});
    CliRun run = runCli({"run", selfHolding, "--inputs", script, "--until", "1.5"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "0.100 Y30 1\n0.600 Y31 1\n1.000 Y30 0\n1.000 Y31 0\n");

    // Without --until the run goes on one second past the last change; no script, no inputs.
    const QString clock = program("clock.ins", "LD M73; OUT Y30; END");
    run = runCli({"run", clock});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "0.000 Y30 1\n0.500 Y30 0\n1.000 Y30 1\n");
}

TEST_F(CliSimRun, RunRefusesWhatItCannotRunWithTheReason)
{
    const QString good = program("good.ins", "LD X0; OUT Y30; END");
    const struct {
        QStringList args;
        int exitCode;
        const char* err;
    } cases[] = {
        {{"run", program("noend.ins", "LD X0; OUT Y30")}, 1, "程序无法运行：0002: 程序没有END指令"},
        {{"run", good, "--inputs", file("bad.txt", {"0 X0 1", "1 Y30 1"})},
         2,
         "line 2: Y30 is no input X or data register D"},
        {{"run", good, "--inputs", dir.filePath("none.txt")}, 2, "cannot read"},
        {{"run", good, "--until", "soon"}, 2, "--until takes a time"},
        {{"run"}, 2, "expected one FILE"},
        {{"run", dir.filePath("none.ins")}, 2, "none.ins"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.err))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}

// A program written by keys through the pseudo-terminal, run, its input switched on the
// control lines, and its output and timer read back with the device monitor's keys, on a
// stepped clock so that the timer's value is exact.
TEST(CliSimEndToEnd, ProgramWrittenByKeysRunsAndTheMonitorReadsItsTimer)
{
    QTemporaryDir dir;
    QFile in(dir.filePath("timer.ins"));
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write("LD\r\nX0\r\nOUT\r\nT50\r\nK\r\n01.5\r\nLD\r\nT50\r\nOUT\r\nY30\r\nEND\r\n\r\n");
    in.close();
    SimProcess sim({"--stepped"});
    ASSERT_FALSE(sim.path.isEmpty());
    const auto plc = [&](const QStringList& args) {
        return runCli(QStringList{"plc", "--port", sim.path} + args);
    };
    CliRun run = plc({"write", in.fileName()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(plc({"run"}).out, "运行\n");
    EXPECT_EQ(sim.control("mode"), "run");

    EXPECT_EQ(sim.control("X0 1"), "ok");
    // The scans at 0, 10, ... 1000 ms: the timer has counted from the first to the last.
    EXPECT_EQ(sim.control("step 1010ms"), "ok");
    EXPECT_EQ(sim.control("time"), "1.010 101");
    EXPECT_EQ(plc({"monitor", "t50", "--count", "1"}).out, "010 off\n"); // tenths of a second
    EXPECT_EQ(plc({"monitor", "y30", "--count", "1"}).out, "030 off\n");
    EXPECT_EQ(sim.control("step 500ms"), "ok");
    EXPECT_EQ(plc({"monitor", "t50", "--count", "1"}).out, "015 on\n");
    EXPECT_EQ(plc({"monitor", "y30", "--count", "1"}).out, "030 on\n");
    EXPECT_EQ(sim.control("? T50"), "T50 1 15");

    EXPECT_EQ(sim.control("X0 off"), "ok");
    EXPECT_EQ(sim.control("step 10ms"), "ok");
    EXPECT_EQ(plc({"monitor", "y30", "--count", "1"}).out, "030 off\n");
    EXPECT_EQ(sim.control("? Y30"), "Y30 0");
    EXPECT_EQ(sim.control("jump"), "error: unknown command \"jump\"");
}

TEST(CliSimControl, OverlongLineIsRefusedOnceAndTheNextLineIsAnswered)
{
    SimProcess sim;
    ASSERT_FALSE(sim.path.isEmpty());
    EXPECT_EQ(sim.control(QString(9000, u'X')), "error: line longer than 4096 bytes");
    EXPECT_EQ(sim.control("mode"), "stop");
}
