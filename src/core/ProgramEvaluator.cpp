#include "ProgramEvaluator.h"

#include <QStringList>
#include <algorithm>

namespace ladrix {

namespace {

QString mnemonicOf(const Step& s)
{
    return s.ins.trimmed().toUpper();
}

struct Machine {
    const ProgramEvaluator::DeviceState& state;
    const ProgramEvaluator::OutputDone& onOutput;
    BlockStack blocks;
    EvaluationResult result;

    bool check(int step, BlockStack::Fault fault)
    {
        if (fault == BlockStack::Fault::None)
            return true;
        result.ok = false;
        result.faultStep = step;
        switch (fault) {
        case BlockStack::Fault::TooManyBlocks:
            result.fault = QStringLiteral("too many open blocks");
            break;
        case BlockStack::Fault::NoBlock:
            result.fault = QStringLiteral("contact without a block");
            break;
        default:
            result.fault = QStringLiteral("ANB or ORB without two blocks");
            break;
        }
        return false;
    }

    // Executes step i; `next` is the following step when there is one (for the K constant).
    // Returns false on a fault.
    bool execute(int i, const Step& s, const Step* next)
    {
        const QString ins = mnemonicOf(s);
        const QString dev = s.data.trimmed();
        if (ins == "LD" || ins == "LDI" || ins == "STL")
            return check(i, blocks.load((ins == "LDI") != state(dev)));
        if (ins == "AND" || ins == "ANI" || ins == "OR" || ins == "ORI") {
            const bool inverted = ins == "ANI" || ins == "ORI";
            return check(i, blocks.contact(inverted != state(dev), ins.startsWith('A')));
        }
        if (ins == "ANB" || ins == "ORB")
            return check(i, blocks.join(ins == "ANB"));
        if (isOutputMnemonic(ins)) {
            OutputAction a{ins, dev, {}, blocks.power(), i};
            if (ins == "OUT" && next && mnemonicOf(*next) == "K")
                a.constant = next->data.trimmed();
            result.actions.push_back(a);
            if (onOutput)
                onOutput(a);
            blocks.outputDone();
        }
        return true;
    }
};

} // namespace

bool isOutputMnemonic(const QString& ins)
{
    static const QStringList outputs{"OUT", "S",   "R",   "PLS", "CJP", "EJP",
                                     "MC",  "MCR", "SFT", "RST", "NOP", "END"};
    return outputs.contains(ins);
}

EvaluationResult ProgramEvaluator::run(const std::vector<Step>& steps) const
{
    Machine m{m_state, m_onOutput, {}, {}};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step* next = i + 1 < steps.size() ? &steps[i + 1] : nullptr;
        if (!m.execute(int(i), steps[i], next))
            break;
    }
    return m.result;
}

EvaluationResult ProgramEvaluator::run(const ProgramStore& store, int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, ProgramStore::kLastIndex);
    std::vector<Step> steps;
    steps.reserve(std::size_t(std::max(0, last - first + 1)));
    for (int i = first; i <= last; ++i)
        steps.push_back(store.step(i));
    EvaluationResult r = run(steps);
    for (OutputAction& a : r.actions)
        a.step += first;
    if (r.faultStep >= 0)
        r.faultStep += first;
    return r;
}

} // namespace ladrix
