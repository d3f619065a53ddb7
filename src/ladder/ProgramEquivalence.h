#pragma once

#include "core/ProgramStore.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ladrix {

// A rung of an instruction list: its condition steps followed by its run of outputs.
struct Rung {
    std::vector<Step> steps;
    QStringList contacts; // operands of its contacts, each once
};

// Splits steps [0, last] into rungs, each from an LD, LDI or STL that follows an output; empty
// steps are left out.
std::vector<Rung> splitRungs(const ProgramStore& store, int last);

struct Equivalence {
    bool equal = true;
    QString difference; // the first difference found, for test messages
};

// Two lists are equivalent when they have the same rungs, each driving the same outputs in the
// same order with the same power for every combination of its contacts (all combinations up
// to 14 contacts, a fixed sample of them beyond). A rung the block stack cannot execute only
// matches one written the same way.
Equivalence compareRungs(const std::vector<Rung>& a, const std::vector<Rung>& b);
Equivalence compareLists(const ProgramStore& a, const ProgramStore& b, int last);

} // namespace ladrix
