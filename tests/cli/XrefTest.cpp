#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

TEST(XrefTest, PrintsOneTabSeparatedLinePerDeviceInDeviceOrder)
{
    TempFolder dir;
    ProgramStore store;
    const QStringList lines = {"LD X10",   "OR X7",  "OUT Y030", "LD Y30",   "OUT T50",
                               "K 100",    "LD T50", "MC M120",  "MCR M120", "CJP D700",
                               "EJP D700", "END",    "LD X0"};
    for (int i = 0; i < lines.size(); ++i)
        store.step(i) = Step{lines[i].section(' ', 0, 0), lines[i].section(' ', 1), {}};
    ASSERT_TRUE(saveProject(dir.path("p.lrp"), store, LadderGrid()));

    const CliRun run = runCli({"xref", dir.path("p.lrp")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("器件\t读取\t驱动\t其他\n"
                                      "X7\t0001\t-\t-\n"
                                      "X10\t0000\t-\t-\n"
                                      "Y30\t0003\t0002\t-\n"
                                      "M120\t-\t0007\t0008\n"
                                      "T50\t0006\t0004\t-\n"
                                      "D700\t-\t-\t0009 0010\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}
