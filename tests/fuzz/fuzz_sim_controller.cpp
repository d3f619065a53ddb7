#include "FuzzSupport.h"
#include "Harnesses.h"

#include "plc/Display.h"
#include "plc/SimController.h"
#include "plc/StepCoding.h"

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
    return plc::decodeWord(quint8(word.at(0)), quint8(word.at(1))).ins == QStringLiteral("END");
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
// a high-speed echo of a stored word with its step number, or a program dump.
int simController(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    plc::SimController sim(data[0] % 2 == 0 ? 1000 : 2000);
    sim.setDevice(50, true, 1234);
    sim.setDevice(60, false, INT_MIN);
    sim.setDevice(700, true, -5);
    sim.setDevice(100, true);
    for (std::size_t i = 1; i < size; ++i) {
        const QByteArray reply = sim.receive(data[i]);
        FUZZ_CHECK(sim.address() >= 0 && sim.address() < std::min(sim.stepCount(), 1000));
        if (reply.size() == plc::kReplySize)
            checkDisplay(reply);
        else if (!reply.isEmpty())
            FUZZ_CHECK(isEcho(sim, reply) || isDump(sim, reply));
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::simController)
