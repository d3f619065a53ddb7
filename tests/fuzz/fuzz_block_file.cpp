#include "FileHarness.h"
#include "FuzzSupport.h"
#include "Harnesses.h"

#include "files/FileRecords.h"

namespace ladrix::fuzz {

// A file of steps as the insert command reads it: at most 2001 pairs, inserted at the current
// step with empty comments, pushing the old steps down; those steps marked as the edit block
// and written as a block file read back as the same pairs.
int blockFile(const std::uint8_t* data, std::size_t size)
{
    QList<StepPair> pairs;
    checkReadStatus(readStepPairs(scratchFile("in.ins", bytesOf(data, size)), pairs));
    FUZZ_CHECK(pairs.size() <= ProgramStore::kSize);
    for (const StepPair& pair : pairs)
        checkPair(pair);

    static ProgramStore store;
    store.clearSteps();
    store.plcType = 1;
    const Step first{QStringLiteral("LD"), QStringLiteral("X0"), QStringLiteral("first")};
    store.step(0) = first;
    insertSteps(store, pairs);
    const int count = int(pairs.size());
    for (int j = 0; j < count; ++j)
        FUZZ_CHECK(store.step(j) == (Step{pairs[j].ins, pairs[j].data, {}}));
    if (count <= store.maxStep())
        FUZZ_CHECK(store.step(count) == first);
    if (count == 0)
        return 0;

    // Marked as the edit block and written as the block save writes it.
    store.blockStart = 0;
    store.blockEnd = count - 1;
    ClassicTextWriter writer;
    writePairs(writer, blockPairs(store));
    QList<StepPair> again;
    checkReadStatus(readStepPairs(scratchFile("block.ins", writer.encoded()), again));
    FUZZ_CHECK(again == throughGbk(pairs));
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::blockFile)
