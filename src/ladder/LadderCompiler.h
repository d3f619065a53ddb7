#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

namespace ladrix {

// Compiles the ladder grid into the instruction list: every step's mnemonic, operand and
// comment is cleared, then the rungs are written from step 0 on. The grid is not changed.
// Any grid, however malformed, ends cleanly: nothing is written past step 2000 and the walk
// is bounded.
void compileLadder(const LadderGrid& grid, ProgramStore& store);

// A compilation walks a rung's main row and at most 256 branch rows below it: a taller rung is
// not compiled whole.
inline constexpr int kCompiledRungRows = 257;

} // namespace ladrix
