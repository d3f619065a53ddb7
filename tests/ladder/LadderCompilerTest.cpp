#include "ladder/LadderCompiler.h"
#include "LadderTestSupport.h"
#include "ladder/LadderDrawer.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

QStringList compiled(const LadderGrid& g)
{
    ProgramStore store;
    compileLadder(g, store);
    return listOf(store);
}

QStringList roundTrip(const QStringList& lines)
{
    LadderGrid g;
    drawLadder(programOf(lines), g);
    return compiled(g);
}

// Row `row` holding `contacts` from column 0, lines up to column 8 and coil `coil`.
void putRung(LadderGrid& g, int row, const QStringList& contacts, const QString& coil)
{
    for (int c = 0; c < contacts.size(); ++c)
        putContact(g, row, c, contacts[c]);
    putLines(g, row, int(contacts.size()), 8);
    putCoil(g, row, coil);
}

} // namespace

TEST(LadderCompiler, EmptyGridGivesEmptyListAndClearsEveryStep)
{
    ProgramStore store = programOf({"LD X0", "OUT Y30"});
    store.step(2000) = Step{"NOP", "", "kept?"};
    compileLadder(LadderGrid{}, store);
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i)
        ASSERT_TRUE(store.step(i).isEmpty()) << i;
}

TEST(LadderCompiler, ContactLinesAndCoil)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "OUT Y30"}));
}

TEST(LadderCompiler, CoilWithConstantGivesOutAndKStep)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "T50");
    g.cell(9).data = "100";
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "OUT T50", "K 100"}));
}

TEST(LadderCompiler, CommentsAreLost)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    ProgramStore store = programOf({"LD X0", "OUT Y30"});
    store.step(0).rem = "start button";
    compileLadder(g, store);
    EXPECT_TRUE(store.step(0).rem.isEmpty());
    EXPECT_EQ(store.step(0).ins, "LD");
}

TEST(LadderCompiler, DrawnOrCompilesBackToTheSameSteps)
{
    const QStringList list{"LD X0", "OR X1", "OUT Y30"};
    EXPECT_EQ(roundTrip(list), list);
}

TEST(LadderCompiler, DrawnOrAfterAndCompilesBackToTheSameSteps)
{
    const QStringList list{"LD X0", "AND X1", "OR X2", "OUT Y30"};
    EXPECT_EQ(roundTrip(list), list);
}

TEST(LadderCompiler, DrawnOrOrCompilesBackToTheSameStepsOnRowZeroAndBelow)
{
    const QStringList list{"LD X0", "OR X1", "OR X2", "OUT Y30"};
    EXPECT_EQ(roundTrip(list), list);
    const QStringList below = QStringList{"LD X5", "OUT Y35"} + list;
    EXPECT_EQ(roundTrip(below), below);
}

TEST(LadderCompiler, MultiElementBranchBecomesLdAndOrb)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    linkLeft(g, 0, 0);
    linkRight(g, 0, 1);
    putContact(g, 1, 0, "X1");
    putContact(g, 1, 1, "X2");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "LD X1", "AND X2", "ORB", "OUT Y30"}));
}

TEST(LadderCompiler, SecondGroupOnTheRowIsJoinedByAnb)
{
    LadderGrid g;
    putRung(g, 0, {"X0", "X2"}, "Y30");
    for (int c : {0, 1}) {
        linkLeft(g, 0, c);
        linkRight(g, 0, c);
    }
    putContact(g, 1, 0, "X1");
    putContact(g, 1, 1, "X3");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "OR X1", "LD X2", "OR X3", "ANB", "OUT Y30"}));
}

TEST(LadderCompiler, GroupAfterSeriesContactsOpensItsOwnBlock)
{
    // X0 AND (X1 OR X2): an OR straight after AND X1 would wrongly take X0 into the branch.
    LadderGrid g;
    putRung(g, 0, {"X0", "X1"}, "Y30");
    linkLeft(g, 0, 1);
    linkRight(g, 0, 1);
    putContact(g, 1, 1, "X2");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "LD X1", "OR X2", "ANB", "OUT Y30"}));

    // The same holds for a branch of several elements.
    LadderGrid h;
    putRung(h, 0, {"X0", "X1"}, "Y30");
    linkLeft(h, 0, 1);
    putLine(h, 0, 2);
    linkRight(h, 0, 2);
    putContact(h, 1, 1, "X2");
    putContact(h, 1, 2, "X3");
    EXPECT_EQ(compiled(h),
              (QStringList{"LD X0", "LD X1", "LD X2", "AND X3", "ORB", "ANB", "OUT Y30"}));
}

TEST(LadderCompiler, SecondGroupWithSeveralBranchesJoinsAfterTheLastOne)
{
    LadderGrid g;
    putRung(g, 0, {"X0", "X1"}, "Y30");
    linkLeft(g, 0, 1);
    linkRight(g, 0, 1);
    linkLeft(g, 1, 1);
    linkRight(g, 1, 1);
    putContact(g, 1, 1, "X2");
    putContact(g, 2, 1, "X3");
    linkLeft(g, 1, 1);
    linkRight(g, 1, 1);
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "LD X1", "OR X2", "OR X3", "ANB", "OUT Y30"}));
}

TEST(LadderCompiler, GroupInsideABranchIsJoinedBeforeTheBranchIsClosed)
{
    // X0 OR (X1 AND (X2 OR X3)), the inner group rejoining where the branch does.
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    linkLeft(g, 0, 0);
    linkRight(g, 0, 1);
    putContact(g, 1, 0, "X1");
    putContact(g, 1, 1, "X2");
    linkLeft(g, 1, 1);
    linkRight(g, 1, 1);
    putContact(g, 2, 1, "X3");
    EXPECT_EQ(compiled(g),
              (QStringList{"LD X0", "LD X1", "LD X2", "OR X3", "ANB", "ORB", "OUT Y30"}));

    // A further branch of the outer group below waits until that branch is closed.
    linkLeft(g, 1, 0);
    linkLeft(g, 2, 0); // the link passes row 2 beside an empty cell
    putContact(g, 3, 0, "X4");
    putLine(g, 3, 1);
    linkRight(g, 2, 1);
    EXPECT_EQ(compiled(g),
              (QStringList{"LD X0", "LD X1", "LD X2", "OR X3", "ANB", "ORB", "OR X4", "OUT Y30"}));
}

TEST(LadderCompiler, NestedGroupsAreJoinedInnermostFirst)
{
    const QList<QStringList> lists{
        {"LD X0", "LD X1", "LD X2", "OR X3", "ANB", "OR X4", "ANB", "OUT Y30"},
        {"LD X0", "LD X1", "LD X2", "AND X3", "LD X4", "OR X5", "ANB", "ORB", "ANB", "OUT Y30"},
        {"LD X0", "AND X1", "LD X2", "OR X3", "ANB", "LD X4", "LDI X5", "OR X6", "ANB", "ORB",
         "OUT Y30"},
    };
    for (const QStringList& list : lists)
        EXPECT_EQ(roundTrip(list), list);
}

TEST(LadderCompiler, StackedOutputsGiveConsecutiveOutputSteps)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    linkLeft(g, 0, 9);
    putCoil(g, 1, "T51", "20");
    linkLeft(g, 1, 9);
    putBox(g, 2, "RST", "C60");
    putRung(g, 3, {"X1"}, "Y31");
    EXPECT_EQ(compiled(g),
              (QStringList{"LD X0", "OUT Y30", "OUT T51", "K 20", "RST C60", "LD X1", "OUT Y31"}));
}

TEST(LadderCompiler, EndInABranchStopsButEndOnTheMainRowDoesNot)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    linkLeft(g, 0, 0);
    linkRight(g, 0, 2);
    putContact(g, 1, 0, "X1");
    g.cell(11) = Cell{kFunctionBox, kPlainEdge, kPlainEdge, "", "END"};
    putLine(g, 1, 2);
    putRung(g, 2, {"X2"}, "Y31");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "LD X1", "END"}));

    LadderGrid h;
    putLines(h, 0, 0, 8);
    putBox(h, 0, "END");
    putRung(h, 1, {"X2"}, "Y31");
    putLines(h, 2, 0, 8);
    putBox(h, 2, "end");
    EXPECT_EQ(compiled(h), (QStringList{"END", "LD X2", "OUT Y31", "end"}));
}

TEST(LadderCompiler, ClosedContactsAndFunctionBoxes)
{
    LadderGrid g;
    putContact(g, 0, 0, "X0", kClosedContact);
    putContact(g, 0, 1, "M100", kClosedContact);
    linkLeft(g, 0, 0);
    linkRight(g, 0, 1);
    putContact(g, 1, 0, "X1", kClosedContact);
    putLine(g, 1, 1);
    putLines(g, 0, 2, 8);
    putBox(g, 0, "PLS", "M101");
    EXPECT_EQ(compiled(g), (QStringList{"LDI X0", "ANI M100", "ORI X1", "PLS M101"}));
}

TEST(LadderCompiler, EmptyCellsInsideARungAreSteppedOver)
{
    LadderGrid g;
    putContact(g, 0, 0, "X0");
    putContact(g, 0, 3, "X1");
    putContact(g, 0, 6, "X2");
    putCoil(g, 0, "Y30");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "AND X1", "AND X2", "OUT Y30"}));
}

TEST(LadderCompiler, RungWithoutOutputEndsInColumnNine)
{
    LadderGrid g;
    putContact(g, 0, 0, "X0");
    putContact(g, 0, 1, "X1");
    putContact(g, 0, 2, "X2");
    putRung(g, 1, {"X3"}, "Y30");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "AND X1", "AND X2", "LD X3", "OUT Y30"}));
}

TEST(LadderCompiler, StepContactStartsStepModeWithSubRungsDownItsLink)
{
    LadderGrid g;
    putContact(g, 0, 0, "S600", kStepContact);
    linkRight(g, 0, 0);
    putContact(g, 0, 1, "X0");
    putLines(g, 0, 2, 8);
    putCoil(g, 0, "Y30");
    linkRight(g, 1, 0); // the step's link passes row 1 beside an empty cell
    putContact(g, 1, 1, "X1");
    putLines(g, 1, 2, 8);
    putBox(g, 1, "S", "S601");
    putContact(g, 2, 1, "X3");
    putLines(g, 2, 2, 8);
    putCoil(g, 2, "Y32");
    putRung(g, 3, {"X2"}, "Y31");
    EXPECT_EQ(compiled(g), (QStringList{"STL S600", "LD X0", "OUT Y30", "LD X1", "S S601", "LD X3",
                                        "OUT Y32", "LD X2", "OUT Y31"}));
}

TEST(LadderCompiler, StepContactInTheMiddleOfARowKeepsOnlyItsOperand)
{
    LadderGrid g;
    putRung(g, 0, {"X0", "S601"}, "Y30");
    g.cell(1).type = kStepContact;
    ProgramStore store;
    compileLadder(g, store);
    EXPECT_EQ(store.step(1), (Step{"", "S601", ""}));
    EXPECT_EQ(store.step(2).ins, "OUT");
}

TEST(LadderCompiler, RungsDownToTheLastRowAreCompiled)
{
    LadderGrid g;
    putRung(g, 0, {"X0"}, "Y30");
    putRung(g, 999, {"X1"}, "Y31");
    EXPECT_EQ(compiled(g), (QStringList{"LD X0", "OUT Y30", "LD X1", "OUT Y31"}));
}

TEST(LadderCompiler, StopsAtTheLastStepWhenTheGridHoldsMore)
{
    LadderGrid g;
    for (int row = 0; row < 1000; ++row) {
        putContact(g, row, 0, "X0");
        putContact(g, row, 1, "X1");
        putLines(g, row, 2, 8);
        putCoil(g, row, "Y30");
    }
    ProgramStore store;
    compileLadder(g, store);
    EXPECT_EQ(store.step(1998).ins, "LD");
    EXPECT_EQ(store.step(2000).ins, "OUT");
}

TEST(LadderCompiler, GridIsNotChanged)
{
    LadderGrid g;
    drawLadder(programOf({"LD X0", "LD X1", "OR X2", "ANB", "OR X3", "OUT T50", "K 9"}), g);
    const LadderGrid before = g;
    ProgramStore store;
    compileLadder(g, store);
    EXPECT_TRUE(g == before);
}
