#pragma once

#include "core/ProgramCheck.h"
#include "core/ProgramStore.h"

#include <QString>

namespace ladrix::cli {

// A listing covers steps 0 to programLastStep(); a step shows its mnemonic and operand when
// stepHasContent() (a step with only an operand is shown with an empty mnemonic column).

// The step number filled to four digits, as the editor shows it.
QString stepNumber(int index);

// "0012  OUT T50", "0013  K 100", "0014" for an empty step: no trailing blanks.
QString listingLine(int index, const Step& step);

} // namespace ladrix::cli
