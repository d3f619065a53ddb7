#pragma once

#include "core/ProgramStore.h"

#include <QString>

namespace ladrix {

// The text an editor row shows for a step: the mnemonic blank-filled to five characters, two
// blanks, the operand, then two blanks and the comment behind an apostrophe. The apostrophe
// makes the row read back as the same step when it is committed again (a comment-only step
// shows "    'note", which the line parser takes as a comment, not as a mnemonic).
QString rowText(const Step& step);

// The step label of a row: the step number zero-filled to four digits.
QString stepLabel(int step);

} // namespace ladrix
