#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(CliPlcKeys, SimulatedControllerAnswersEveryKeyInOrder)
{
    const CliRun run = runCli(
        {"plc", "--port", "sim", "keys", "166", "227", "182", "228", "180", "117", "183", "179"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "166 - 151515\n"
                       "227 - 151515\n"
                       "182 LD 151515\n"
                       "228 LD 15150\n"
                       "180 LD 1502\n"
                       "117 LD 027\n"
                       "183 NOP 000\n"
                       "179 LD 027\n");
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CliPlcKeys, UnansweredKeyPrintsErrorAndExitsOne)
{
    const CliRun run = runCli({"plc", "--port", "sim", "keys", "227", "1", "182"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "227 - 151515\n1 Error\n182 LD 151515\n");
}

TEST(CliPlcKeys, UnopenablePortAndBadUsageExitTwoWithoutOutput)
{
    const QList<QStringList> cases = {
        {"plc", "--port", "/dev/ladrix-no-such-port", "keys", "227"},
        {"plc", "--port", "250", "keys", "227"},
        {"plc", "--port", "sim", "keys", "256"},
        {"plc", "--port", "sim", "keys", "LD"},
        {"plc", "--port", "sim", "keys"},
        {"plc", "keys", "227"},
        {"plc", "--port", "sim", "typing", "227"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = runCli(args);
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

TEST(CliPlcKeys, HelpDescribesPortsAndExitStatus)
{
    const CliRun run = runCli({"plc", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("--port PORT [--model 0|1] COMMAND"));
    EXPECT_TRUE(run.out.contains("keys CODE..."));
    EXPECT_TRUE(run.out.contains("sim"));
}
