#include "LadderTestSupport.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::test;

namespace {

class Garbage {
public:
    explicit Garbage(unsigned seed) : m_random(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString text()
    {
        static const QStringList texts{"",    "X0", "END", " end ", "K",    "S600",
                                       "100", "\t", "LD",  "ORB",   "中文", QString(40, 'Z')};
        return texts[pick(int(texts.size()))];
    }

    qint16 code(std::initializer_list<qint16> usual)
    {
        if (pick(20) == 0)
            return qint16(pick(65536) - 32768);
        return usual.begin()[pick(int(usual.size()))];
    }

    // A grid whose cells are filled with probability `density` percent.
    LadderGrid grid(int density)
    {
        LadderGrid g;
        for (int i = 0; i < LadderGrid::kSize; ++i) {
            if (pick(100) >= density)
                continue;
            // Braced initialisers are evaluated left to right: the draws keep their order.
            g.cell(i) = Cell{code({0, 1, 2, 3, 4, 5, 8}), code({0, 6, 7, 7}), code({0, 6, 7, 7}),
                             text(), text()};
        }
        return g;
    }

    ProgramStore steps(int count)
    {
        static const QStringList mnemonics{"LD",  "LDI", "AND", "ANI", "OR", "ORI", "ANB",
                                           "ORB", "OUT", "K",   "S",   "R",  "PLS", "MC",
                                           "MCR", "END", "STL", "RET", "",   " ld", "XYZ"};
        ProgramStore store;
        store.plcType = pick(2);
        for (int i = 0; i < count && i <= ProgramStore::kLastIndex; ++i)
            store.step(i) = Step{mnemonics[pick(int(mnemonics.size()))], text(), text()};
        return store;
    }

private:
    std::mt19937 m_random;
};

// A compiled list holds only what the walk writes: contact and block steps, OUT with its K,
// the mnemonic of some function box, or the bare operand of a step contact.
void expectOnlyWalkSteps(const LadderGrid& g, const ProgramStore& store)
{
    static const QStringList written{"",   "LD",  "LDI", "STL", "AND", "ANI",
                                     "OR", "ORI", "ANB", "ORB", "OUT", "K"};
    QStringList boxes;
    for (int i = 0; i < LadderGrid::kSize; ++i) {
        if (g.cell(i).type == kFunctionBox)
            boxes << g.cell(i).data;
    }
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i) {
        const QString& ins = store.step(i).ins;
        ASSERT_TRUE(written.contains(ins) || boxes.contains(ins)) << i << ' ' << ins.toStdString();
        ASSERT_TRUE(store.step(i).rem.isEmpty());
    }
}

} // namespace

TEST(LadderRobustness, GarbageGridsCompileToAnEndWithoutFault)
{
    Garbage garbage(5);
    for (int n = 0; n < 150; ++n) {
        const LadderGrid g = garbage.grid(1 + garbage.pick(100));
        ProgramStore store;
        ASSERT_NO_THROW(compileLadder(g, store)) << n;
        expectOnlyWalkSteps(g, store);
    }
}

TEST(LadderRobustness, AdversarialGridsEndWithoutFault)
{
    const QList<Cell> fills{
        Cell{kContact, kLinkDown, kLinkDown, "X0", ""},
        Cell{kStepContact, kLinkDown, kLinkDown, "S600", ""},
        Cell{kStepContact, kPlainEdge, kLinkDown, "S600", ""},
        Cell{kLine, kLinkDown, kPlainEdge, "", ""},
        Cell{kFunctionBox, kLinkDown, kLinkDown, "X0", "END"},
        Cell{kEmpty, kLinkDown, kLinkDown, "", ""},
        Cell{kCoil, kPlainEdge, kLinkDown, "T50", "1"},
        Cell{kContact, qint16(3), qint16(3), "X0", ""},
    };
    for (const Cell& fill : fills) {
        LadderGrid g;
        for (int i = 0; i < LadderGrid::kSize; ++i)
            g.cell(i) = fill;
        ProgramStore store;
        ASSERT_NO_THROW(compileLadder(g, store)) << fill.type << ' ' << fill.left;
        expectOnlyWalkSteps(g, store);
    }
}

TEST(LadderRobustness, GarbageStepListsDrawWithoutFaultAndKeepWhatWasThere)
{
    Garbage garbage(9);
    for (int n = 0; n < 300; ++n) {
        const ProgramStore steps = garbage.steps(garbage.pick(2001));
        const LadderGrid before = n % 2 ? garbage.grid(garbage.pick(30)) : LadderGrid{};
        LadderGrid g = before;
        ASSERT_NO_THROW(drawLadder(steps, g)) << n;
        for (int i = 0; i < LadderGrid::kSize; ++i) {
            if (!(before.cell(i) == Cell{})) {
                ASSERT_EQ(g.cell(i), before.cell(i)) << "cell " << i << " was drawn over";
            }
        }
        ProgramStore compiled;
        ASSERT_NO_THROW(compileLadder(g, compiled)) << n;
    }
}

TEST(LadderRobustness, WellFormedListsWithGarbageInsertedStillDrawTheirPrefix)
{
    ProgramGenerator generator(21);
    Garbage garbage(22);
    for (int n = 0; n < 200; ++n) {
        const QStringList lines = generator.program(1000);
        ProgramStore store = programOf(lines);
        const int at = garbage.pick(int(lines.size()));
        const ProgramStore noise = garbage.steps(1);
        store.step(at) = noise.step(0);
        LadderGrid g;
        ASSERT_NO_THROW(drawLadder(store, g));
        EXPECT_EQ(checkDrawnGrid(g), "") << lines.join(" | ").toStdString();
    }
}
