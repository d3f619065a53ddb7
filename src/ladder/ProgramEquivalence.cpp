#include "ProgramEquivalence.h"

#include "core/ProgramEvaluator.h"

#include <algorithm>
#include <random>
#include <utility>

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

EvaluationResult evaluate(const Rung& rung, const QStringList& devices,
                          const std::vector<bool>& values)
{
    const ProgramEvaluator eval([&](const QString& dev) {
        const qsizetype k = devices.indexOf(dev);
        return k >= 0 && values[std::size_t(k)];
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
    const std::size_t n = std::size_t(devices.size());
    const QString where = QStringLiteral("rung %1: ").arg(index);
    // A rung the block stack cannot execute faults whatever its contacts are; such rungs are
    // only alike when they are written alike.
    std::vector<bool> values(n, false);
    const bool faultsA = !evaluate(a, devices, values).ok;
    const bool faultsB = !evaluate(b, devices, values).ok;
    if (faultsA || faultsB) {
        if (faultsA && faultsB && a.steps == b.steps)
            return {};
        return {false, where + "a rung that cannot be executed differs"};
    }
    const bool exhaustive = n <= kExhaustiveContacts;
    const quint64 count = exhaustive ? (quint64(1) << n) : quint64(kSampledCombinations);
    // A fixed seed: the same two programs are always judged the same way.
    std::mt19937_64 random(20261208);
    for (quint64 c = 0; c < count; ++c) {
        for (std::size_t k = 0; k < n; ++k)
            values[k] = exhaustive ? ((c >> k) & 1U) != 0 : (random() & 1U) != 0;
        const EvaluationResult ra = evaluate(a, devices, values);
        const EvaluationResult rb = evaluate(b, devices, values);
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
        if (ins.isEmpty()) {
            // An empty step parts an OUT from a K step after it.
            if (!current.steps.empty() && current.steps.back().ins == "OUT")
                current.steps.push_back(Step{});
            continue;
        }
        // As the block stack runs it: only a block opened after an output starts a new rung.
        if (hasOutput && opensBlock(ins)) {
            rungs.push_back(std::move(current));
            current = Rung{};
            hasOutput = false;
        }
        current.steps.push_back(Step{ins, s.data.trimmed(), {}});
        if (isContact(ins) && !current.contacts.contains(s.data.trimmed()))
            current.contacts << s.data.trimmed();
        hasOutput = hasOutput || isOutputMnemonic(ins);
    }
    if (!current.steps.empty())
        rungs.push_back(std::move(current));
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
