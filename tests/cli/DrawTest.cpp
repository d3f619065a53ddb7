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
    for (int i = 0; i < lines.size(); ++i) {
        store.step(i).ins = lines[i].section(' ', 0, 0);
        store.step(i).data = lines[i].section(' ', 1);
    }
    return store;
}

class DrawTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_files.path(name); }

    QString saveList(const QString& name, const QStringList& lines) const
    {
        const ProgramStore store = listOfLines(lines);
        EXPECT_TRUE(saveInstructionList(path(name), store));
        return path(name);
    }

    TempFolder m_files;
};

} // namespace

TEST_F(DrawTest, InstructionListIsDrawnIntoALadderFile)
{
    const QStringList lines{"LD X0", "OR X1", "OUT Y30", "LD X2", "OUT T50", "K 100", "END"};
    const CliRun run = runCli({"draw", saveList("in.ins", lines), path("out.LAD")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    LadderGrid grid;
    ASSERT_TRUE(openLadder(path("out.LAD"), grid));
    LadderGrid expected;
    drawLadder(listOfLines(lines), expected);
    EXPECT_TRUE(grid == expected);
    EXPECT_EQ(grid.cell(0).left, kLinkDown);
    EXPECT_EQ(grid.cell(29).data, "100") << "the OR branch takes row 1";
    EXPECT_EQ(grid.cell(39).data, "END");
}

TEST_F(DrawTest, ProjectKeepsListNameAndModelAndGetsAFreshDrawing)
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

TEST_F(DrawTest, ModelDecidesHowManyStepsAreDrawn)
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

TEST_F(DrawTest, StepThatCannotBeDrawnIsNamedAndTheRungsBeforeItKept)
{
    const QString in = saveList("in.ins", {"LD X0", "OUT Y30", "AND X1", "OUT Y31"});
    const CliRun run = runCli({"draw", in, path("out.lad")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("step 2 (AND)")) << run.err.toStdString();
    LadderGrid grid;
    ASSERT_TRUE(openLadder(path("out.lad"), grid));
    EXPECT_EQ(grid.cell(9).dev, "Y30");
    EXPECT_EQ(grid.cell(10), Cell{});
}

TEST_F(DrawTest, BadUsageAndUnreadableInputWriteNothing)
{
    const QString in = saveList("in.ins", {"LD X0", "OUT Y30"});
    const QList<QStringList> calls{
        {"draw", in},
        {"draw", in, path("out.ins")},
        {"draw", path("missing.ins"), path("out.lad")},
        {"draw", path("in.lad"), path("out.lad")},
        {"draw", "--model", "2", in, path("out.lad")},
        {"draw", "--colour", "1", in, path("out.lad")},
    };
    for (const QStringList& call : calls) {
        const CliRun run = runCli(call);
        EXPECT_EQ(run.exitCode, 2) << call.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path("out.lad")));
        EXPECT_FALSE(QFileInfo::exists(path("out.ins")));
    }
    ProgramStore empty;
    ASSERT_TRUE(saveProject(path("p.lrp"), empty, LadderGrid{}));
    EXPECT_EQ(runCli({"draw", "--model", "1", path("p.lrp"), path("out.lad")}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", in, path("no such folder/out.lad")}).exitCode, 2);
}
