#include "ladder/LadderCompiler.h"
#include "LadderTestSupport.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

// Compiling a drawing into the instruction list; the drawn examples are in LadderDrawerTest.

TEST(LadderCompiler, EveryStepAndCommentIsReplaced)
{
    ProgramStore store = programOf({"LD X0", "OUT Y30"});
    store.step(0).rem = "start button";
    store.step(2000) = Step{"NOP", "", "kept?"};
    compileLadder(LadderGrid{}, store);
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i)
        ASSERT_TRUE(store.step(i).isEmpty()) << i;

    store.step(0).rem = "start button";
    compileLadder(gridOf({"X1 - - - - - - - - (Y31)"}), store);
    EXPECT_EQ(store.step(0), (Step{"LD", "X1", ""}));
}

TEST(LadderCompiler, StepContactInTheMiddleOfARowKeepsOnlyItsOperand)
{
    ProgramStore store;
    compileLadder(gridOf({"X0 #S601 - - - - - - - (Y30)"}), store);
    EXPECT_EQ(store.step(1), (Step{"", "S601", ""}));
    EXPECT_EQ(store.step(2).ins, "OUT");
}

TEST(LadderCompiler, RungsDownToTheLastRowAreCompiled)
{
    QStringList rows(LadderGrid::kRows);
    rows.first() = "X0 - - - - - - - - (Y30)";
    rows.last() = "X1 - - - - - - - - (Y31)";
    ProgramStore store;
    compileLadder(gridOf(rows), store);
    EXPECT_EQ(listOf(store), (QStringList{"LD X0", "OUT Y30", "LD X1", "OUT Y31"}));
}

TEST(LadderCompiler, StopsAtTheLastStepWhenTheGridHoldsMore)
{
    ProgramStore store;
    compileLadder(gridOf(QStringList(LadderGrid::kRows, "X0 X1 - - - - - - - (Y30)")), store);
    EXPECT_EQ(store.step(1998).ins, "LD");
    EXPECT_EQ(store.step(2000).ins, "OUT");
}
