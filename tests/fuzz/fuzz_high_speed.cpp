#include "FuzzSupport.h"
#include "Harnesses.h"

#include "plc/StepCoding.h"

#include <algorithm>

namespace ladrix::fuzz {

namespace {

// The step a single word decodes to, as a high-speed read stores it.
Step decoded(const QByteArray& word)
{
    static ProgramStore scratch;
    plc::deCodeA(word, scratch);
    return scratch.step(0);
}

// Steps whose operand the controller ignores: the word keeps their mnemonic only.
bool operandIgnored(const QString& ins)
{
    return ins == QStringLiteral("ANB") || ins == QStringLiteral("ORB") ||
           ins == QStringLiteral("END");
}

} // namespace

// Words of a high-speed read, whatever the controller sends: every complete word up to the end
// of the store becomes a step, the rest is counted, and a step that the high-speed write would
// send reads back as the same step.
int highSpeed(const std::uint8_t* data, std::size_t size)
{
    const QByteArray words = bytesOf(data, size);
    const int pairs = int(words.size() / 2);
    static ProgramStore store;
    static int filled = 0;
    for (int k = 0; k < filled; ++k)
        store.step(k) = Step{};
    filled = std::min(pairs + 1, int(ProgramStore::kSize));
    const Step kept{QStringLiteral("LD"), QStringLiteral("X0"), QStringLiteral("kept")};
    if (pairs <= ProgramStore::kLastIndex)
        store.step(pairs) = kept;

    const plc::DecodeResult result = plc::deCodeA(words, store);
    FUZZ_CHECK(result.stored == std::min(pairs, int(ProgramStore::kSize)));
    FUZZ_CHECK(result.wordsDropped == std::max(0, pairs - int(ProgramStore::kSize)));
    FUZZ_CHECK(result.oddByte == (words.size() % 2 == 1));
    if (pairs <= ProgramStore::kLastIndex)
        FUZZ_CHECK(store.step(pairs) == kept);

    for (int k = 0; k < result.stored; ++k) {
        const Step& step = store.step(k);
        FUZZ_CHECK(step.rem.isEmpty() && step.ins != QStringLiteral("NOP"));
        FUZZ_CHECK(step == decoded(words.mid(2 * k, 2)));
        // The word of an empty step is the NOP word: a number left in it reads back as S, MC
        // or CJP, as the controller shows such a word.
        if (step.ins.isEmpty() || !plc::wordKeepsStep(step))
            continue;
        const Step again = decoded(plc::encodeStep(step));
        if (operandIgnored(step.ins))
            FUZZ_CHECK(again.ins == step.ins);
        else
            FUZZ_CHECK(again == step);
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::highSpeed)
