#pragma once

#include "core/ProgramStore.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ladrix::plc {

// A step where the project and the controller's program differ. Each side is the step as the
// controller holds it ("LD X027", "NOP" for an empty step); a side without the step is empty.
struct StepDifference {
    int step = 0;
    QString pc;
    QString plc;

    bool operator==(const StepDifference&) const = default;
};

// A step as the controller would hold it after a high-speed write: its word read back, with
// the device letter. A step whose word stands for another number keeps its own text, so it
// differs from whatever the controller holds.
QString controllerText(const Step& step);

// Compares the steps a high-speed write sends (0 to the project's END step) with the words
// read from the controller (step 0 up to its END). An odd byte at the end is ignored.
std::vector<StepDifference> compareProgram(const ProgramStore& project, const QByteArray& words);

} // namespace ladrix::plc
