#include "core/LadderGrid.h"
#include "core/ProgramStore.h"
#include "core/Project.h"
#include "core/RuntimeError.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace ladrix;

TEST(ProgramStore, HoldsSteps0To2000WhateverTheModel)
{
    ProgramStore store;
    EXPECT_EQ(store.maxStep(), 999);
    store.step(2000).ins = "LD";
    EXPECT_EQ(store.step(2000).ins, "LD");
    EXPECT_THROW(store.step(2001), RuntimeError);
    EXPECT_THROW(store.step(-1), RuntimeError);
    store.plcType = 1;
    EXPECT_EQ(store.maxStep(), 1999);
}

TEST(ProgramStore, GetEndStepFindsTheFirstTrimmedEnd)
{
    ProgramStore store;
    EXPECT_EQ(store.getEndStep(), 999) << "no END: maxStep";
    store.step(0).ins = "END";
    EXPECT_EQ(store.getEndStep(), 0);
    store.step(0).ins = "end";
    store.step(7).ins = " END ";
    EXPECT_EQ(store.getEndStep(), 7) << "lower case does not count, blanks around do";
    store.step(7).ins.clear();
    store.step(1500).ins = "END";
    EXPECT_EQ(store.getEndStep(), 999) << "an END above maxStep is not seen";
}

TEST(LadderGrid, ClearEmptiesEveryCellIncludingTheLast)
{
    LadderGrid grid;
    grid.cell(10000) = Cell{kContact, kPlainEdge, kLinkDown, "X0", "D"};
    grid[GridPos::at(3, 9)].type = kCoil;
    EXPECT_FALSE(grid.isClear());
    grid.clear();
    EXPECT_TRUE(grid.isClear());
    EXPECT_EQ(GridPos::at(3, 9).index, 39);
    EXPECT_EQ(GridPos{10000}.row(), 1000);
    EXPECT_THROW(grid.cell(10001), RuntimeError);
}

TEST(Project, AnnouncesChangesAndTracksUnsavedWork)
{
    Project project;
    QSignalSpy steps(&project, &Project::stepsChanged);
    QSignalSpy grid(&project, &Project::gridChanged);
    QSignalSpy modified(&project, &Project::modifiedChanged);
    EXPECT_FALSE(project.isModified());

    project.program().step(0).ins = "LD";
    project.notifyStepsChanged();
    EXPECT_EQ(steps.count(), 1);
    EXPECT_TRUE(project.isModified());

    project.notifyGridChanged();
    EXPECT_EQ(grid.count(), 1);
    EXPECT_EQ(modified.count(), 1) << "only the change of state is announced";

    project.markSaved();
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(modified.count(), 2);
}
