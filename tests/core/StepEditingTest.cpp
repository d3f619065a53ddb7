#include "core/StepEditing.h"

#include <gtest/gtest.h>

using namespace ladrix;

namespace {

// A program whose step i holds "LD X<i>" for i below n.
ProgramStore numbered(int n)
{
    ProgramStore store;
    for (int i = 0; i < n; ++i)
        store.step(i) = Step{"LD", QString("X%1").arg(i), QString("r%1").arg(i)};
    return store;
}

QString dataAt(const ProgramStore& s, int i)
{
    return s.step(i).data;
}

} // namespace

TEST(StepEditing, InsertAndDeleteShiftUpToMaxStep)
{
    ProgramStore store = numbered(1000);
    store.curStep = 3;
    insertStep(store);
    EXPECT_TRUE(store.step(3).isEmpty());
    EXPECT_EQ(dataAt(store, 4), "X3");
    EXPECT_EQ(dataAt(store, 999), "X998") << "the step at maxStep is lost";
    deleteStep(store);
    EXPECT_EQ(dataAt(store, 3), "X3");
    EXPECT_TRUE(store.step(999).isEmpty());

    store.curStep = 999;
    store.step(999) = Step{"END", "", ""};
    insertStep(store);
    EXPECT_TRUE(store.step(999).isEmpty());
    EXPECT_EQ(dataAt(store, 998), "X998");
}

TEST(StepEditing, BlockMarksRespectEachOther)
{
    ProgramStore store;
    store.curStep = 7;
    setBlockTail(store);
    EXPECT_EQ(store.blockEnd, 7);
    EXPECT_TRUE(inBlock(store, 0)) << "tail alone marks 0 to the tail";
    EXPECT_FALSE(blockComplete(store));
    store.curStep = 9;
    setBlockHead(store);
    EXPECT_EQ(store.blockStart, -1) << "head after the tail does nothing";
    store.curStep = 5;
    setBlockHead(store);
    EXPECT_EQ(store.blockStart, 5);
    store.curStep = 4;
    setBlockTail(store);
    EXPECT_EQ(store.blockEnd, 7) << "tail before the head does nothing";
    EXPECT_TRUE(blockComplete(store));
}

TEST(StepEditing, CopyAndPasteInsertsTheBlockAtTheCursor)
{
    ProgramStore store = numbered(30);
    store.blockStart = 5;
    store.blockEnd = 7;
    copyBlock(store);
    store.curStep = 20;
    pasteBlock(store);
    EXPECT_EQ(dataAt(store, 20), "X5");
    EXPECT_EQ(store.step(22).rem, "r7");
    EXPECT_EQ(dataAt(store, 23), "X20");
    EXPECT_EQ(dataAt(store, 32), "X29");
    EXPECT_EQ(store.blockStart, 5) << "paste keeps the marks";
}

TEST(StepEditing, CutRemovesTheBlockAndClearsTheMarks)
{
    ProgramStore store = numbered(30);
    store.blockStart = 5;
    store.blockEnd = 7;
    copyBlock(store);
    deleteBlock(store);
    EXPECT_EQ(dataAt(store, 5), "X8");
    EXPECT_EQ(dataAt(store, 26), "X29");
    EXPECT_TRUE(store.step(27).isEmpty());
    EXPECT_FALSE(blockComplete(store));

    // A longer new block pastes empty clipboard entries past what was cut.
    store.blockStart = 0;
    store.blockEnd = 4;
    store.curStep = 0;
    pasteBlock(store);
    EXPECT_EQ(dataAt(store, 0), "X5");
    EXPECT_TRUE(store.step(3).isEmpty());
    EXPECT_EQ(dataAt(store, 5), "X0");
}

TEST(StepEditing, PasteNearTheEndOverwritesWithoutMoving)
{
    ProgramStore store = numbered(1000);
    store.blockStart = 0;
    store.blockEnd = 2;
    copyBlock(store);
    store.curStep = 998;
    pasteBlock(store);
    EXPECT_EQ(dataAt(store, 997), "X997");
    EXPECT_EQ(dataAt(store, 998), "X0");
    EXPECT_EQ(dataAt(store, 999), "X1");
    EXPECT_EQ(dataAt(store, 1000), "X2") << "steps above maxStep may be written";
}

TEST(StepEditing, InsertStepsPlacesPairsWithEmptyComments)
{
    ProgramStore store = numbered(10);
    store.curStep = 3;
    insertSteps(store, {{"LD", "X10"}, {"AND", "X11"}, {"OUT", "Y30"}});
    EXPECT_EQ(store.step(3), (Step{"LD", "X10", ""}));
    EXPECT_EQ(store.step(5), (Step{"OUT", "Y30", ""}));
    EXPECT_EQ(dataAt(store, 6), "X3");

    QList<StepPair> full(2000, StepPair{"NOP", ""});
    store.curStep = 0;
    insertSteps(store, full);
    EXPECT_EQ(store.step(1999).ins, "NOP");
    EXPECT_TRUE(store.step(2000).ins.isEmpty());
}

TEST(StepEditing, BlockPairsFollowTheMarks)
{
    ProgramStore store = numbered(20);
    store.blockStart = 10;
    store.blockEnd = 12;
    EXPECT_EQ(blockPairs(store).size(), 3);
    store.blockStart = -1;
    EXPECT_EQ(blockPairs(store).size(), 13) << "unset head: from step 0";
    store.blockStart = 5;
    store.blockEnd = -1;
    EXPECT_TRUE(blockPairs(store).isEmpty());
}
