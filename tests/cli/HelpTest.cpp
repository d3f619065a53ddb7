#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(CliHelp, HelpExitsZeroAndUnknownOrNoCommandIsAUsageError)
{
    const struct {
        QStringList args;
        int exitCode;
        QString outStart, errHas;
    } rows[] = {{{"--help"}, 0, "Usage: ladrix-cli", ""},
                {{"list", "--help"}, 0, "Usage: ladrix-cli list", ""},
                {{"check", "--help"}, 0, "Usage: ladrix-cli check", ""},
                {{"convert", "--help"}, 0, "Usage: ladrix-cli convert", ""},
                {{"help", "convert"}, 0, "Usage: ladrix-cli convert", ""},
                {{"help", "frobnicate"}, 2, "", "unknown command"},
                {{"frobnicate"}, 2, "", "unknown command"},
                // A mistyped option is named, not taken for a file; after "--" even "--help" is.
                {{"list", "-x", "a.ins"}, 2, "", "unknown option \"-x\""},
                {{"list", "--", "--help"}, 2, "", "\"--help\" is not a"},
                {{}, 2, "", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun run = runCli(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(row.outStart.isEmpty() || run.out.startsWith(row.outStart))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(row.errHas)) << run.err.toStdString();
        // Help says what the exit status means; a usage error prints nothing on the output.
        EXPECT_EQ(run.out.contains("Exit status"), row.exitCode == 0) << run.out.toStdString();
        EXPECT_EQ(run.out.isEmpty(), row.exitCode != 0);
    }
}
