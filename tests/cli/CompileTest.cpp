#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

class CompileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QStringList lines{"LD X0", "LD X1", "OR X2", "ANB", "OUT T50", "K 30", "END"};
        for (int i = 0; i < lines.size(); ++i)
            m_list.step(i) = Step{lines[i].section(' ', 0, 0), lines[i].section(' ', 1), {}};
        drawLadder(m_list, m_grid);
        ASSERT_TRUE(saveLadder(path("in.lad"), m_grid));
    }

    QString path(const QString& name) const { return m_files.path(name); }

    TempFolder m_files;
    ProgramStore m_list;
    LadderGrid m_grid;
};

} // namespace

TEST_F(CompileTest, LadderFileCompilesIntoAnInstructionListFile)
{
    const CliRun run = runCli({"compile", path("in.lad"), path("out.INS")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    ASSERT_TRUE(openInstructionList(path("out.INS"), read));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(read.step(i), m_list.step(i)) << i;
}

TEST_F(CompileTest, ProjectListIsReplacedAndLadderNameAndModelKept)
{
    ProgramStore store;
    store.plcType = 1;
    store.projectName = QStringLiteral("旧名字");
    store.step(0) = Step{"LD", "X7", {}};
    store.step(1500) = Step{"OUT", "Y47", {}};
    ASSERT_TRUE(saveProject(path("in.lrp"), store, m_grid));
    const CliRun run = runCli({"compile", path("in.lrp"), path("out.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    LadderGrid grid;
    QString storedName;
    ASSERT_TRUE(openProject(path("out.lrp"), read, grid, storedName));
    EXPECT_EQ(storedName, QStringLiteral("旧名字"));
    EXPECT_EQ(read.plcType, 1);
    EXPECT_TRUE(grid == m_grid);
    EXPECT_EQ(read.step(0), m_list.step(0));
    EXPECT_EQ(read.step(6).ins, "END");
    EXPECT_TRUE(read.step(1500).isEmpty()) << "the old list is replaced entirely";
}

TEST_F(CompileTest, LadderBecomesAProjectOfTheChosenModel)
{
    const CliRun run = runCli({"compile", "--model", "1", path("in.lad"), path("neu.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    LadderGrid grid;
    ASSERT_TRUE(openProject(path("neu.lrp"), read, grid));
    EXPECT_EQ(read.plcType, 1);
    EXPECT_EQ(read.projectName, "neu");
    EXPECT_EQ(read.step(4), (Step{"OUT", "T50", {}}));
}

TEST_F(CompileTest, ListLongerThanAFileHoldsIsReported)
{
    LadderGrid full;
    for (int row = 0; row < LadderGrid::kRows; ++row) {
        const int first = row * LadderGrid::kColumns;
        full.cell(first) = Cell{kContact, kPlainEdge, kPlainEdge, "X0", {}};
        full.cell(first + 1) = Cell{kContact, kPlainEdge, kPlainEdge, "X1", {}};
        for (int c = 2; c < 9; ++c)
            full.cell(first + c) = Cell{kLine, kPlainEdge, kPlainEdge, {}, {}};
        full.cell(first + 9) = Cell{kCoil, kPlainEdge, kPlainEdge, "Y30", {}};
    }
    ASSERT_TRUE(saveLadder(path("full.lad"), full));
    const CliRun run = runCli({"compile", path("full.lad"), path("out.ins")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("past step 1999")) << run.err.toStdString();
    ProgramStore read;
    ASSERT_TRUE(openInstructionList(path("out.ins"), read));
    EXPECT_EQ(read.step(1999).ins, "AND");
}

TEST_F(CompileTest, BadUsageAndUnreadableInputWriteNothing)
{
    ProgramStore empty;
    ASSERT_TRUE(saveInstructionList(path("list.ins"), empty));
    const QList<QStringList> calls{
        {"compile", path("in.lad")},
        {"compile", path("in.lad"), path("out.lad")},
        {"compile", path("list.ins"), path("out.ins")},
        {"compile", path("missing.lad"), path("out.ins")},
        {"compile", "--model", "1", path("in.lad"), path("out.ins")},
    };
    for (const QStringList& call : calls) {
        const CliRun run = runCli(call);
        EXPECT_EQ(run.exitCode, 2) << call.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path("out.ins")));
        EXPECT_FALSE(QFileInfo::exists(path("out.lad")));
    }
    EXPECT_EQ(runCli({"compile", path("in.lad"), path("no such folder/out.ins")}).exitCode, 2);
}
