#include "ladder/LadderDrawer.h"
#include "LadderTestSupport.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

LadderGrid drawn(const QStringList& lines)
{
    LadderGrid g;
    drawLadder(programOf(lines), g);
    return g;
}

const Cell& at(const LadderGrid& g, int row, int column)
{
    return g.cell(GridPos::at(row, column).index);
}

void expectEdges(const Cell& c, qint16 left, qint16 right)
{
    EXPECT_EQ(c.left, left);
    EXPECT_EQ(c.right, right);
}

bool rowEmpty(const LadderGrid& g, int row)
{
    for (int c = 0; c < 10; ++c) {
        if (!(at(g, row, c) == Cell{}))
            return false;
    }
    return true;
}

} // namespace

TEST(LadderDrawer, SingleContactAndCoilFillRowZero)
{
    const LadderGrid g = drawn({"LD X0", "OUT Y30"});
    EXPECT_EQ(at(g, 0, 0), (Cell{kContact, 6, 6, "X0", ""}));
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(at(g, 0, c), (Cell{kLine, 6, 6, "", ""})) << c;
    EXPECT_EQ(at(g, 0, 9), (Cell{kCoil, 6, 6, "Y30", ""}));
    EXPECT_TRUE(rowEmpty(g, 1));
}

TEST(LadderDrawer, OrBranchHangsBelowTheContact)
{
    const LadderGrid g = drawn({"LD X0", "OR X1", "OUT Y30"});
    EXPECT_EQ(at(g, 1, 0), (Cell{kContact, 6, 6, "X1", ""}));
    expectEdges(at(g, 0, 0), 7, 7);
    EXPECT_EQ(at(g, 1, 0).left, 6);
}

TEST(LadderDrawer, OrAfterSeriesContactsStandsUnderTheLastOne)
{
    const LadderGrid g = drawn({"LD X0", "AND X1", "OR X2", "OUT Y30"});
    EXPECT_EQ(at(g, 1, 0), (Cell{kLine, 6, 6, "", ""}));
    EXPECT_EQ(at(g, 1, 1), (Cell{kContact, 6, 6, "X2", ""}));
    expectEdges(at(g, 0, 0), 7, 6);
    expectEdges(at(g, 0, 1), 6, 7);
}

TEST(LadderDrawer, EachFurtherOrTakesTheNextRowDown)
{
    const LadderGrid g = drawn({"LD X0", "OR X1", "OR X2", "OUT Y30"});
    EXPECT_EQ(at(g, 1, 0).dev, "X1");
    EXPECT_EQ(at(g, 2, 0).dev, "X2");
    expectEdges(at(g, 0, 0), 7, 7);
    expectEdges(at(g, 1, 0), 7, 7);
    expectEdges(at(g, 2, 0), 6, 6);
}

TEST(LadderDrawer, CoilTakesTheConstantOfItsKStep)
{
    const LadderGrid g = drawn({"LD X0", "OUT T50", "K 100", "LD X1", "OUT Y30"});
    EXPECT_EQ(at(g, 0, 9), (Cell{kCoil, 6, 6, "T50", "100"}));
    // The K step draws nothing of its own: the next rung follows directly.
    EXPECT_EQ(at(g, 1, 0).dev, "X1");
    EXPECT_EQ(at(g, 1, 9).dev, "Y30");
    EXPECT_TRUE(rowEmpty(g, 2));
}

TEST(LadderDrawer, AdditionalOutputsStackInColumnNine)
{
    const LadderGrid g = drawn({"LD X0", "OUT Y30", "OUT Y31", "S M100", "LD X1", "OUT Y32"});
    EXPECT_EQ(at(g, 0, 9).dev, "Y30");
    EXPECT_EQ(at(g, 1, 9), (Cell{kCoil, 7, 6, "Y31", ""}));
    EXPECT_EQ(at(g, 2, 9), (Cell{kFunctionBox, 6, 6, "M100", "S"}));
    EXPECT_EQ(at(g, 0, 9).left, 7);
    EXPECT_EQ(at(g, 1, 9).left, 7);
    EXPECT_EQ(at(g, 2, 9).left, 6);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(at(g, 1, c), Cell{}) << "only column 9 of a stacked row is written";
    EXPECT_EQ(at(g, 3, 0).dev, "X1");
}

TEST(LadderDrawer, McMcrAndEndAreNotStackedButStartTheirOwnRung)
{
    const LadderGrid g = drawn({"LD X0", "OUT Y30", "MC M100", "END"});
    EXPECT_EQ(at(g, 1, 9), (Cell{kFunctionBox, 6, 6, "M100", "MC"}));
    EXPECT_EQ(at(g, 1, 0).type, kLine);
    EXPECT_EQ(at(g, 0, 9).left, 6);
    EXPECT_EQ(at(g, 2, 9).data, "END");
}

TEST(LadderDrawer, LoneEndIsALineRungWithABox)
{
    const LadderGrid g = drawn({"END"});
    for (int c = 0; c <= 8; ++c)
        EXPECT_EQ(at(g, 0, c), (Cell{kLine, 6, 6, "", ""}));
    EXPECT_EQ(at(g, 0, 9), (Cell{kFunctionBox, 6, 6, "", "END"}));
}

TEST(LadderDrawer, EndDoesNotStopAndSkippedStepsDrawNothing)
{
    const LadderGrid g = drawn({"END", "STL S600", "RET M100", "K 5", "", "LD X0", "OUT Y30"});
    EXPECT_EQ(at(g, 0, 9).data, "END");
    EXPECT_EQ(at(g, 1, 0).dev, "X0");
    EXPECT_TRUE(rowEmpty(g, 2));
}

TEST(LadderDrawer, MnemonicsAreComparedTrimmedAndOutputOperandsTrimmed)
{
    ProgramStore p;
    p.step(0) = Step{" ld", "X0", {}};
    p.step(1) = Step{"out ", " Y30 ", {}};
    p.step(2) = Step{" K", " 7 ", {}};
    LadderGrid g;
    drawLadder(p, g);
    EXPECT_EQ(at(g, 0, 0).type, kContact);
    EXPECT_EQ(at(g, 0, 9).dev, "Y30");
    EXPECT_EQ(at(g, 0, 9).data, "7");
}

TEST(LadderDrawer, SecondConversionDrawsBelowTheFirstAndKeepsIt)
{
    const ProgramStore p = programOf({"LD X0", "OUT Y30", "OUT Y31"});
    LadderGrid g;
    drawLadder(p, g);
    const LadderGrid first = g;
    drawLadder(p, g);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(g.cell(i), first.cell(i)) << i;
    EXPECT_EQ(at(g, 2, 0).dev, "X0");
    EXPECT_EQ(at(g, 3, 9).dev, "Y31");
}

TEST(LadderDrawer, NewRungsNeverOverwriteADrawingAlreadyThere)
{
    LadderGrid g;
    putContact(g, 1, 4, "X7");
    linkLeft(g, 2, 3);
    drawLadder(programOf({"LD X0", "OUT Y30", "LD X1", "OUT Y31"}), g);
    EXPECT_EQ(at(g, 0, 0).dev, "X0");
    EXPECT_EQ(at(g, 1, 4).dev, "X7");
    EXPECT_EQ(at(g, 2, 3), (Cell{kEmpty, 7, 0, "", ""}));
    EXPECT_TRUE(rowEmpty(g, 3)) << "the row under a hanging link is not used";
    EXPECT_EQ(at(g, 4, 0).dev, "X1");
}

TEST(LadderDrawer, OrbBlockHangsLeftAlignedAndAnbBlockFollowsInSeries)
{
    LadderGrid g = drawn({"LD X0", "AND X1", "AND X2", "LD X3", "ORB", "OUT Y30"});
    EXPECT_EQ(at(g, 1, 0).dev, "X3");
    EXPECT_EQ(at(g, 1, 1).type, kLine);
    EXPECT_EQ(at(g, 1, 2).type, kLine);
    expectEdges(at(g, 0, 0), 7, 6);
    expectEdges(at(g, 0, 2), 6, 7);

    // A lower block longer than the upper one extends the upper row with a line.
    g = drawn({"LD X0", "LD X1", "AND X2", "ORB", "OUT Y30"});
    EXPECT_EQ(at(g, 0, 1), (Cell{kLine, 6, 7, "", ""}));
    EXPECT_EQ(at(g, 1, 1).dev, "X2");

    g = drawn({"LD X0", "LD X1", "OR X2", "ANB", "OUT Y30"});
    EXPECT_EQ(at(g, 0, 1).dev, "X1");
    expectEdges(at(g, 0, 1), 7, 7);
    EXPECT_EQ(at(g, 1, 1).dev, "X2");
    EXPECT_EQ(at(g, 1, 0), Cell{});
}

TEST(LadderDrawer, LinkPassesBesideEmptyCellsOfATallerUpperSide)
{
    // (X0 AND (X1 OR X2)) OR X3: X3 hangs below X2's row, the links pass row 1 on both sides.
    const LadderGrid g = drawn({"LD X0", "LD X1", "OR X2", "ANB", "OR X3", "OUT Y30"});
    EXPECT_EQ(at(g, 1, 0), (Cell{kEmpty, 7, 0, "", ""}));
    EXPECT_EQ(at(g, 1, 1).right, 7);
    EXPECT_EQ(at(g, 2, 1).dev, "X3");
    EXPECT_EQ(at(g, 2, 0).type, kLine);
    EXPECT_EQ(checkDrawnGrid(g), "");
}

TEST(LadderDrawer, EndsCleanlyWhereARungCannotBeDrawn)
{
    const QStringList good{"LD X0", "OUT Y30"};
    const QList<QStringList> bad{
        {"AND X1", "OUT Y31"},         // contact with no rung open
        {"LD X1", "ANB", "OUT Y31"},   // ANB with one block
        {"LD X1", "LD X2", "OUT Y31"}, // LD never joined
        {"LD X1", "AND X2", "AND X3", "AND X4", "AND X5", "AND X6", "AND X7", "AND X10", "AND X11",
         "AND X12", "OUT Y31"}, // ten series contacts
        {"LD X1", "LD X2", "LD X3", "LD X4", "LD X5", "LD X6", "LD X7", "LD X10", "LD X11",
         "LD X12", "LD X13"}, // eleven open blocks
    };
    for (const QStringList& tail : bad) {
        LadderGrid g;
        const int stopped = drawLadderUpTo(programOf(good + tail + good), g);
        EXPECT_GE(stopped, 2) << tail.join(',').toStdString();
        EXPECT_LE(stopped, 2 + tail.size()) << tail.join(',').toStdString();
        EXPECT_EQ(at(g, 0, 0).dev, "X0");
        EXPECT_TRUE(rowEmpty(g, 1)) << tail.join(',').toStdString();
    }
}

TEST(LadderDrawer, StopsWhenRowsRunOut)
{
    ProgramStore p;
    p.plcType = 1;
    for (int i = 0; i + 2 <= p.maxStep(); i += 3) {
        p.step(i) = Step{"LD", "X0", {}};
        p.step(i + 1) = Step{"OUT", "Y30", {}};
        p.step(i + 2) = Step{"OUT", "Y31", {}};
    }
    LadderGrid g;
    const int stopped = drawLadderUpTo(p, g);
    EXPECT_EQ(stopped, 500 * 3 + 1) << "rung 500 needs rows 1000 and 1001";
    EXPECT_EQ(at(g, 999, 9).dev, "Y31");
    EXPECT_EQ(g.cell(LadderGrid::kLastIndex), Cell{});
}

TEST(LadderDrawer, ConvertsOnlyUpToMaxStep)
{
    ProgramStore p = programOf({"LD X0", "OUT Y30"}, 0);
    p.step(1000) = Step{"LD", "X1", {}};
    p.step(1001) = Step{"OUT", "Y31", {}};
    LadderGrid g;
    drawLadder(p, g);
    EXPECT_TRUE(rowEmpty(g, 1));
}

TEST(LadderDrawer, ConditionWithoutOutputAtTheEndIsDrawnAsItStands)
{
    LadderGrid unjoined;
    EXPECT_EQ(drawLadderUpTo(programOf({"LD X0", "OUT Y30", "LD X1", "LD X2"}), unjoined), 2);
    const LadderGrid g = drawn({"LD X0", "OUT Y30", "LD X1", "AND X2"});
    EXPECT_EQ(at(g, 1, 0).dev, "X1");
    EXPECT_EQ(at(g, 1, 1).dev, "X2");
    EXPECT_EQ(at(g, 1, 2), Cell{});
}
