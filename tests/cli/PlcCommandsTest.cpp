#include "CliRunner.h"
#include "SimProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A served controller and a folder for the files of one test.
struct CliPlc : testing::Test {
    SimProcess sim;
    QTemporaryDir dir;

    void SetUp() override { ASSERT_FALSE(sim.path.isEmpty()); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // An instruction-list file of mnemonic and operand lines.
    QString program(const char* name, const QStringList& lines) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((lines.join("\r\n") + "\r\n").toLatin1());
        return file.fileName();
    }
    CliRun plc(const QStringList& args) const
    {
        return runCli(QStringList{"plc", "--port", sim.path} + args);
    }
};

} // namespace

TEST_F(CliPlc, WriteThenReadGivesTheProgramBack)
{
    const QString in = program("in.ins", {"LD", "X027", "OUT", "Y030", "END", ""});
    CliRun run = plc({"write", in});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "写入已完成\n");
    EXPECT_TRUE(run.err.contains("正在写入第 2步 指令:END 数据:"));

    run = plc({"read", path("back.lrp"), "--dest", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "读取完成\n");
    run = runCli({"list", path("back.lrp")});
    EXPECT_EQ(run.out, "0000\n0001  LD X027\n0002  OUT Y030\n0003  END\n");
}

TEST_F(CliPlc, VerifyAfterAHighSpeedWriteListsOnlyRealDifferences)
{
    const QString in = program("in.ins", {"LD", "X27", "OUT", "Y30", "END", ""});
    CliRun run = plc({"hs-write", in});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "写入已完成！\n");
    run = plc({"verify", in});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "程序一致\n");
    run = plc({"verify", program("other.ins", {"LD", "X027", "OUT", "Y031", "END", ""})});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "0001  PC OUT Y031    PLC OUT Y030\n有 1 步不一致\n");

    run = plc({"hs-read", path("fast.ins")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(runCli({"list", path("fast.ins")}).out, "0000  LD X027\n0001  OUT Y030\n0002  END\n");
}

// The served controller runs the program it holds: the monitor follows an input switched on
// its control lines through the program to an output.
TEST_F(CliPlc, RunThenMonitorPrintsOnePollPerLine)
{
    ASSERT_EQ(plc({"hs-write", program("in.ins", {"LD", "X27", "OUT", "Y30", "END", ""})}).exitCode,
              0);
    EXPECT_EQ(plc({"run"}).out, "运行\n");
    CliRun run = plc({"monitor", "x27", "--count", "2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "027 off\n027 off\n");
    EXPECT_EQ(plc({"monitor", "y30", "--count", "1"}).out, "030 off\n");
    ASSERT_EQ(sim.control("X27 1"), "ok");
    EXPECT_EQ(plc({"monitor", "y30", "--count", "1"}).out, "030 on\n");
    EXPECT_EQ(plc({"stop"}).out, "停止\n");
    EXPECT_EQ(sim.control("? Y30"), "Y30 0"); // stopped: the outputs are off
}

// The controller's reply to 运行 is the protocol's; why it stays in PROGRAM mode is what the
// served controller reports on stderr and on its control lines.
TEST_F(CliPlc, ProgramThatCannotRunKeepsTheControllerStopped)
{
    EXPECT_EQ(plc({"run"}).exitCode, 0);
    EXPECT_EQ(sim.control("mode"), "stop 程序无法运行：0000: 程序没有END指令");
    ASSERT_EQ(sim.stop(SIGTERM), 0);
    EXPECT_TRUE(QString::fromUtf8(sim.process.readAllStandardError())
                    .contains("ladrix-cli sim: 程序无法运行：0000: 程序没有END指令"));
}

TEST_F(CliPlc, CopyPrintsTheSwitchWarning)
{
    const CliRun run = plc({"copy", "ram-to-eeprom"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "拷贝已完成\n");
    EXPECT_TRUE(run.err.startsWith("注意！此操作只有在CPU存储器设置为EEPROM状态下有效"));
}

// Nothing answers on the terminal: the handshake is all that is sent, and no OUT appears.
TEST(CliPlcSilent, NoAnswerToTheHandshakeStopsThere)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    QTemporaryDir dir;
    const QString out = dir.filePath("out.ins");
    const CliRun run =
        runCli({"plc", "--port", QString::fromLocal8Bit(ptsname(master)), "read", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("PLC连接超时")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(out));
    char sent[16] = {};
    EXPECT_EQ(::read(master, sent, sizeof sent), 2);
    EXPECT_EQ(QByteArray(sent, 2), QByteArray("\xA6\xE3"));
    ::close(master);
}

TEST(CliPlcUsage, BadArgumentsExitTwoWithoutTalkingOrWriting)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.ins");
    const QList<QStringList> cases = {
        {"plc", "read", out},
        {"plc", "--port", "sim"},
        {"plc", "--port", "sim", "erase"},
        {"plc", "--port", "sim", "clear", "--from", "3"},
        {"plc", "--port", "sim", "read", out, "--to", "1000"},
        {"plc", "--port", "sim", "--model", "2", "read", out},
        {"plc", "--port", "sim", "read", dir.filePath("out.txt")},
        {"plc", "--port", "sim", "read", out, "extra"},
        {"plc", "--port", "sim", "write", dir.filePath("missing.ins")},
        {"plc", "--port", "sim", "copy", "sideways"},
        {"plc", "--port", "sim", "monitor", "X030"},
        {"plc", "--port", "/dev/ladrix-no-such-port", "read", out},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
}
