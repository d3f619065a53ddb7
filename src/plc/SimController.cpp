#include "SimController.h"

#include "KeyCodes.h"
#include "StepCoding.h"

#include "core/InstructionSet.h"

#include <algorithm>
#include <cstdlib>

namespace ladrix::plc {
namespace {

constexpr int kBlankCode = 255;
constexpr int kKeyedSteps = 1000;
constexpr std::uint16_t kNopWord = 0x2000;
constexpr int kCodeK = 0;
constexpr int kCodePointK = 4;

// Display code of each operation code (low nibble of a step word's second byte).
constexpr int kOpDisplay[16] = {7, 14, 28, 56, 5, 10, 20, 40, 3, 6, 12, 24, 1, 2, 4, 0};

struct InsKeyCode {
    std::uint8_t key;
    int display;
};

constexpr InsKeyCode kInsKeys[] = {
    {key::Ld, 12},   {key::Ldi7, 40}, {key::And, 24},    {key::Ani8, 3}, {key::Or, 1},
    {key::Ori9, 6},  {key::Anb5, 10}, {key::Orb6, 20},   {key::Out4, 5}, {key::Pls3, 56},
    {key::Rst1, 14}, {key::Sft2, 28}, {key::KSearch, 0}, {key::Nop0, 7}, {key::EndPoint, 2},
};

int displayOfInsKey(std::uint8_t k)
{
    for (const InsKeyCode& c : kInsKeys) {
        if (c.key == k)
            return c.display;
    }
    return -1;
}

int opOfDisplay(int code)
{
    for (int op = 0; op < 16; ++op) {
        if (kOpDisplay[op] == code)
            return op;
    }
    return 0;
}

bool isKeyCode(std::uint8_t byte)
{
    const auto& keys = panelKeys();
    return std::any_of(keys.begin(), keys.end(),
                       [byte](const PanelKey& k) { return k.code == byte; });
}

QByteArray reply(int code, int d1, int d2, int d3)
{
    // A word that holds no digit in a place (line noise stored by a high-speed write) shows a
    // blank there: the display has no other signs.
    auto digit = [](int d) { return static_cast<char>(d >= 0 && d <= 9 ? d : kBlankDigit); };
    QByteArray r(kReplySize, '\0');
    r[1] = static_cast<char>(code);
    r[2] = digit(d1);
    r[3] = digit(d2);
    r[4] = digit(d3);
    return r;
}

QByteArray blankReply()
{
    return reply(kBlankCode, kBlankDigit, kBlankDigit, kBlankDigit);
}

QByteArray wordBytes(std::uint16_t w)
{
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(w >> 8);
    bytes[1] = static_cast<char>(w & 0xFF);
    return bytes;
}

QByteArray numberReply(int code, int value)
{
    // The remainder first: std::abs of the lowest int is undefined.
    value = std::abs(value % 1000);
    return reply(code, value / 100, value / 10 % 10, value % 10);
}

} // namespace

SimController::SimController(int stepCount)
    : m_ram(std::max(1, stepCount), kNopWord), m_eeprom(m_ram.size(), kNopWord)
{
}

QByteArray SimController::receive(const QByteArray& bytes)
{
    QByteArray out;
    for (char b : bytes)
        out += receive(static_cast<std::uint8_t>(b));
    return out;
}

QByteArray SimController::receive(std::uint8_t byte)
{
    if (m_hs != HighSpeed::Off) {
        bool handled = false;
        QByteArray r = highSpeed(byte, handled);
        if (handled)
            return r;
    }
    switch (byte) {
    case cmd::LeadIn:
        m_hs = HighSpeed::LeadIn;
        return {};
    case cmd::ProgramMode:
    case cmd::MonitorMode:
        m_mode =
            byte == cmd::MonitorMode && (!m_runGate || m_runGate()) ? Mode::Monitor : Mode::Program;
        resetEntry();
        m_monitored = -1;
        return blankReply();
    case cmd::Hello:
        return blankReply();
    default:
        break;
    }
    if (!isKeyCode(byte))
        return {};
    return m_mode == Mode::Program ? programKey(byte) : monitorKey(byte);
}

QByteArray SimController::highSpeed(std::uint8_t byte, bool& handled)
{
    handled = true;
    if (m_hs == HighSpeed::LeadIn) {
        switch (byte) {
        case cmd::ReadModel0:
            return dumpProgram(kKeyedSteps);
        case cmd::ReadModel1:
            return dumpProgram(stepCount());
        case cmd::WriteModel0:
        case cmd::WriteModel1:
            m_mode = Mode::Program;
            m_monitored = -1;
            m_hs = HighSpeed::Writing;
            m_hsStep = 0;
            m_hsFirst = -1;
            return {};
        case cmd::Hello:
            m_hs = HighSpeed::Off;
            return {};
        case cmd::LeadIn:
            return {};
        default:
            m_hs = HighSpeed::Off;
            handled = false;
            return {};
        }
    }
    if (m_hsFirst < 0) {
        if (byte == cmd::Hello)
            m_hs = HighSpeed::Off;
        else if (byte == cmd::LeadIn)
            m_hs = HighSpeed::LeadIn;
        else
            m_hsFirst = byte;
        return {};
    }
    const Word w = static_cast<Word>(m_hsFirst << 8 | byte);
    m_hsFirst = -1;
    // A word past the end of memory cannot be stored: unanswered, so the writer notices.
    if (m_hsStep >= stepCount())
        return {};
    m_ram[m_hsStep] = w;
    const QByteArray answer = wordBytes(w) + wordBytes(static_cast<Word>(m_hsStep));
    ++m_hsStep;
    return answer;
}

QByteArray SimController::dumpProgram(int steps) const
{
    QByteArray out;
    for (Word w : m_ram) {
        if (out.size() >= 2 * steps)
            break;
        out += wordBytes(w);
        if (decodeWord(static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w & 0xFF))
                .ins == u"END")
            break;
    }
    return out;
}

QByteArray SimController::programKey(std::uint8_t k)
{
    const int keyed = std::min(stepCount(), kKeyedSteps);
    switch (k) {
    case key::Clear:
        resetEntry();
        m_rangeFrom = -1;
        return blankReply();
    case key::Step:
        if (m_entry == Entry::Address && !m_digits.isEmpty())
            m_rangeFrom = typedNumber();
        else
            m_rangeFrom = -1;
        m_entry = Entry::Address;
        m_digits.clear();
        m_copyWrites = 0;
        return showTyped(kBlankCode);
    case key::Instr:
        if (m_entry == Entry::Address && !m_digits.isEmpty())
            m_address = typedNumber() % keyed;
        resetEntry();
        m_rangeFrom = -1;
        return showStep();
    case key::Plus:
    case key::Minus:
        resetEntry();
        m_address = (m_address + (k == key::Plus ? 1 : keyed - 1)) % keyed;
        return showStep();
    case key::Del:
        if (m_entry == Entry::Address && !m_digits.isEmpty()) {
            const int to = typedNumber();
            if (m_rangeFrom >= 0) {
                for (int s = m_rangeFrom; s <= to && s < stepCount(); ++s)
                    m_ram[s] = kNopWord;
                m_address = std::min(m_rangeFrom, keyed - 1);
            } else {
                m_address = to % keyed;
                deleteStep(m_address);
            }
        } else {
            deleteStep(m_address);
        }
        resetEntry();
        m_rangeFrom = -1;
        return showStep();
    case key::Ins: {
        const Word w = m_entry == Entry::Instruction ? keyedWord() : kNopWord;
        std::copy_backward(m_ram.begin() + m_address, m_ram.end() - 1, m_ram.end());
        m_ram[m_address] = w;
        resetEntry();
        return showStep();
    }
    case key::WriteMonitor:
        if (m_entry == Entry::Instruction)
            return store();
        if (m_entry == Entry::Address) {
            const int n = typedNumber();
            if ((n == 908 || n == 809) && ++m_copyWrites == 3) {
                if (n == 908)
                    m_ram = m_eeprom;
                else
                    m_eeprom = m_ram;
                m_copyWrites = 0;
            }
            return showTyped(kBlankCode);
        }
        return showStep();
    default:
        break;
    }
    if (m_entry == Entry::Address)
        return addressKey(k);
    if (m_entry == Entry::Instruction)
        return instructionKey(k);
    return startInstruction(k);
}

QByteArray SimController::addressKey(std::uint8_t k)
{
    const int d = digitOfKey(k);
    if (d >= 0)
        m_digits += QChar(u'0' + d);
    return showTyped(kBlankCode);
}

QByteArray SimController::instructionKey(std::uint8_t k)
{
    const int d = digitOfKey(k);
    if (d >= 0) {
        m_digits += QChar(u'0' + d);
        return showTyped(m_insCode);
    }
    if (k == key::EndPoint && (m_insCode == kCodeK || m_insCode == kCodePointK)) {
        m_point = true;
        m_insCode = kCodePointK;
        return showTyped(m_insCode);
    }
    return startInstruction(k);
}

QByteArray SimController::startInstruction(std::uint8_t k)
{
    const int code = displayOfInsKey(k);
    if (code < 0)
        return showStep();
    resetEntry();
    m_entry = Entry::Instruction;
    m_insCode = code;
    return showTyped(m_insCode);
}

QByteArray SimController::store()
{
    m_ram[m_address] = keyedWord();
    resetEntry();
    m_address = (m_address + 1) % std::min(stepCount(), kKeyedSteps);
    return showStep();
}

SimController::Word SimController::keyedWord() const
{
    const int n = typedNumber();
    const int d1 = n / 100;
    const int d2 = n / 10 % 10;
    const int d3 = n % 10;
    const int op = opOfDisplay(m_insCode);
    if (m_insCode == kCodeK || m_insCode == kCodePointK)
        return static_cast<Word>((16 * d2 + d3) << 8 | (16 * d1 + op));
    return static_cast<Word>((16 * (d1 + 2) + d2) << 8 | (16 * d3 + op));
}

int SimController::typedNumber() const
{
    return m_digits.right(3).toInt();
}

QByteArray SimController::showTyped(int code) const
{
    const QString last = m_digits.right(3);
    int digits[3] = {kBlankDigit, kBlankDigit, kBlankDigit};
    for (int i = 0; i < last.size(); ++i)
        digits[3 - last.size() + i] = last.at(i).unicode() - u'0';
    return reply(code, digits[0], digits[1], digits[2]);
}

QByteArray SimController::showStep()
{
    const Word w = m_ram[m_address];
    const int b0 = w >> 8;
    const int b1 = w & 0xFF;
    const int op = b1 & 0xF;
    if (op >= 0xE)
        return reply(kOpDisplay[op], b1 >> 4, b0 >> 4, b0 & 0xF);
    return reply(kOpDisplay[op], (b0 >> 4) - 2, b0 & 0xF, b1 >> 4);
}

void SimController::deleteStep(int at)
{
    std::copy(m_ram.begin() + at + 1, m_ram.end(), m_ram.begin() + at);
    m_ram.back() = kNopWord;
}

void SimController::resetEntry()
{
    m_entry = Entry::Idle;
    m_insCode = -1;
    m_point = false;
    m_digits.clear();
}

QByteArray SimController::monitorKey(std::uint8_t k)
{
    const int d = digitOfKey(k);
    if (d >= 0) {
        m_digits += QChar(u'0' + d);
        return showTyped(kBlankCode);
    }
    switch (k) {
    case key::Clear:
        resetEntry();
        m_monitored = -1;
        return blankReply();
    case key::EndPoint:
        if (!m_digits.isEmpty())
            return showTyped(kBlankCode);
        return deviceDisplay(false);
    case key::KSearch:
        return deviceDisplay(true);
    case key::WriteMonitor:
        if (!m_digits.isEmpty()) {
            m_monitored = typedNumber();
            m_digits.clear();
        }
        return deviceDisplay(false);
    default:
        return deviceDisplay(false);
    }
}

QByteArray SimController::deviceDisplay(bool valueOnly) const
{
    if (m_monitored < 0)
        return blankReply();
    MonitoredDevice device;
    if (m_source) {
        device = m_source(m_monitored);
    } else if (const auto it = m_devices.find(m_monitored); it != m_devices.end()) {
        device = {it->second.first, it->second.second};
    }
    const bool on = device.on;
    const int value = device.value;
    const QChar letter = deviceLetterOf(m_monitored);
    const bool hasValue = letter == u'T' || letter == u'C' || letter == u'D';
    if (on && !valueOnly)
        return numberReply(kDeviceOnCode, hasValue ? value : m_monitored);
    if (hasValue)
        return numberReply(kCodeK, value);
    return numberReply(kBlankCode, m_monitored);
}

QByteArray SimController::word(int step) const
{
    return step >= 0 && step < stepCount() ? wordBytes(m_ram[step]) : QByteArray();
}

QByteArray SimController::eepromWord(int step) const
{
    return step >= 0 && step < stepCount() ? wordBytes(m_eeprom[step]) : QByteArray();
}

void SimController::setWord(int step, const QByteArray& word)
{
    if (step < 0 || step >= stepCount() || word.size() != 2)
        return;
    m_ram[step] = static_cast<Word>(static_cast<std::uint8_t>(word.at(0)) << 8 |
                                    static_cast<std::uint8_t>(word.at(1)));
}

void SimController::setDevice(int number, bool on, int value)
{
    m_devices[number] = {on, value};
}

QByteArray FaultyReplies::shape(QByteArray reply)
{
    if (reply.isEmpty())
        return reply;
    ++m_count;
    auto hits = [this](int every) { return every > 0 && m_count % every == 0; };
    if (m_faults.silent || hits(m_faults.dropEvery))
        return {};
    if (hits(m_faults.truncateEvery))
        reply.truncate(3);
    if (hits(m_faults.garbleEvery) && reply.size() > 2)
        reply[2] = static_cast<char>((static_cast<std::uint8_t>(reply.at(2)) + 1) % 10);
    return reply + m_faults.extra;
}

} // namespace ladrix::plc
