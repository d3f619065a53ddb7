#include "LadderTestSupport.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"
#include "ladder/ProgramEquivalence.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

constexpr int kPrograms = 2500;

struct Trip {
    LadderGrid grid;
    ProgramStore compiled;
    int stoppedAt = -1;
};

Trip drawAndCompile(const ProgramStore& program)
{
    Trip t;
    t.stoppedAt = drawLadderUpTo(program, t.grid).step;
    t.compiled.plcType = program.plcType;
    compileLadder(t.grid, t.compiled);
    return t;
}

// Most blocks open at once in any rung of the list.
int deepestNesting(const QStringList& lines)
{
    int open = 0;
    int deepest = 0;
    for (const QString& line : lines) {
        const QString ins = line.section(' ', 0, 0);
        if (ins == "LD" || ins == "LDI")
            deepest = std::max(deepest, ++open);
        else if (ins == "ANB" || ins == "ORB")
            --open;
        else if (ins != "AND" && ins != "ANI" && ins != "OR" && ins != "ORI")
            open = 0;
    }
    return deepest;
}

} // namespace

TEST(LadderRoundTrip, EquivalenceTellsListsApart)
{
    const ProgramStore a = programOf({"LD X0", "AND X1", "OR X2", "OUT Y30"});
    const ProgramStore same = programOf({"LD X2", "LD X0", "AND X1", "ORB", "OUT Y30"});
    const ProgramStore other = programOf({"LD X0", "LD X1", "OR X2", "ANB", "OUT Y30"});
    const ProgramStore otherOutput = programOf({"LD X0", "AND X1", "OR X2", "OUT Y31"});
    const ProgramStore otherOrder = programOf({"LD X0", "AND X1", "OR X2", "OUT Y30", "OUT Y31"});
    EXPECT_TRUE(compareLists(a, same, 2000).equal);
    EXPECT_FALSE(compareLists(a, other, 2000).equal);
    EXPECT_FALSE(compareLists(a, otherOutput, 2000).equal);
    EXPECT_FALSE(compareLists(a, otherOrder, 2000).equal);
    const ProgramStore timer = programOf({"LD X0", "OUT T50", "K 10"});
    EXPECT_FALSE(compareLists(timer, programOf({"LD X0", "OUT T50", "K 11"}), 2000).equal);
    EXPECT_FALSE(compareLists(timer, programOf({"LD X0", "OUT T50", "", "K 10"}), 2000).equal);
    // Contacts after an output go on working on the rung's block.
    const ProgramStore afterOutput = programOf({"LD X0", "OUT Y30", "AND X1", "OUT Y31"});
    EXPECT_FALSE(
        compareLists(afterOutput, programOf({"LD X0", "OUT Y30", "AND X2", "OUT Y31"}), 2000)
            .equal);
    EXPECT_FALSE(
        compareLists(afterOutput, programOf({"LD X0", "OUT Y30", "AND X1", "OUT Y32"}), 2000)
            .equal);
    // Rungs that cannot be executed are alike only when written alike.
    const ProgramStore faulty = programOf({"LD X0", "ANB", "OUT Y30"});
    EXPECT_TRUE(compareLists(faulty, faulty, 2000).equal);
    EXPECT_FALSE(compareLists(faulty, programOf({"LD X0", "ANB", "OUT Y31"}), 2000).equal);
    EXPECT_FALSE(compareLists(faulty, programOf({"LD X0", "OUT Y30"}), 2000).equal);
    // More contacts than a combination has bits.
    QStringList wide{"LD X0"};
    for (int k = 1; k < 80; ++k)
        wide << QStringLiteral("OR M%1").arg(k);
    const ProgramStore wideRung = programOf(wide + QStringList{"OUT Y30"});
    EXPECT_TRUE(compareLists(wideRung, wideRung, 2000).equal);
    EXPECT_FALSE(compareLists(wideRung, programOf(wide + QStringList{"OUT Y31"}), 2000).equal);
    EXPECT_EQ(splitRungs(otherOrder, 2000).size(), 1U);
    EXPECT_EQ(splitRungs(afterOutput, 2000).size(), 1U);
    EXPECT_EQ(splitRungs(programOf({"LD X0", "OUT Y30", "", "LDI X1", "OUT Y31"}), 2000).size(),
              2U);
}

TEST(LadderRoundTrip, RandomProgramsDrawAndCompileBackToEquivalentLists)
{
    ProgramGenerator generator(7);
    int rungs = 0;
    int deepest = 0;
    QSet<QString> kinds;
    for (int n = 0; n < kPrograms; ++n) {
        const QStringList lines = generator.program(1990);
        const ProgramStore program = programOf(lines);
        const Trip trip = drawAndCompile(program);
        ASSERT_EQ(trip.stoppedAt, -1) << lines.join(" | ").toStdString();
        ASSERT_EQ(checkDrawnGrid(trip.grid), "") << lines.join(" | ").toStdString();
        const Equivalence e = compareLists(program, trip.compiled, 2000);
        ASSERT_TRUE(e.equal) << e.difference.toStdString() << "\n  "
                             << lines.join(" | ").toStdString() << "\n  "
                             << listOf(trip.compiled).join(" | ").toStdString() << "\n"
                             << pictureOf(trip.grid, 0, 12).toStdString();
        rungs += int(splitRungs(program, 2000).size());
        deepest = std::max(deepest, deepestNesting(lines));
        for (const QString& line : lines)
            kinds << line.section(' ', 0, 0);
    }
    EXPECT_GT(rungs, 3 * kPrograms) << "the generator should make several rungs per program";
    EXPECT_EQ(deepest, 5) << "blocks nest four deep inside the rung's own block";
    EXPECT_EQ(kinds.size(), 21) << QStringList(kinds.values()).join(' ').toStdString();
}

TEST(LadderRoundTrip, CompiledListsAreStableUnderAnotherRoundTrip)
{
    ProgramGenerator generator(11);
    for (int n = 0; n < kPrograms; ++n) {
        const QStringList lines = generator.program(1990);
        const Trip first = drawAndCompile(programOf(lines));
        const Trip second = drawAndCompile(first.compiled);
        ASSERT_EQ(listOf(second.compiled), listOf(first.compiled))
            << lines.join(" | ").toStdString() << "\n"
            << pictureOf(first.grid, 0, 12).toStdString() << "\n"
            << pictureOf(second.grid, 0, 12).toStdString();
    }
}

TEST(LadderRoundTrip, LargeProgramFillsTheStepsAndRoundTrips)
{
    ProgramGenerator generator(3);
    const QStringList lines = generator.program(1990, 1000);
    EXPECT_GT(lines.size(), 1800);
    const ProgramStore program = programOf(lines);
    const Trip trip = drawAndCompile(program);
    EXPECT_EQ(trip.stoppedAt, -1);
    EXPECT_TRUE(compareLists(program, trip.compiled, 2000).equal);
}
