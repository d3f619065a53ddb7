#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

TEST(CommentFilesTest, ConvertCarriesTheCommentsToTheNewFile)
{
    TempFolder dir;
    ProgramStore store;
    store.step(0) = Step{"LD", "X0", {}};
    ASSERT_TRUE(saveProject(dir.path("p.lrp"), store, LadderGrid()));
    dir.write("p.lrc", "0,start, \"now\"\r\n");

    CliRun run = runCli({"convert", dir.path("p.lrp"), dir.path("out.ins")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.lines("out.inc"), QList<QByteArray>{"0,start, \"now\""});

    run = runCli({"convert", dir.path("out.ins"), dir.path("back.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.lines("back.lrc"), QList<QByteArray>{"0,start, \"now\""});
    // A program without comments gets no comment file.
    ASSERT_TRUE(saveInstructionList(dir.path("bare.ins"), store));
    run = runCli({"convert", dir.path("bare.ins"), dir.path("bare.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path("bare.lrc")));
}
