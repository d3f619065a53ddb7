#include "ProgramCheck.h"

#include "CrossReference.h"
#include "InstructionSet.h"
#include "LineParser.h"
#include "ProgramEvaluator.h"
#include "RuntimeError.h"
#include "TextHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <vector>

namespace ladrix {

namespace {

// The check's texts, translated where a message is made; %1 is the step's instruction ("LD X1")
// unless said otherwise.
const char* const kNoEnd = QT_TRANSLATE_NOOP("ProgramCheck", "程序没有END指令");
// %1 the number of steps.
const char* const kAfterEnd = QT_TRANSLATE_NOOP("ProgramCheck", "END之后还有%1个非空步");
const char* const kNotJoined = QT_TRANSLATE_NOOP("ProgramCheck", "%1开始的块没有用ANB或ORB连接");
const char* const kNothingToJoin = QT_TRANSLATE_NOOP("ProgramCheck", "%1之前没有两个可以连接的块");
const char* const kNoBlock = QT_TRANSLATE_NOOP("ProgramCheck", "%1之前没有LD或LDI");
// %1 the number of blocks the controller holds.
const char* const kTooManyBlocks = QT_TRANSLATE_NOOP("ProgramCheck", "同时打开的块超过%1个");
const char* const kNoOutput = QT_TRANSLATE_NOOP("ProgramCheck", "%1开始的触点没有驱动输出");
const char* const kNoConstant = QT_TRANSLATE_NOOP("ProgramCheck", "%1之后没有K步");
const char* const kEmptyConstant = QT_TRANSLATE_NOOP("ProgramCheck", "%1的K步没有设定值");
const char* const kStrayConstant =
    QT_TRANSLATE_NOOP("ProgramCheck", "%1之前没有定时器或计数器的OUT");
// %1 the device, %2 the step that drove it first.
const char* const kDoubleCoil = QT_TRANSLATE_NOOP("ProgramCheck", "双线圈：%1已在步%2输出");
const char* const kNoMcr = QT_TRANSLATE_NOOP("ProgramCheck", "%1没有对应的MCR");
const char* const kNoMc = QT_TRANSLATE_NOOP("ProgramCheck", "%1之前没有对应的MC");
const char* const kNoEjp = QT_TRANSLATE_NOOP("ProgramCheck", "%1之后没有对应的EJP");
const char* const kTwoEjp = QT_TRANSLATE_NOOP("ProgramCheck", "%1重复，跳转目标不明确");
const char* const kNoRet = QT_TRANSLATE_NOOP("ProgramCheck", "%1开始的步进梯形图没有RET");
const char* const kNoStl = QT_TRANSLATE_NOOP("ProgramCheck", "%1之前没有STL");

QString translated(const char* text)
{
    return QCoreApplication::translate("ProgramCheck", text);
}

QString mnemonicOf(const Step& step)
{
    return step.ins.trimmed().toUpper();
}

// "LD X1", as the message names a step.
QString instructionOf(const Step& step)
{
    const QString data = step.data.trimmed().toUpper();
    return data.isEmpty() ? mnemonicOf(step) : mnemonicOf(step) + u' ' + data;
}

// Marks and labels pair by their operand; a device operand by its device (M120 and M0120).
QString pairKey(const Step& step)
{
    const std::optional<Device> device = deviceOf(step);
    return device ? device->name() : step.data.trimmed().toUpper();
}

bool isTimerOrCounter(const std::optional<Device>& device)
{
    return device && (device->letter == u'T' || device->letter == u'C');
}

// The structure of one program, checked in a single pass over its steps.
class StructureCheck {
public:
    StructureCheck(const ProgramStore& store, int last, QList<CheckMessage>& out)
        : m_store(store), m_out(out)
    {
        m_mnemonics.reserve(std::size_t(last + 1));
        for (int i = 0; i <= last; ++i) {
            const QString ins = mnemonicOf(store.step(i));
            m_mnemonics.push_back(isMnemonic(ins) ? ins : QString());
            // Where each label's last EJP stands, for the CJPs before it.
            if (ins == u"EJP")
                m_lastEjp[pairKey(store.step(i))] = i;
        }
    }

    void run()
    {
        for (int i = 0; i < int(m_mnemonics.size()); ++i) {
            if (!m_mnemonics[std::size_t(i)].isEmpty())
                visit(i, m_store.step(i), m_mnemonics[std::size_t(i)]);
        }
        endRung();
        for (auto it = m_openMc.cbegin(); it != m_openMc.cend(); ++it)
            report(it.value(), CheckKind::Pairing, kNoMcr);
        if (m_chainStart >= 0)
            report(m_chainStart, CheckKind::Pairing, kNoRet);
    }

private:
    struct Coil {
        int step;
        int state; // the STL state the output belongs to; -1 outside step ladders
    };

    void report(int step, CheckKind kind, const char* text)
    {
        m_out.append({step, kind, translated(text).arg(instructionOf(m_store.step(step)))});
    }

    void visit(int i, const Step& step, const QString& ins)
    {
        if (ins == u"LD" || ins == u"LDI")
            openBlock(i);
        else if (ins == u"AND" || ins == u"ANI" || ins == u"OR" || ins == u"ORI")
            addContact(i);
        else if (ins == u"ANB" || ins == u"ORB")
            joinBlocks(i);
        else if (ins == u"STL" || ins == u"RET")
            stepLadder(i, ins);
        else if (ins == u"K")
            constant(i);
        else if (isOutputMnemonic(ins))
            output(i, step, ins);
    }

    void openBlock(int i)
    {
        // An LD after an output starts the next rung.
        if (m_afterOutput) {
            m_blocks.clear();
            m_afterOutput = false;
        }
        if (int(m_blocks.size()) == ProgramEvaluator::kMaxBlocks)
            m_out.append({i, CheckKind::Block,
                          translated(kTooManyBlocks).arg(ProgramEvaluator::kMaxBlocks)});
        m_blocks.push_back(i);
    }

    void addContact(int i)
    {
        // Contacts after an output go on with the condition the output took.
        if (m_blocks.empty()) {
            report(i, CheckKind::Block, kNoBlock);
            m_blocks.push_back(i);
            m_afterOutput = false;
        }
    }

    void joinBlocks(int i)
    {
        if (m_blocks.size() < 2)
            report(i, CheckKind::Block, kNothingToJoin);
        else
            m_blocks.pop_back();
    }

    // A condition that ends without an output: at STL, RET, END and the program's end.
    void endRung()
    {
        if (!m_afterOutput && !m_blocks.empty())
            report(m_blocks.front(), CheckKind::Block, kNoOutput);
        m_blocks.clear();
        m_afterOutput = false;
    }

    // STL starts a state of a step ladder, on a bus of its own; RET ends the step ladder.
    void stepLadder(int i, const QString& ins)
    {
        endRung();
        if (ins == u"STL") {
            if (m_chainStart < 0)
                m_chainStart = i;
            m_state = i;
            return;
        }
        if (m_chainStart < 0)
            report(i, CheckKind::Pairing, kNoStl);
        m_chainStart = -1;
        m_state = -1;
    }

    void constant(int i)
    {
        if (i != m_constantStep)
            report(i, CheckKind::Constant, kStrayConstant);
    }

    void output(int i, const Step& step, const QString& ins)
    {
        for (std::size_t k = 1; k < m_blocks.size(); ++k)
            report(m_blocks[k], CheckKind::Block, kNotJoined);
        if (m_blocks.size() > 1)
            m_blocks.resize(1);
        m_afterOutput = true;

        const std::optional<Device> device = deviceOf(step);
        if (ins == u"OUT" && isTimerOrCounter(device))
            timerConstant(i);
        if ((ins == u"OUT" || ins == u"PLS") && device)
            coil(i, *device);
        if (ins == u"MC" || ins == u"MCR")
            masterControl(i, step, ins);
        else if (ins == u"CJP" || ins == u"EJP")
            jump(i, step, ins);
    }

    void timerConstant(int i)
    {
        const int next = i + 1;
        if (next >= int(m_mnemonics.size()) || m_mnemonics[std::size_t(next)] != u"K") {
            report(i, CheckKind::Constant, kNoConstant);
            return;
        }
        m_constantStep = next;
        if (m_store.step(next).data.trimmed().isEmpty())
            report(i, CheckKind::Constant, kEmptyConstant);
    }

    // Outputs in different states of a step ladder are active one at a time, so only outputs
    // of the same state, or outside step ladders, drive their device twice.
    void coil(int i, const Device& device)
    {
        std::vector<Coil>& coils = m_coils[device.order()];
        for (const Coil& c : coils) {
            if (c.state < 0 || m_state < 0 || c.state == m_state) {
                m_out.append({i, CheckKind::DoubleCoil,
                              translated(kDoubleCoil)
                                  .arg(device.name(), padZeroCopy(QString::number(c.step), 4))});
                break;
            }
        }
        coils.push_back({i, m_state});
    }

    void masterControl(int i, const Step& step, const QString& ins)
    {
        const QString key = pairKey(step);
        if (ins == u"MC") {
            // The same mark opened again before its MCR leaves the first one open for good.
            if (const auto open = m_openMc.constFind(key); open != m_openMc.cend())
                report(open.value(), CheckKind::Pairing, kNoMcr);
            m_openMc[key] = i;
        } else if (!m_openMc.remove(key)) {
            report(i, CheckKind::Pairing, kNoMc);
        }
    }

    // A jump goes forward to its label; two labels of one name leave the target unclear.
    void jump(int i, const Step& step, const QString& ins)
    {
        const QString key = pairKey(step);
        if (ins == u"CJP") {
            if (m_lastEjp.value(key, -1) < i)
                report(i, CheckKind::Pairing, kNoEjp);
        } else if (m_seenEjp.contains(key)) {
            report(i, CheckKind::Pairing, kTwoEjp);
        } else {
            m_seenEjp.insert(key, i);
        }
    }

    const ProgramStore& m_store;
    QList<CheckMessage>& m_out;
    // The known mnemonics of the program's steps; empty for the others.
    std::vector<QString> m_mnemonics;
    std::vector<int> m_blocks; // the first step of each open block
    bool m_afterOutput = false;
    int m_constantStep = -1;
    int m_chainStart = -1;
    int m_state = -1;
    QHash<int, std::vector<Coil>> m_coils;
    QHash<QString, int> m_openMc;
    QHash<QString, int> m_lastEjp;
    QHash<QString, int> m_seenEjp;
};

void checkEnd(const ProgramStore& store, int last, QList<CheckMessage>& out)
{
    if (last < 0 || mnemonicOf(store.step(last)) != u"END") {
        // Where the END belongs: after the last step, as far as the model reaches.
        const int step = std::min(last + 1, std::max(last, store.maxStep()));
        out.append({step, CheckKind::End, translated(kNoEnd)});
        return;
    }
    int first = -1;
    int count = 0;
    for (int i = last + 1; i <= ProgramStore::kLastIndex; ++i) {
        if (!stepHasContent(store.step(i)))
            continue;
        if (first < 0)
            first = i;
        ++count;
    }
    if (count > 0)
        out.append({first, CheckKind::End, translated(kAfterEnd).arg(count)});
}

} // namespace

bool stepHasContent(const Step& step)
{
    return !step.ins.trimmed().isEmpty() || !step.data.trimmed().isEmpty();
}

int programLastStep(const ProgramStore& store)
{
    int last = -1;
    for (int i = 0; i <= ProgramStore::kLastIndex; ++i) {
        const Step& step = store.step(i);
        if (step.ins.trimmed() == u"END")
            return i;
        if (stepHasContent(step))
            last = i;
    }
    return last;
}

QString lineFault(const Step& step)
{
    Step scratch = step;
    const QString ins = step.ins.trimmed();
    if (const std::optional<LineError> error =
            commitLine(ins + u' ' + step.data.trimmed(), scratch))
        return error->text;
    if (ins.isEmpty() || scratch.ins != ins.toUpper()) {
        QString stored = ins;
        return checkIns(stored, QString());
    }
    // A comma or an apostrophe inside the stored operand ends it early in the line: what
    // follows is checked as text after its device number.
    const QString data = step.data.trimmed();
    if (scratch.data != data.toUpper()) {
        QString stored = ins;
        try {
            return checkIns(stored, data.toLower());
        } catch (const RuntimeError& e) {
            return e.description();
        }
    }
    return QString();
}

QList<CheckMessage> checkProgram(const ProgramStore& store)
{
    QList<CheckMessage> messages;
    const int last = programLastStep(store);
    // Programs repeat their lines (LD X0, ANB, K 10) many times; each is checked once.
    QHash<QString, QString> faults;
    for (int i = 0; i <= last; ++i) {
        const Step& step = store.step(i);
        if (!stepHasContent(step))
            continue;
        const QString line = step.ins + u'\n' + step.data;
        auto fault = faults.constFind(line);
        if (fault == faults.cend())
            fault = faults.insert(line, lineFault(step));
        if (!fault->isEmpty())
            messages.append({i, CheckKind::Line, *fault});
    }
    StructureCheck(store, last, messages).run();
    checkEnd(store, last, messages);
    std::stable_sort(messages.begin(), messages.end(),
                     [](const CheckMessage& a, const CheckMessage& b) { return a.step < b.step; });
    return messages;
}

QString checkLine(const CheckMessage& message)
{
    return padZeroCopy(QString::number(message.step), 4) + QStringLiteral(": ") + message.text;
}

} // namespace ladrix
