#pragma once

#include "core/ProgramStore.h"

#include <QString>

namespace ladrix::cli {

// A step shows when its mnemonic or its operand holds more than blanks (a step with only an
// operand is shown with an empty mnemonic column).
bool stepHasContent(const Step& step);

// The last step a listing covers: the first END step, otherwise the last step with content;
// -1 when no step has content.
int lastListedStep(const ProgramStore& store);

// The step number filled to four digits, as the editor shows it.
QString stepNumber(int index);

// "0012  OUT T50", "0013  K 100", "0014" for an empty step: no trailing blanks.
QString listingLine(int index, const Step& step);

} // namespace ladrix::cli
