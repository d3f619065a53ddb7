#include "FuzzSupport.h"
#include "Harnesses.h"

#include "plc/Display.h"
#include "plc/SimController.h"
#include "plc/StepCoding.h"

#include <array>
#include <climits>

namespace ladrix::fuzz {

namespace {

bool isDigitOrBlank(char d)
{
    return (d >= 0 && d <= 9) || d == plc::kBlankDigit;
}

// One display reply: {0, code, digit, digit, digit}, the code one the key exchange decodes or the
// blank instruction field.
void checkDisplay(const QByteArray& reply)
{
    FUZZ_CHECK(reply.at(0) == 0);
    const int code = quint8(reply.at(1));
    FUZZ_CHECK(code == 255 || !plc::dispToIns(code).isEmpty());
    for (int i = 2; i < plc::kReplySize; ++i)
        FUZZ_CHECK(isDigitOrBlank(reply.at(i)));
}

bool isEcho(const plc::SimController& sim, const QByteArray& reply)
{
    if (reply.size() != 4)
        return false;
    const int step = quint8(reply.at(2)) << 8 | quint8(reply.at(3));
    return step < sim.stepCount() && sim.word(step) == reply.left(2);
}

bool isEnd(const QByteArray& word)
{
    // Decoding a word is costly and a dump holds up to 2000 of them: each value is decoded once.
    static std::array<std::int8_t, 65536> known{};
    std::int8_t& end = known[std::size_t(quint8(word.at(0)) << 8 | quint8(word.at(1)))];
    if (end == 0) {
        const bool isEnd = plc::decodeWord(quint8(word.at(0)), quint8(word.at(1))).ins == u"END";
        end = isEnd ? 1 : -1;
    }
    return end == 1;
}

// The memory from step 0 up to and including the first END word, or up to the limit asked for.
bool isDump(const plc::SimController& sim, const QByteArray& reply)
{
    const int words = int(reply.size() / 2);
    if (reply.size() % 2 != 0 || words > sim.stepCount())
        return false;
    for (int s = 0; s < words; ++s) {
        const QByteArray word = reply.mid(2 * s, 2);
        if (word != sim.word(s) || (s + 1 < words && isEnd(word)))
            return false;
    }
    return isEnd(reply.right(2)) || words == 1000 || words == sim.stepCount();
}

} // namespace

// Bytes from the line as the simulated controller takes them: every answer is a display reply,
// a high-speed echo of a stored word with its step number, or a program dump. The first byte
// gives the memory: 0 and 1 the two models' 1000 and 2000 steps, any other a small one, whose
// end the keys and the high-speed write reach quickly.
int simController(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    plc::SimController sim(data[0] == 0 ? 1000 : data[0] == 1 ? 2000 : 1 + data[0] % 64);
    sim.setDevice(50, true, 1234);
    sim.setDevice(60, false, INT_MIN);
    sim.setDevice(700, true, -5);
    sim.setDevice(100, true);
    // A dump passes over the whole memory; after as many words as the largest memory holds, more
    // dumps tell nothing new and would only slow the run.
    qsizetype dumped = 0;
    for (std::size_t i = 1; i < size && dumped < 2000; ++i) {
        const QByteArray reply = sim.receive(data[i]);
        FUZZ_CHECK(sim.address() >= 0 && sim.address() < std::min(sim.stepCount(), 1000));
        if (reply.size() == plc::kReplySize) {
            checkDisplay(reply);
        } else if (!reply.isEmpty() && !isEcho(sim, reply)) {
            FUZZ_CHECK(isDump(sim, reply));
            dumped += reply.size() / 2;
        }
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::simController)
