#include "FuzzSupport.h"
#include "Harnesses.h"

#include "LadderTestSupport.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"
#include "ladder/ProgramEquivalence.h"

#include <QStringList>
#include <vector>

namespace ladrix::fuzz {

namespace {

// Steps from two bytes each: a mnemonic (the 22, K, empty, and forms with blanks, lower case or
// unknown) and an operand. Few distinct operands keep the equivalence check exhaustive and short.
const QStringList kMnemonics{"LD",  "LDI", "AND", "ANI", "OR",  "ORI", "ANB", "ORB",
                             "OUT", "K",   "S",   "R",   "PLS", "SFT", "RST", "MC",
                             "MCR", "CJP", "EJP", "NOP", "END", "STL", "RET", "",
                             " ld", "and", "Or ", "XYZ", "LD",  "AND", "OR",  "OUT"};
const QStringList kOperands{"X0", "X1", "X2", " x3 ", "Y30", "T50", "100", ""};

// Fills steps from 0 up to the last one drawn; returns how many.
int fill(ProgramStore& store, const std::uint8_t* data, std::size_t size)
{
    int steps = 0;
    for (std::size_t i = 0; i + 1 < size && steps <= store.maxStep(); i += 2, ++steps)
        store.step(steps) = Step{kMnemonics[data[i] % 32], kOperands[data[i + 1] % 8], {}};
    return steps;
}

bool rowIsEmpty(const LadderGrid& grid, int row)
{
    for (int column = 0; column < LadderGrid::kColumns; ++column) {
        if (!(grid[GridPos::at(row, column)] == Cell{}))
            return false;
    }
    return true;
}

// One past the last cell drawn from row `first` on: the rungs of a drawing follow each other,
// and a second drawing starts at most one row below the first.
int drawnEnd(const LadderGrid& grid, int first)
{
    int row = first;
    while (row < LadderGrid::kRows &&
           !(rowIsEmpty(grid, row) && (row + 1 == LadderGrid::kRows || rowIsEmpty(grid, row + 1))))
        ++row;
    return GridPos::at(row, 0).index;
}

int lastUsedStep(const ProgramStore& store)
{
    int last = ProgramStore::kLastIndex;
    while (last >= 0 && store.step(last).isEmpty())
        --last;
    return last;
}

} // namespace

// Any instruction list draws to an end into a grid the compiler takes; when every step was
// drawn, the compiled list does what the drawn one does; drawing it again adds the rungs below
// the first drawing without drawing over it.
int ladderDraw(const std::uint8_t* data, std::size_t size)
{
    static ProgramStore program;
    static ProgramStore compiled;
    static LadderGrid grid;
    static int filledSteps = 0;
    static int filledCells = 0;
    for (int i = 0; i < filledSteps; ++i)
        program.step(i) = Step{};
    clearFirst(grid, filledCells);
    filledSteps = fill(program, data, size);
    filledCells = 0;

    const DrawResult drawn = drawLadderUpTo(program, grid);
    const int end = drawnEnd(grid, 0);
    filledCells = end;
    FUZZ_CHECK((drawn.step == -1) == (drawn.why == DrawStop::None));
    FUZZ_CHECK(drawn.step >= -1 && drawn.step < filledSteps);
    FUZZ_CHECK(test::checkDrawnGrid(grid, end).isEmpty());

    if (drawn.step == -1 && stepsWithoutElement(program, filledSteps - 1).isEmpty()) {
        compileLadder(grid, compiled);
        const int last = std::max(filledSteps - 1, lastUsedStep(compiled));
        FUZZ_CHECK(compareLists(program, compiled, last).equal);
    }

    std::vector<Cell> first;
    for (int i = 0; i < end; ++i)
        first.push_back(grid.cell(i));
    drawLadderUpTo(program, grid);
    filledCells = drawnEnd(grid, end / LadderGrid::kColumns);
    FUZZ_CHECK(test::checkDrawnGrid(grid, filledCells).isEmpty());
    for (int i = 0; i < end; ++i)
        FUZZ_CHECK(grid.cell(i) == first[std::size_t(i)]);
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::ladderDraw)
