#include "StepEditing.h"

#include <algorithm>

namespace ladrix {

namespace {

// Moves steps [from .. maxStep - n] down by n, dropping what passes maxStep.
void shiftDown(ProgramStore& store, int from, int n)
{
    for (int a = store.maxStep(); a >= from + n; --a)
        store.step(a) = store.step(a - n);
}

// Moves steps [from + n .. maxStep] up by n and empties the last n steps.
void shiftUp(ProgramStore& store, int from, int n)
{
    const int last = store.maxStep();
    for (int i = from; i <= last - n; ++i)
        store.step(i) = store.step(i + n);
    for (int i = std::max(from, last - n + 1); i <= last; ++i)
        store.step(i) = Step{};
}

bool validCursor(const ProgramStore& store)
{
    return store.curStep >= 0 && store.curStep <= store.maxStep();
}

} // namespace

void insertStep(ProgramStore& store)
{
    if (!validCursor(store))
        return;
    shiftDown(store, store.curStep, 1);
    store.step(store.curStep) = Step{};
}

void deleteStep(ProgramStore& store)
{
    if (!validCursor(store))
        return;
    shiftUp(store, store.curStep, 1);
}

void setBlockHead(ProgramStore& store)
{
    if (store.blockEnd < 0 || store.blockEnd >= store.curStep)
        store.blockStart = store.curStep;
}

void setBlockTail(ProgramStore& store)
{
    if (store.curStep >= store.blockStart)
        store.blockEnd = store.curStep;
}

void clearBlock(ProgramStore& store)
{
    store.blockStart = -1;
    store.blockEnd = -1;
}

bool blockComplete(const ProgramStore& store)
{
    return store.blockStart >= 0 && store.blockEnd >= 0;
}

bool inBlock(const ProgramStore& store, int s)
{
    return store.blockStart <= s && s <= store.blockEnd;
}

void copyBlock(ProgramStore& store)
{
    if (!blockComplete(store))
        return;
    store.clearClipboard();
    for (int i = store.blockStart; i <= store.blockEnd && ProgramStore::inRange(i); ++i)
        store.clip(i - store.blockStart) = store.step(i);
}

void deleteBlock(ProgramStore& store)
{
    if (!blockComplete(store) || store.blockStart > store.maxStep())
        return;
    const int n = store.blockEnd - store.blockStart + 1;
    shiftUp(store, store.blockStart, n);
    clearBlock(store);
}

void pasteBlock(ProgramStore& store)
{
    if (!blockComplete(store) || !validCursor(store))
        return;
    const int n = store.blockEnd - store.blockStart + 1;
    if (store.curStep + n <= store.maxStep())
        shiftDown(store, store.curStep, n);
    for (int g = store.curStep; g < store.curStep + n && ProgramStore::inRange(g); ++g)
        store.step(g) = store.clip(g - store.curStep);
}

QList<StepPair> blockPairs(const ProgramStore& store)
{
    QList<StepPair> pairs;
    const int first = std::max(store.blockStart, 0);
    for (int i = first; i <= store.blockEnd && ProgramStore::inRange(i); ++i)
        pairs.append({store.step(i).ins, store.step(i).data});
    return pairs;
}

void insertSteps(ProgramStore& store, const QList<StepPair>& pairs)
{
    if (!validCursor(store))
        return;
    const int k = int(std::min<qsizetype>(pairs.size(), ProgramStore::kSize));
    shiftDown(store, store.curStep, k);
    for (int j = 0; j < k && ProgramStore::inRange(store.curStep + j); ++j)
        store.step(store.curStep + j) = Step{pairs[j].ins, pairs[j].data, QString()};
}

} // namespace ladrix
