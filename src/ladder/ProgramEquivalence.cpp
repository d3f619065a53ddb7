#include "ProgramEquivalence.h"

#include "core/ProgramEvaluator.h"

#include <random>

namespace ladrix {

namespace {

constexpr int kExhaustiveContacts = 14;
constexpr int kSampledCombinations = 4096;

bool opensBlock(const QString& ins)
{
    return ins == "LD" || ins == "LDI" || ins == "STL";
}

bool isContact(const QString& ins)
{
    return opensBlock(ins) || ins == "AND" || ins == "ANI" || ins == "OR" || ins == "ORI";
}

EvaluationResult evaluate(const Rung& rung, const QStringList& devices, quint64 bits)
{
    const ProgramEvaluator eval([&](const QString& dev) {
        const qsizetype k = devices.indexOf(dev);
        return k >= 0 && (bits >> k) & 1U;
    });
    return eval.run(rung.steps);
}

QString describe(const OutputAction& a)
{
    return (a.ins + ' ' + a.dev + ' ' + a.constant).trimmed();
}

Equivalence compareRung(int index, const Rung& a, const Rung& b)
{
    QStringList devices = a.contacts;
    for (const QString& d : b.contacts) {
        if (!devices.contains(d))
            devices << d;
    }
    const int n = int(devices.size());
    const bool exhaustive = n <= kExhaustiveContacts;
    const quint64 count = exhaustive ? (quint64(1) << n) : quint64(kSampledCombinations);
    std::mt19937_64 random(20261208);
    const QString where = QStringLiteral("rung %1: ").arg(index);
    for (quint64 c = 0; c < count; ++c) {
        const quint64 bits = exhaustive ? c : random();
        const EvaluationResult ra = evaluate(a, devices, bits);
        const EvaluationResult rb = evaluate(b, devices, bits);
        if (ra.ok != rb.ok)
            return {false, where + "only one side faults: " + ra.fault + rb.fault};
        if (ra.actions.size() != rb.actions.size())
            return {false, where + "different number of outputs"};
        for (std::size_t k = 0; k < ra.actions.size(); ++k) {
            const OutputAction& x = ra.actions[k];
            const OutputAction& y = rb.actions[k];
            if (!x.sameInstruction(y))
                return {false, where + describe(x) + " against " + describe(y)};
            if (x.power != y.power)
                return {false, where + "power of " + describe(x) + " differs"};
        }
    }
    return {};
}

} // namespace

std::vector<Rung> splitRungs(const ProgramStore& store, int last)
{
    std::vector<Rung> rungs;
    Rung current;
    bool hasOutput = false;
    last = std::min(last, ProgramStore::kLastIndex);
    for (int i = 0; i <= last; ++i) {
        const Step& s = store.step(i);
        const QString ins = s.ins.trimmed().toUpper();
        if (ins.isEmpty())
            continue;
        if (hasOutput && (isConditionMnemonic(ins) || opensBlock(ins))) {
            rungs.push_back(current);
            current = Rung{};
            hasOutput = false;
        }
        current.steps.push_back(Step{ins, s.data.trimmed(), {}});
        if (isContact(ins) && !current.contacts.contains(s.data.trimmed()))
            current.contacts << s.data.trimmed();
        hasOutput = hasOutput || isOutputMnemonic(ins);
    }
    if (!current.steps.empty())
        rungs.push_back(current);
    return rungs;
}

Equivalence compareRungs(const std::vector<Rung>& a, const std::vector<Rung>& b)
{
    if (a.size() != b.size())
        return {false, QStringLiteral("%1 rungs against %2").arg(a.size()).arg(b.size())};
    for (std::size_t i = 0; i < a.size(); ++i) {
        Equivalence e = compareRung(int(i), a[i], b[i]);
        if (!e.equal)
            return e;
    }
    return {};
}

Equivalence compareLists(const ProgramStore& a, const ProgramStore& b, int last)
{
    return compareRungs(splitRungs(a, last), splitRungs(b, last));
}

} // namespace ladrix
