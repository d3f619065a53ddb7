#include "FuzzSupport.h"
#include "Harnesses.h"

#include "plc/StepCoding.h"

#include <algorithm>
#include <array>
#include <optional>

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

// A step that the high-speed write would send reads back as the same step.
void checkWrittenBack(const Step& step)
{
    // The word of an empty step is the NOP word: a number left in it reads back as S, MC or
    // CJP, as the controller shows such a word.
    if (step.ins.isEmpty() || !plc::wordKeepsStep(step))
        return;
    const Step again = decoded(plc::encodeStep(step));
    if (operandIgnored(step.ins))
        FUZZ_CHECK(again.ins == step.ins);
    else
        FUZZ_CHECK(again == step);
}

// Decoding is the costly part and an input repeats few of the 65536 words: each word is decoded
// alone and written back once, its step kept for the words of later inputs.
const Step& decodedOnce(const QByteArray& word)
{
    static std::array<std::optional<Step>, 65536> known;
    std::optional<Step>& step = known[std::size_t(quint8(word.at(0)) << 8 | quint8(word.at(1)))];
    if (!step) {
        step = decoded(word);
        checkWrittenBack(*step);
    }
    return *step;
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
        FUZZ_CHECK(step == decodedOnce(words.mid(2 * k, 2)));
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::highSpeed)
