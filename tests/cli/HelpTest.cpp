#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(CliHelp, ToolHelpListsCommandsAndExitsZero)
{
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("Usage: ladrix-cli"));
}

TEST(CliHelp, UnknownCommandAndNoCommandAreUsageErrors)
{
    CliRun run = runCli({"frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown command"));
    EXPECT_TRUE(run.out.isEmpty());
    run = runCli({});
    EXPECT_EQ(run.exitCode, 2);
}
