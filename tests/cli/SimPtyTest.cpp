#include "CliRunner.h"
#include "SimProcess.h"

#include "plc/PlcSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

TEST(CliSimPty, ServesTheControllerUntilSigterm)
{
    SimProcess sim;
    ASSERT_TRUE(sim.path.startsWith("/dev/pts/")) << sim.path.toStdString();
    CliRun run = runCli({"plc", "--port", sim.path, "keys", "227", "211", "228", "228", "228",
                         "119", "229", "228", "116", "228", "183", "179"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[5], "119 NOP 000");
    EXPECT_EQ(lines[9], "228 OUT 030");
    EXPECT_EQ(lines[11], "179 OUT 030"); // stored in the served controller and shown again

    // A second client sees the same controller memory.
    run = runCli({"plc", "--port", sim.path, "keys", "211", "228", "228", "228", "119"});
    EXPECT_EQ(run.out.split('\n', Qt::SkipEmptyParts).last(), "119 OUT 030");
    EXPECT_EQ(sim.stop(SIGTERM), 0);
}

TEST(CliSimPty, LatencyDelaysRepliesAndTooMuchOfItTimesOut)
{
    SimProcess slow({"--latency", "250"});
    ASSERT_FALSE(slow.path.isEmpty());
    QElapsedTimer t;
    t.start();
    CliRun run = runCli({"plc", "--port", slow.path, "keys", "227", "227"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_GE(t.elapsed(), 2 * 250 + 60);

    SimProcess tooSlow({"--latency", "800"});
    ASSERT_FALSE(tooSlow.path.isEmpty());
    run = runCli({"plc", "--port", tooSlow.path, "keys", "227"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "227 Error\n");
    EXPECT_EQ(slow.stop(SIGINT), 0); // SIGINT ends it cleanly too
}

TEST(CliSimPty, BadArgumentsExitTwo)
{
    for (const QStringList& args : QList<QStringList>{{"sim"},
                                                      {"sim", "--pty", "--latency", "soon"},
                                                      {"sim", "--pty", "--latency", "-5"},
                                                      {"sim", "--pty", "--verbose"},
                                                      {"sim", "--pty", "--latency"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty() && !run.err.isEmpty()) << args.join(' ').toStdString();
        if (args.contains("--latency")) {
            EXPECT_TRUE(run.err.contains("--latency")) << run.err.toStdString();
        }
    }
}

TEST(CliSimPty, ServerEndingMidRunFailsThePortWithoutCrashing)
{
    SimProcess sim({"--latency", "100"});
    ASSERT_FALSE(sim.path.isEmpty());
    QProcess plc;
    QStringList args{"plc", "--port", sim.path, "keys"};
    for (int i = 0; i < 20; ++i)
        args << "227";
    plc.start(QStringLiteral(LADRIX_CLI_PATH), args);
    ASSERT_TRUE(plc.waitForStarted(5000));
    QThread::msleep(600);
    EXPECT_EQ(sim.stop(SIGTERM), 0);
    ASSERT_TRUE(plc.waitForFinished(10000));
    EXPECT_EQ(plc.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(plc.exitCode(), 2);
    const QString out = QString::fromUtf8(plc.readAllStandardOutput());
    EXPECT_LT(out.count('\n'), 20);
    EXPECT_TRUE(QString::fromUtf8(plc.readAllStandardError()).contains("failed"));
}

TEST(CliSimPty, ServedControllerHoldsTheLargerModelsProgram)
{
    SimProcess sim;
    ASSERT_FALSE(sim.path.isEmpty());
    ladrix::plc::PlcSession session;
    session.setTransferDelays(ladrix::plc::TransferDelays{}.scaled(0.2));
    std::optional<ladrix::plc::SequenceResult> result;
    QEventLoop loop;
    QObject::connect(&session, &ladrix::plc::PlcSession::finished, &loop,
                     [&](const ladrix::plc::SequenceResult& r) {
                         result = r;
                         loop.quit();
                     });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    ASSERT_TRUE(session.openPort(sim.path));
    loop.exec();
    ASSERT_TRUE(result && result->ok()) << (result ? result->dialogText.toStdString() : "");
    result.reset();
    ASSERT_TRUE(session.highSpeedRead(1));
    loop.exec();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->words.size(), 2 * 2000); // an empty program has no END: all of memory
}
