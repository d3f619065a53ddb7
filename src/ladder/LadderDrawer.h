#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <QList>

namespace ladrix {

// Draws the instruction list (steps 0 to maxStep) into the grid, rung by rung, without
// clearing it: each new rung goes into the first empty rows below the rung drawn before it.
// Steps that draw nothing (STL, RET, a K step not taken by an OUT, empty steps) are skipped.
// The conversion ends, keeping the rungs drawn so far, at a rung it cannot draw: a contact
// with no rung open, ANB or ORB without two blocks, more than 10 open blocks, an output while
// an inner block is still open, a condition wider than columns 0 to 8, or no free rows left.
void drawLadder(const ProgramStore& store, LadderGrid& grid);

// Why a drawing ended before the last step.
enum class DrawStop {
    None,
    NoRungOpen,     // AND, ANI, OR or ORI with no LD before it
    TooManyBlocks,  // an eleventh block opened
    NothingToJoin,  // ANB or ORB without two open blocks
    BlockNotJoined, // an output, or the end, while an inner block waits for its ANB or ORB
    TooWide,        // a condition wider than columns 0 to 8
    NoRowsLeft,     // the grid has no free rows for the rung
    TooTall,        // a rung of more rows than a compilation walks (kCompiledRungRows)
};

struct DrawResult {
    int step = -1; // the first step that could not be drawn; -1 when all were
    DrawStop why = DrawStop::None;
};

// The same, reporting where and why the drawing stopped.
DrawResult drawLadderUpTo(const ProgramStore& store, LadderGrid& grid);

// Steps 0 to `last` the ladder has no element for: STL and RET, mnemonics the controller does
// not know, constants that follow no OUT, and operands without a mnemonic. Drawing drops them,
// so the ladder compiles back to a different program.
QList<int> stepsWithoutElement(const ProgramStore& store, int last);

} // namespace ladrix
