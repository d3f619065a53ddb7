#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

namespace ladrix {

// Draws the instruction list (steps 0 to maxStep) into the grid, rung by rung, without
// clearing it: each new rung goes into the first free rows, below RowNext, that no drawing
// already uses. Steps that draw nothing (STL, RET, a K step not taken by an OUT, empty
// steps) are skipped. The conversion ends, keeping the rungs drawn so far, at a rung it cannot
// draw: a contact with no rung open, ANB or ORB without two blocks, more than 10 open blocks,
// an output while an inner block is still open, a condition wider than columns 0 to 8, or no
// free rows left.
void drawLadder(const ProgramStore& store, LadderGrid& grid);

// The same, reporting the first step that could not be drawn (-1 when all were).
int drawLadderUpTo(const ProgramStore& store, LadderGrid& grid);

} // namespace ladrix
