#include "ScanEngine.h"

#include "SimTexts.h"

#include "core/CrossReference.h"
#include "core/InstructionSet.h"
#include "core/NumberReading.h"
#include "core/ProgramCheck.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace ladrix::plc {
namespace {

using Op = ScanEngine::Op;

constexpr std::int32_t kLongestTimerMs = 1000000000;

std::vector<int> numbersOf(QChar letter)
{
    std::vector<int> numbers;
    for (const NumberRange& r : deviceRanges(letter)) {
        for (int n = r.first; n <= r.last; ++n) {
            if (isValidDeviceNumber(letter, n))
                numbers.push_back(n);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

Op opOf(const QString& ins)
{
    static const QHash<QString, Op> ops{
        {"LD", Op::Ld},   {"LDI", Op::Ldi}, {"AND", Op::And}, {"ANI", Op::Ani}, {"OR", Op::Or},
        {"ORI", Op::Ori}, {"ANB", Op::Anb}, {"ORB", Op::Orb}, {"STL", Op::Stl}, {"RET", Op::Ret},
        {"OUT", Op::Out}, {"S", Op::Set},   {"R", Op::Reset}, {"PLS", Op::Pls}, {"RST", Op::Rst},
        {"SFT", Op::Sft}, {"MC", Op::Mc},   {"MCR", Op::Mcr}, {"CJP", Op::Cjp}, {"EJP", Op::Ejp},
        {"NOP", Op::Nop}, {"END", Op::End}, {"K", Op::Skip},  {"", Op::Skip},
    };
    return ops.value(ins, Op::Nop);
}

bool needsDevice(Op op)
{
    return op != Op::Skip && op != Op::Anb && op != Op::Orb && op != Op::Nop && op != Op::End &&
           op != Op::Ret;
}

// The relays a SFT of `first` moves: from it to the last relay of its group of sixteen.
std::vector<std::uint16_t> chainOf(int first)
{
    std::vector<std::uint16_t> chain;
    const int groupEnd = first - first % 20 + 17;
    for (int n = first; n <= groupEnd; ++n) {
        if (isValidDeviceNumber(u'M', n))
            chain.push_back(static_cast<std::uint16_t>(n));
    }
    return chain;
}

QString blockFaultText(BlockStack::Fault fault)
{
    switch (fault) {
    case BlockStack::Fault::TooManyBlocks:
        return simtext::tooManyBlocks();
    case BlockStack::Fault::NoBlock:
        return simtext::contactWithoutBlock();
    default:
        return simtext::nothingToJoin();
    }
}

QString stepText(int step, const QString& text)
{
    return checkLine(CheckMessage{step, CheckKind::Line, text});
}

} // namespace

ScanEngine::ScanEngine()
{
    m_timerScan.fill(-1);
}

std::span<const int> ScanEngine::inputNumbers()
{
    static const std::vector<int> numbers = numbersOf(u'X');
    return numbers;
}

std::span<const int> ScanEngine::outputNumbers()
{
    static const std::vector<int> numbers = numbersOf(u'Y');
    return numbers;
}

bool ScanEngine::fail(int step, const QString& text)
{
    m_fault = stepText(step, text);
    m_code.clear();
    return false;
}

bool ScanEngine::load(const std::vector<Step>& steps)
{
    m_code.clear();
    m_chains.clear();
    m_used.clear();
    m_fault.clear();
    m_timerUnit.fill(0);
    // The program is steps 0 to the first END, as the check and the transfers see it.
    ProgramStore store;
    store.plcType = 1;
    const int count = std::min(int(steps.size()), ProgramStore::kSize);
    int last = count - 1;
    for (int i = 0; i < count; ++i) {
        store.step(i) = Step{steps[std::size_t(i)].ins, steps[std::size_t(i)].data, {}};
        if (steps[std::size_t(i)].ins.trimmed() == u"END") {
            last = i;
            break;
        }
    }
    for (const CheckMessage& m : checkProgram(store)) {
        if (m.kind != CheckKind::DoubleCoil) {
            m_fault = checkLine(m);
            return false;
        }
    }
    return compile(steps, last);
}

bool ScanEngine::compile(const std::vector<Step>& steps, int last)
{
    std::vector<Code> code(std::size_t(last + 1));
    QHash<int, int> ejpOf; // label -> its EJP step
    int slotCount = 0;
    std::vector<int> timers;
    for (int i = last; i >= 0; --i) {
        const Step& s = steps[std::size_t(i)];
        if (s.ins.trimmed().toUpper() == u"EJP") {
            if (const std::optional<Device> d = deviceOf(s))
                ejpOf.insert(d->number, i);
        }
    }
    for (int i = 0; i <= last; ++i) {
        const Step& s = steps[std::size_t(i)];
        const QString ins = s.ins.trimmed().toUpper();
        Code& c = code[std::size_t(i)];
        c.op = opOf(ins);
        if (!isMnemonic(ins) && !ins.isEmpty())
            return fail(i, simtext::unknownInstruction());
        if (!needsDevice(c.op))
            continue;
        const std::optional<Device> device = deviceOf(s);
        if (!device || device->number < 0 || device->number >= kDeviceCount)
            return fail(i, simtext::noDevice());
        c.dev = static_cast<std::uint16_t>(device->number);
        c.toState = device->letter == u'S';
        const QString constant =
            i < last && steps[std::size_t(i + 1)].ins.trimmed().toUpper() == u"K"
                ? steps[std::size_t(i + 1)].data.trimmed()
                : QString();
        switch (c.op) {
        case Op::Out:
            if (device->letter == u'T' || device->letter == u'C') {
                const double k = std::max(0.0, readNumber(constant));
                if (device->letter == u'T') {
                    c.op = Op::OutTimer;
                    c.arg = static_cast<std::int32_t>(
                        std::min<double>(std::nearbyint(k * 1000), kLongestTimerMs));
                    m_timerUnit[c.dev] = constant.contains(u'.') ? 100 : 1000;
                } else {
                    c.op = Op::OutCounter;
                    c.arg = static_cast<std::int32_t>(std::min(std::floor(k), 32767.0));
                    c.slot = slotCount++;
                }
                if (std::find(timers.begin(), timers.end(), c.dev) == timers.end()) {
                    timers.push_back(c.dev);
                    m_used.push_back({c.dev, QString::number(readNumber(constant))});
                }
            }
            break;
        case Op::Pls:
        case Op::Stl:
            c.slot = slotCount++;
            break;
        case Op::Sft:
            c.slot = slotCount++;
            c.arg = int(m_chains.size());
            m_chains.push_back(chainOf(c.dev));
            break;
        case Op::Cjp:
            c.arg = ejpOf.value(c.dev, -1);
            if (c.arg <= i)
                return fail(i, simtext::noJumpTarget());
            break;
        default:
            break;
        }
    }
    std::sort(m_used.begin(), m_used.end(), [](const UsedDevice& a, const UsedDevice& b) {
        return Device{deviceLetterOf(a.number), a.number}.order() <
               Device{deviceLetterOf(b.number), b.number}.order();
    });
    m_memory.assign(std::size_t(slotCount), 0);
    m_code = std::move(code);
    m_mc.reserve(m_code.size());
    return true;
}

void ScanEngine::start()
{
    for (int n = 0; n < kDeviceCount; ++n) {
        const QChar letter = deviceLetterOf(n);
        if (letter == u'D')
            continue;
        m_on[std::size_t(n)] = letter == u'X' ? m_inputs[std::size_t(n)] : 0;
        m_values[std::size_t(n)] = 0;
    }
    m_timerScan.fill(-1);
    std::fill(m_memory.begin(), m_memory.end(), 0);
    m_scans = 0;
}

void ScanEngine::outputsOff()
{
    for (int n : outputNumbers())
        m_on[std::size_t(n)] = 0;
}

void ScanEngine::setInput(int number, bool on)
{
    if (number >= 0 && number < kDeviceCount && deviceLetterOf(number) == u'X')
        m_inputs[std::size_t(number)] = on;
}

bool ScanEngine::input(int number) const
{
    return number >= 0 && number < kDeviceCount && m_inputs[std::size_t(number)];
}

bool ScanEngine::setData(int number, int value)
{
    if (number < 0 || number >= kDeviceCount || deviceLetterOf(number) != u'D' || value < -32768 ||
        value > 32767)
        return false;
    m_values[std::size_t(number)] = value;
    return true;
}

bool ScanEngine::isOn(int number) const
{
    return number >= 0 && number < kDeviceCount && m_on[std::size_t(number)];
}

int ScanEngine::value(int number) const
{
    if (number < 0 || number >= kDeviceCount)
        return 0;
    const QChar letter = deviceLetterOf(number);
    const std::int32_t v = m_values[std::size_t(number)];
    if (letter == u'T')
        return m_timerUnit[std::size_t(number)] > 0 ? v / m_timerUnit[std::size_t(number)] : 0;
    return letter == u'C' || letter == u'D' ? v : 0;
}

void ScanEngine::specials()
{
    const qint64 t = timeMs();
    m_on[kAlwaysOn] = 1;
    m_on[kFirstScan] = m_scans == 0;
    m_on[kClock100ms] = t % 100 < 50;
    m_on[kClock1s] = t % 1000 < 500;
}

bool ScanEngine::stopAt(int step, BlockStack::Fault fault)
{
    m_fault = stepText(step, blockFaultText(fault));
    m_code.clear();
    return false;
}

void ScanEngine::output(const Code& c, bool power, State state, int currentState)
{
    std::uint8_t& on = m_on[c.dev];
    std::int32_t& value = m_values[c.dev];
    const bool transition = state == State::Active && c.toState;
    switch (c.op) {
    case Op::Out:
    case Op::Set:
        if (transition) {
            if (power && c.dev != currentState && currentState >= 0)
                m_on[std::size_t(currentState)] = 0;
            if (power)
                on = 1;
        } else if (c.op == Op::Out) {
            on = power;
        } else if (power) {
            on = 1;
        }
        break;
    case Op::Reset:
        if (power)
            on = 0;
        break;
    case Op::OutTimer: {
        qint64& counted = m_timerScan[c.dev];
        if (!power) {
            counted = -1;
            value = 0;
        } else if (counted < 0) {
            counted = m_scans;
            value = 0;
        } else if (counted != m_scans) {
            counted = m_scans;
            value = std::min(value + kCycleMs, c.arg);
        }
        on = power && value >= c.arg;
        break;
    }
    case Op::OutCounter: {
        std::uint8_t& before = m_memory[std::size_t(c.slot)];
        if (power && !before && value < c.arg)
            ++value;
        before = power;
        on = value >= c.arg;
        break;
    }
    case Op::Rst:
        if (power) {
            on = 0;
            value = 0;
            m_timerScan[c.dev] = -1;
        }
        break;
    case Op::Pls: {
        std::uint8_t& before = m_memory[std::size_t(c.slot)];
        on = power && !before;
        before = power;
        break;
    }
    case Op::Sft: {
        std::uint8_t& before = m_memory[std::size_t(c.slot)];
        if (power && !before) {
            const std::vector<std::uint16_t>& chain = m_chains[std::size_t(c.arg)];
            for (std::size_t k = chain.size() - 1; k > 0; --k)
                m_on[chain[k]] = m_on[chain[k - 1]];
        }
        before = power;
        break;
    }
    default:
        break;
    }
}

bool ScanEngine::scan()
{
    if (m_code.empty())
        return false;
    for (int n : inputNumbers())
        m_on[std::size_t(n)] = m_inputs[std::size_t(n)];
    specials();
    BlockStack blocks;
    bool mcOn = true;
    State state = State::None;
    int currentState = -1;
    m_mc.clear();
    const int size = int(m_code.size());
    for (int pc = 0; pc < size; ++pc) {
        const Code& c = m_code[std::size_t(pc)];
        BlockStack::Fault fault = BlockStack::Fault::None;
        switch (c.op) {
        case Op::Skip:
            continue;
        case Op::Ld:
        case Op::Ldi:
            fault = blocks.load(bool(m_on[c.dev]) != (c.op == Op::Ldi));
            break;
        case Op::And:
        case Op::Ani:
            fault = blocks.contact(bool(m_on[c.dev]) != (c.op == Op::Ani), true);
            break;
        case Op::Or:
        case Op::Ori:
            fault = blocks.contact(bool(m_on[c.dev]) != (c.op == Op::Ori), false);
            break;
        case Op::Anb:
        case Op::Orb:
            fault = blocks.join(c.op == Op::Anb);
            break;
        case Op::Stl: {
            const bool active = m_on[c.dev];
            std::uint8_t& wasActive = m_memory[std::size_t(c.slot)];
            state = active ? State::Active : wasActive ? State::Leaving : State::Idle;
            wasActive = active;
            currentState = c.dev;
            blocks.clear();
            fault = blocks.load(active);
            break;
        }
        case Op::Ret:
            state = State::None;
            currentState = -1;
            blocks.clear();
            break;
        case Op::End:
            pc = size;
            break;
        default: {
            // Outputs, marks and labels: they end the rung's condition.
            const bool power =
                blocks.power() && mcOn && (state == State::None || state == State::Active);
            blocks.outputDone();
            if (c.op == Op::Mc) {
                m_mc.push_back({c.dev, mcOn});
                mcOn = power;
                if (state != State::Idle)
                    m_on[c.dev] = power;
            } else if (c.op == Op::Mcr) {
                const auto open = std::find_if(m_mc.rbegin(), m_mc.rend(),
                                               [&](const OpenMc& m) { return m.mark == c.dev; });
                if (open != m_mc.rend()) {
                    mcOn = open->onBefore;
                    m_mc.erase(std::prev(open.base()), m_mc.end());
                }
            } else if (c.op == Op::Cjp) {
                if (power)
                    pc = c.arg - 1; // the loop goes on at the EJP
            } else if (state != State::Idle) {
                output(c, power, state, currentState);
            }
            break;
        }
        }
        if (fault != BlockStack::Fault::None)
            return stopAt(pc, fault);
    }
    ++m_scans;
    return true;
}

} // namespace ladrix::plc
