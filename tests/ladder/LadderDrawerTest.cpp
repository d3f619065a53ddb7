#include "ladder/LadderDrawer.h"
#include "LadderTestSupport.h"
#include "ladder/LadderCompiler.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

// A ladder example: the list draws the picture, the picture compiles to the list, or both.
struct Example {
    enum Way { Both, DrawOnly, CompileOnly };
    const char* name;
    QString list;    // steps separated by ", "
    QString picture; // rows separated by "\n"
    Way way = Both;
};

const std::vector<Example> kExamples{
    {"ContactAndCoil", "LD X0, OUT Y30", "X0 - - - - - - - - (Y30)"},
    {"OrHangsBelowTheContact", "LD X0, OR X1, OUT Y30",
     "|X0| - - - - - - - - (Y30)\n"
     "X1"},
    {"OrAfterSeriesStandsUnderTheLastContact", "LD X0, AND X1, OR X2, OUT Y30",
     "|X0 X1| - - - - - - - (Y30)\n"
     "- X2"},
    {"EachFurtherOrTakesTheNextRow", "LD X0, OR X1, OR X2, OUT Y30",
     "|X0| - - - - - - - - (Y30)\n"
     "|X1|\n"
     "X2"},
    {"OrsBelowAnEarlierRung", "LD X5, OUT Y35, LD X0, OR X1, OR X2, OUT Y30",
     "X5 - - - - - - - - (Y35)\n"
     "|X0| - - - - - - - - (Y30)\n"
     "|X1|\n"
     "X2"},
    {"CoilTakesTheConstantOfItsKStep", "LD X0, OUT T50, K 100, LD X1, OUT Y30",
     "X0 - - - - - - - - (T50,100)\n"
     "X1 - - - - - - - - (Y30)"},
    {"FurtherOutputsStackInColumnNine", "LD X0, OUT Y30, OUT T51, K 20, S M100, LD X1, OUT Y31",
     "X0 - - - - - - - - |(Y30)\n"
     ". . . . . . . . . |(T51,20)\n"
     ". . . . . . . . . [S,M100]\n"
     "X1 - - - - - - - - (Y31)"},
    {"StackedCoilsAndBoxTakeThreeRows", "LD X0, OUT Y30, OUT Y31, S M100, LD X1, OUT Y32",
     "X0 - - - - - - - - |(Y30)\n"
     ". . . . . . . . . |(Y31)\n"
     ". . . . . . . . . [S,M100]\n"
     "X1 - - - - - - - - (Y32)"},
    {"McAndEndStartTheirOwnRungs", "LD X0, OUT Y30, MC M100, END",
     "X0 - - - - - - - - (Y30)\n"
     "- - - - - - - - - [MC,M100]\n"
     "- - - - - - - - - [END]"},
    {"LoneEnd", "END", "- - - - - - - - - [END]"},
    {"EndDoesNotStopAndSkippedStepsDrawNothing", "END, STL S600, RET M100, K 5, , LD X0, OUT Y30",
     "- - - - - - - - - [END]\n"
     "X0 - - - - - - - - (Y30)",
     Example::DrawOnly},
    {"OrbBlockHangsLeftAligned", "LD X0, AND X1, AND X2, LD X3, ORB, OUT Y30",
     "|X0 X1 X2| - - - - - - (Y30)\n"
     "X3 - -",
     Example::DrawOnly},
    {"LongerLowerBlockExtendsTheUpperRow", "LD X0, LD X1, AND X2, ORB, OUT Y30",
     "|X0 -| - - - - - - - (Y30)\n"
     "X1 X2"},
    {"AnbBlockFollowsInSeries", "LD X0, LD X1, OR X2, ANB, OUT Y30",
     "X0 |X1| - - - - - - - (Y30)\n"
     ". X2"},
    {"AnbOfABranchOfSeveralElements", "LD X0, LD X1, LD X2, AND X3, ORB, ANB, OUT Y30",
     "X0 |X1 -| - - - - - - (Y30)\n"
     ". X2 X3"},
    {"SecondGroupOnTheRowIsJoinedByAnb", "LD X0, OR X1, LD X2, OR X3, ANB, OUT Y30",
     "|X0| |X2| - - - - - - - (Y30)\n"
     "X1 X3"},
    {"GroupWithSeveralBranchesJoinsAfterTheLast", "LD X0, LD X1, OR X2, OR X3, ANB, OUT Y30",
     "X0 |X1| - - - - - - - (Y30)\n"
     ". |X2|\n"
     ". X3"},
    {"LinkPassesBesideEmptyCellsOfATallerUpperSide", "LD X0, LD X1, OR X2, ANB, OR X3, OUT Y30",
     "|X0 |X1| - - - - - - - (Y30)\n"
     "|. X2|\n"
     "- X3"},
    {"GroupInsideABranchJoinsBeforeTheBranchCloses",
     "LD X0, LD X1, LD X2, OR X3, ANB, ORB, OUT Y30",
     "|X0 -| - - - - - - - (Y30)\n"
     "X1 |X2|\n"
     ". X3"},
    {"OuterBranchWaitsUntilTheInnerBranchCloses",
     "LD X0, LD X1, LD X2, OR X3, ANB, ORB, OR X4, OUT Y30",
     "|X0 -| - - - - - - - (Y30)\n"
     "|X1 |X2|\n"
     "|. X3|\n"
     "X4 -",
     Example::CompileOnly},
    {"NestedAnbJoinsInnermostFirst", "LD X0, LD X1, LD X2, OR X3, ANB, OR X4, ANB, OUT Y30",
     "X0 |X1 |X2| - - - - - - (Y30)\n"
     ". |. X3|\n"
     ". - X4"},
    {"NestedAnbInsideOrbJoinsInnermostFirst",
     "LD X0, LD X1, LD X2, AND X3, LD X4, OR X5, ANB, ORB, ANB, OUT Y30",
     "X0 |X1 - -| - - - - - (Y30)\n"
     ". X2 X3 |X4|\n"
     ". . . X5"},
    {"TwoAnbGroupsJoinedByOrb",
     "LD X0, AND X1, LD X2, OR X3, ANB, LD X4, LDI X5, OR X6, ANB, ORB, OUT Y30",
     "|X0 X1 |X2| - - - - - - (Y30)\n"
     "|. . X3|\n"
     "X4 |/X5| -\n"
     ". X6"},
    {"ConditionWithoutOutputAtTheEnd", "LD X0, OUT Y30, LD X1, AND X2",
     "X0 - - - - - - - - (Y30)\n"
     "X1 X2"},
    {"EndInABranchStopsTheList", "LD X0, LD X1, END",
     "|X0 - -| - - - - - - (Y30)\n"
     "X1 [END] -\n"
     "X2 - - - - - - - - (Y31)",
     Example::CompileOnly},
    {"EndOnTheMainRowDoesNotStop", "END, LD X2, OUT Y31, end",
     "- - - - - - - - - [END]\n"
     "X2 - - - - - - - - (Y31)\n"
     "- - - - - - - - - [end]",
     Example::CompileOnly},
    {"ClosedContactsAndAFunctionBox", "LDI X0, ANI M100, ORI X1, PLS M101",
     "|/X0 /M100| - - - - - - - [PLS,M101]\n"
     "/X1 -",
     Example::CompileOnly},
    {"EmptyCellsInsideARungAreSteppedOver", "LD X0, AND X1, AND X2, OUT Y30",
     "X0 . . X1 . . X2 . . (Y30)", Example::CompileOnly},
    {"RungWithoutOutputEndsInColumnNine", "LD X0, AND X1, AND X2, LD X3, OUT Y30",
     "X0 X1 X2\n"
     "X3 - - - - - - - - (Y30)",
     Example::CompileOnly},
    {"StepContactOpensSubRungsDownItsLink",
     "STL S600, LD X0, OUT Y30, LD X1, S S601, LD X3, OUT Y32, LD X2, OUT Y31",
     "#S600| X0 - - - - - - - (Y30)\n"
     ".| X1 - - - - - - - [S,S601]\n"
     ". X3 - - - - - - - (Y32)\n"
     "X2 - - - - - - - - (Y31)",
     Example::CompileOnly},
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.name;
}

std::vector<Example> examples(Example::Way without)
{
    std::vector<Example> kept;
    std::copy_if(kExamples.begin(), kExamples.end(), std::back_inserter(kept),
                 [&](const Example& e) { return e.way != without; });
    return kept;
}

std::string nameOf(const ::testing::TestParamInfo<Example>& info)
{
    return info.param.name;
}

// The grid holds exactly the picture (rows "\n"-separated from row 0) and nothing else.
void expectDrawing(const LadderGrid& g, const QString& picture)
{
    EXPECT_EQ(pictureOf(g, 0, int(picture.count('\n')) + 1), picture + '\n');
    EXPECT_TRUE(g == gridOf(picture.split('\n'))) << "edge codes or rows further down differ";
}

class LadderDrawing : public ::testing::TestWithParam<Example> {};
class LadderCompiling : public ::testing::TestWithParam<Example> {};

} // namespace

TEST_P(LadderDrawing, ListDrawsThePicture)
{
    const Example& e = GetParam();
    LadderGrid g;
    EXPECT_EQ(drawLadderUpTo(programOf(e.list.split(", ")), g).step, -1);
    expectDrawing(g, e.picture);
}

TEST_P(LadderCompiling, PictureCompilesToTheListAndStaysUnchanged)
{
    const Example& e = GetParam();
    const LadderGrid g = gridOf(e.picture.split('\n'));
    LadderGrid copy = g;
    ProgramStore store;
    compileLadder(copy, store);
    EXPECT_EQ(listOf(store).join(", "), e.list);
    EXPECT_TRUE(copy == g);
}

INSTANTIATE_TEST_SUITE_P(Examples, LadderDrawing,
                         ::testing::ValuesIn(examples(Example::CompileOnly)), nameOf);
INSTANTIATE_TEST_SUITE_P(Examples, LadderCompiling,
                         ::testing::ValuesIn(examples(Example::DrawOnly)), nameOf);

TEST(LadderDrawer, MnemonicsAreComparedTrimmedAndOutputOperandsTrimmed)
{
    ProgramStore p;
    p.step(0) = Step{" ld", "X0", {}};
    p.step(1) = Step{"out ", " Y30 ", {}};
    p.step(2) = Step{" K", " 7 ", {}};
    LadderGrid g;
    drawLadder(p, g);
    expectDrawing(g, "X0 - - - - - - - - (Y30,7)");
}

TEST(LadderDrawer, DrawsBelowWhatIsThereAndNeverOverwritesIt)
{
    const ProgramStore p = programOf({"LD X0", "OUT Y30", "OUT Y31"});
    LadderGrid g;
    drawLadder(p, g);
    drawLadder(p, g);
    const QString rung = "X0 - - - - - - - - |(Y30)\n. . . . . . . . . (Y31)";
    expectDrawing(g, rung + '\n' + rung);

    // Free rows are found around an element and a hanging link; the row under a link stays free.
    g = gridOf({"", ". . . . X7", ". . . |."});
    drawLadder(programOf({"LD X0", "OUT Y30", "LD X1", "OUT Y31"}), g);
    expectDrawing(g, "X0 - - - - - - - - (Y30)\n"
                     ". . . . X7\n"
                     ". . . |.\n"
                     "\n"
                     "X1 - - - - - - - - (Y31)");
}

TEST(LadderDrawer, EndsCleanlyWhereARungCannotBeDrawn)
{
    const QStringList good{"LD X0", "OUT Y30"};
    const std::pair<QStringList, DrawStop> bad[]{
        {{"AND X1", "OUT Y31"}, DrawStop::NoRungOpen},
        {{"LD X1", "ANB", "OUT Y31"}, DrawStop::NothingToJoin},
        {{"LD X1", "LD X2", "OUT Y31"}, DrawStop::BlockNotJoined},
        {{"LD X1", "AND X2", "AND X3", "AND X4", "AND X5", "AND X6", "AND X7", "AND X10", "AND X11",
          "AND X12", "OUT Y31"},
         DrawStop::TooWide},
        {{"LD X1", "LD X2", "LD X3", "LD X4", "LD X5", "LD X6", "LD X7", "LD X10", "LD X11",
          "LD X12", "LD X13"},
         DrawStop::TooManyBlocks},
    };
    for (const auto& [tail, why] : bad) {
        SCOPED_TRACE(tail.join(',').toStdString());
        LadderGrid g;
        const DrawResult stopped = drawLadderUpTo(programOf(good + tail + good), g);
        EXPECT_GE(stopped.step, 2);
        EXPECT_LE(stopped.step, 2 + tail.size());
        EXPECT_EQ(stopped.why, why);
        expectDrawing(g, "X0 - - - - - - - - (Y30)");
    }
    LadderGrid unjoined;
    EXPECT_EQ(drawLadderUpTo(programOf({"LD X0", "OUT Y30", "LD X1", "LD X2"}), unjoined).step, 2);
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
    const DrawResult stopped = drawLadderUpTo(p, g);
    EXPECT_EQ(stopped.step, 500 * 3 + 1) << "rung 500 needs rows 1000 and 1001";
    EXPECT_EQ(stopped.why, DrawStop::NoRowsLeft);
    EXPECT_EQ(g.cell(GridPos::at(999, 9).index).dev, "Y31");
    EXPECT_EQ(g.cell(LadderGrid::kLastIndex), Cell{});
}

TEST(LadderDrawer, StopsAtARungTallerThanACompilationWalks)
{
    // LD X0, then OR X1 down to the rung's last row, which holds OR X2.
    for (const int rows : {kCompiledRungRows, kCompiledRungRows + 1}) {
        SCOPED_TRACE(rows);
        ProgramStore p;
        p.plcType = 1;
        p.step(0) = Step{"LD", "X0", {}};
        for (int i = 1; i < rows; ++i)
            p.step(i) = Step{"OR", i + 1 == rows ? "X2" : "X1", {}};
        p.step(rows) = Step{"OUT", "Y30", {}};
        LadderGrid g;
        const DrawResult drawn = drawLadderUpTo(p, g);
        if (rows == kCompiledRungRows) {
            EXPECT_EQ(drawn.why, DrawStop::None);
            ProgramStore compiled;
            compileLadder(g, compiled);
            for (int i = 0; i <= rows; ++i)
                EXPECT_EQ(compiled.step(i), p.step(i)) << "step " << i;
        } else {
            EXPECT_EQ(drawn.step, rows);
            EXPECT_EQ(drawn.why, DrawStop::TooTall);
            EXPECT_EQ(g.cell(0), Cell{});
        }
    }
}

TEST(LadderDrawer, ConvertsOnlyUpToMaxStep)
{
    ProgramStore p = programOf({"LD X0", "OUT Y30"}, 0);
    p.step(1000) = Step{"LD", "X1", {}};
    p.step(1001) = Step{"OUT", "Y31", {}};
    LadderGrid g;
    drawLadder(p, g);
    expectDrawing(g, "X0 - - - - - - - - (Y30)");
}
