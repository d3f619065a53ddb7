#include "FileHarness.h"
#include "FuzzSupport.h"
#include "Harnesses.h"

#include "files/FileRecords.h"

#include <algorithm>

namespace ladrix::fuzz {

// An instruction-list file read as the import reads it, 2000 mnemonic and operand pairs: texts
// stay on their line, and the steps written back read again the same.
int insFile(const std::uint8_t* data, std::size_t size)
{
    static QList<StepPair> pairs = filePairs(ProgramStore());
    static qsizetype filled = 0;
    clearFirst(pairs, filled);

    MemoryReader in(bytesOf(data, size));
    const bool complete = readPairs(in.reader(), pairs);
    filled = std::min((in.reader().fieldsRead() + 1) / 2, pairs.size());
    FUZZ_CHECK(complete == (in.reader().fieldsRead() == 2 * pairs.size()));
    for (qsizetype i = 0; i < filled; ++i)
        checkPair(pairs[i]);

    const qsizetype used = usedPairs(pairs, filled);
    ClassicTextWriter writer;
    writePairs(writer, pairs.first(used));
    MemoryReader back(writer.encoded());
    QList<StepPair> again(used + 1);
    readPairs(back.reader(), again);
    FUZZ_CHECK(back.reader().damagedFields() == 0);
    FUZZ_CHECK(again.first(used) == throughGbk(pairs.first(used)));
    FUZZ_CHECK(again.last() == StepPair{});
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::insFile)
