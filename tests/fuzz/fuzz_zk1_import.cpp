#include "FileHarness.h"
#include "FuzzSupport.h"
#include "Harnesses.h"

#include "core/InstructionSet.h"

namespace ladrix::fuzz {

// A ZK1 file as the import reads it: steps 0 to 999 in upper case with their device letters
// put back once, everything else empty.
int zk1Import(const std::uint8_t* data, std::size_t size)
{
    static ProgramStore store;
    store.step(1500) = Step{QStringLiteral("LD"), QStringLiteral("X0"), QStringLiteral("old")};
    checkReadStatus(importZk1(scratchFile("in.zk1", bytesOf(data, size)), store));
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i) {
        const Step& step = store.step(i);
        if (step.isEmpty())
            continue;
        FUZZ_CHECK(i < 1000 && step.rem.isEmpty());
        FUZZ_CHECK(step.ins == step.ins.trimmed().toUpper());
        // The letter is put back once: a second pass finds an operand that needs none.
        FUZZ_CHECK(addDevLetter(step.ins, step.data) == step.data);
    }

    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::zk1Import)
