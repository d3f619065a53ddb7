#pragma once

#include "ProgramStore.h"

#include <QList>

namespace ladrix {

// A mnemonic and its operand, as instruction-list and block files hold them.
struct StepPair {
    QString ins;
    QString data;
    bool operator==(const StepPair&) const = default;
};

// Inserts an empty step at curStep; the step at maxStep is lost.
void insertStep(ProgramStore& store);
// Deletes the step at curStep; the step at maxStep becomes empty.
void deleteStep(ProgramStore& store);

// Block marks: head at curStep unless that would pass the tail; tail at curStep unless it
// would come before the head.
void setBlockHead(ProgramStore& store);
void setBlockTail(ProgramStore& store);
void clearBlock(ProgramStore& store);
// True while both marks are set: cut, copy, paste and delete are offered.
bool blockComplete(const ProgramStore& store);
// True when step s is inside the marks (with only the tail set: 0 to the tail).
bool inBlock(const ProgramStore& store, int s);

void copyBlock(ProgramStore& store);
void deleteBlock(ProgramStore& store);
void pasteBlock(ProgramStore& store);

// The pairs from blockStart (0 when unset) to blockEnd; none when the tail is unset or
// before the head.
QList<StepPair> blockPairs(const ProgramStore& store);

// Inserts the pairs at curStep with empty comments, pushing later steps down (those pushed
// past maxStep are lost). At most 2001 pairs are kept; pairs past index 2000 are dropped.
void insertSteps(ProgramStore& store, const QList<StepPair>& pairs);

} // namespace ladrix
