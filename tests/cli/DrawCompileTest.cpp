#include "../files/FileTestSupport.h"
#include "CliRunner.h"
#include "files/ProjectFiles.h"
#include "ladder/LadderDrawer.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::testing;

namespace {

ProgramStore listOfLines(const QStringList& lines)
{
    ProgramStore store;
    for (int i = 0; i < lines.size(); ++i)
        store.step(i) = Step{lines[i].section(' ', 0, 0), lines[i].section(' ', 1), {}};
    return store;
}

// A folder holding in.ins, an instruction list, and in.lad, its drawing.
class DrawCompileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(saveInstructionList(path("in.ins"), m_list));
        drawLadder(m_list, m_grid);
        ASSERT_TRUE(saveLadder(path("in.lad"), m_grid));
    }

    QString path(const QString& name) const { return m_files.path(name); }

    TempFolder m_files;
    const ProgramStore m_list = listOfLines(
        {"LD X0", "OR X1", "OUT Y30", "LD X2", "LD X3", "OR X4", "ANB", "OUT T50", "K 100", "END"});
    LadderGrid m_grid;
};

} // namespace

TEST_F(DrawCompileTest, InstructionListIsDrawnIntoALadderFile)
{
    const CliRun run = runCli({"draw", path("in.ins"), path("out.LAD")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    LadderGrid grid;
    ASSERT_TRUE(openLadder(path("out.LAD"), grid));
    EXPECT_TRUE(grid == m_grid);
    EXPECT_EQ(grid.cell(0).left, kLinkDown);
    EXPECT_EQ(grid.cell(29).data, "100") << "the OR branch takes row 1";
    EXPECT_EQ(grid.cell(49).data, "END");

    m_files.write("z.zk1", "LD\r\n400\r\nOUT\r\n050\r\nK\r\n100\r\nEND\r\n0\r\n");
    const CliRun zk1 = runCli({"draw", path("z.zk1"), path("z.lad")});
    ASSERT_EQ(zk1.exitCode, 0) << zk1.err.toStdString();
    ASSERT_TRUE(openLadder(path("z.lad"), grid));
    EXPECT_EQ(grid.cell(0).dev, "X400");
    EXPECT_EQ(grid.cell(9), (Cell{kCoil, kPlainEdge, kPlainEdge, "T050", "100"}));
    EXPECT_EQ(grid.cell(19).data, "END");
}

TEST_F(DrawCompileTest, DrawnProjectKeepsListNameAndModelAndGetsAFreshDrawing)
{
    ProgramStore store = listOfLines({"LD X0", "OUT Y30"});
    store.plcType = 1;
    store.projectName = QStringLiteral("泵站");
    LadderGrid old;
    old.cell(500) = Cell{kContact, kPlainEdge, kPlainEdge, "X7", ""};
    ASSERT_TRUE(saveProject(path("in.lrp"), store, old));
    const CliRun run = runCli({"draw", path("in.lrp"), path("out.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    LadderGrid grid;
    QString storedName;
    ASSERT_TRUE(openProject(path("out.lrp"), read, grid, storedName));
    EXPECT_EQ(storedName, QStringLiteral("泵站"));
    EXPECT_EQ(read.plcType, 1);
    EXPECT_EQ(read.step(1).ins, "OUT");
    EXPECT_EQ(grid.cell(500), Cell{}) << "the old drawing is not kept";
    EXPECT_EQ(grid.cell(0).dev, "X0");
    EXPECT_EQ(grid.cell(9).dev, "Y30");
}

TEST_F(DrawCompileTest, ModelDecidesHowManyStepsAreDrawn)
{
    ProgramStore store;
    store.step(1000) = Step{"LD", "X0", {}};
    store.step(1001) = Step{"OUT", "Y30", {}};
    ASSERT_TRUE(saveInstructionList(path("late.ins"), store));

    CliRun run = runCli({"draw", path("late.ins"), path("small.lad")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("steps from 1000 on")) << run.err.toStdString();
    LadderGrid grid;
    ASSERT_TRUE(openLadder(path("small.lad"), grid));
    EXPECT_EQ(grid.cell(0), Cell{});

    run = runCli({"draw", "--model", "1", path("late.ins"), path("big.lad")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty());
    ASSERT_TRUE(openLadder(path("big.lad"), grid));
    EXPECT_EQ(grid.cell(0).dev, "X0");
}

TEST_F(DrawCompileTest, StepThatCannotBeDrawnIsNamedAndTheRungsBeforeItKept)
{
    ASSERT_TRUE(saveInstructionList(path("bad.ins"),
                                    listOfLines({"LD X0", "OUT Y30", "AND X1", "OUT Y31"})));
    const CliRun run = runCli({"draw", path("bad.ins"), path("out.lad")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("step 2 (AND) cannot be drawn: no LD or LDI opens a rung"))
        << run.err.toStdString();
    LadderGrid grid;
    ASSERT_TRUE(openLadder(path("out.lad"), grid));
    EXPECT_EQ(grid.cell(9).dev, "Y30");
    EXPECT_EQ(grid.cell(10), Cell{});
}

TEST_F(DrawCompileTest, StepsWithNoLadderElementAreNamedInAWarning)
{
    ASSERT_TRUE(saveInstructionList(
        path("stl.ins"), listOfLines({"LD M71", "S S600", "STL S600", "LD X0", "OUT T50", "K 10",
                                      "K 20", "MOV D700", " X1", "RET M70", "END"})));
    const CliRun run = runCli({"draw", path("stl.ins"), path("stl.lad")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("5 step(s)") && run.err.contains("step 2, 6, 7, 8, 9\n"))
        << run.err.toStdString();
}

TEST_F(DrawCompileTest, LadderFileCompilesIntoAnInstructionListFile)
{
    const CliRun run = runCli({"compile", path("in.lad"), path("out.INS")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    ASSERT_TRUE(openInstructionList(path("out.INS"), read));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(read.step(i), m_list.step(i)) << i;
}

TEST_F(DrawCompileTest, CompiledProjectListIsReplacedAndLadderNameAndModelKept)
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
    EXPECT_EQ(read.step(9).ins, "END");
    EXPECT_TRUE(read.step(1500).isEmpty()) << "the old list is replaced entirely";
}

TEST_F(DrawCompileTest, LadderCompilesIntoAProjectOfTheChosenModel)
{
    const CliRun run = runCli({"compile", "--model", "1", path("in.lad"), path("neu.lrp")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ProgramStore read;
    LadderGrid grid;
    ASSERT_TRUE(openProject(path("neu.lrp"), read, grid));
    EXPECT_EQ(read.plcType, 1);
    EXPECT_EQ(read.projectName, "neu");
    EXPECT_EQ(read.step(7), (Step{"OUT", "T50", {}}));
}

TEST_F(DrawCompileTest, CompiledListLongerThanAFileHoldsIsReported)
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

TEST_F(DrawCompileTest, BadUsageAndUnreadableInputWriteNothing)
{
    ProgramStore empty;
    ASSERT_TRUE(saveProject(path("p.lrp"), empty, LadderGrid{}));
    const QString ins = path("in.ins"), lad = path("in.lad");
    const QList<QStringList> calls{
        {"draw", ins},
        {"draw", ins, path("out.ins")},
        {"draw", path("missing.ins"), path("out.lad")},
        {"draw", lad, path("out.lad")},
        {"draw", "--model", "2", ins, path("out.lad")},
        {"draw", "--colour", "1", ins, path("out.lad")},
        {"draw", "--model", "1", path("p.lrp"), path("out.lad")},
        {"compile", lad},
        {"compile", lad, path("out.lad")},
        {"compile", ins, path("out.ins")},
        {"compile", path("missing.lad"), path("out.ins")},
        {"compile", "--model", "1", lad, path("out.ins")},
    };
    for (const QStringList& call : calls) {
        SCOPED_TRACE(call.join(' ').toStdString());
        const CliRun run = runCli(call);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path("out.lad")));
        EXPECT_FALSE(QFileInfo::exists(path("out.ins")));
    }
    EXPECT_EQ(runCli({"draw", ins, path("no such folder/out.lad")}).exitCode, 2);
    EXPECT_EQ(runCli({"compile", lad, path("no such folder/out.ins")}).exitCode, 2);
}
