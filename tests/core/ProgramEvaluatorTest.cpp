#include "core/ProgramEvaluator.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace ladrix;

namespace {

std::vector<Step> stepsOf(const QStringList& lines)
{
    std::vector<Step> steps;
    for (const QString& line : lines)
        steps.push_back(Step{line.section(' ', 0, 0), line.section(' ', 1), {}});
    return steps;
}

// Runs `lines` with the devices in `on` switched on.
EvaluationResult runWith(const QStringList& lines, const QSet<QString>& on)
{
    const ProgramEvaluator eval([&](const QString& dev) { return on.contains(dev); });
    return eval.run(stepsOf(lines));
}

bool powerOfFirstOutput(const QStringList& lines, const QSet<QString>& on)
{
    const EvaluationResult r = runWith(lines, on);
    EXPECT_TRUE(r.ok) << r.fault.toStdString();
    return !r.actions.empty() && r.actions.front().power;
}

} // namespace

TEST(ProgramEvaluator, ContactsCombineOnTheTopBlock)
{
    const QStringList series{"LD X0", "ANI X1", "OUT Y30"};
    EXPECT_TRUE(powerOfFirstOutput(series, {"X0"}));
    EXPECT_FALSE(powerOfFirstOutput(series, {"X0", "X1"}));
    EXPECT_FALSE(powerOfFirstOutput(series, {}));

    const QStringList parallel{"LDI X0", "OR X1", "OUT Y30"};
    EXPECT_TRUE(powerOfFirstOutput(parallel, {}));
    EXPECT_FALSE(powerOfFirstOutput(parallel, {"X0"}));
    EXPECT_TRUE(powerOfFirstOutput(parallel, {"X0", "X1"}));

    // OR after AND takes the whole series: (X0 AND X1) OR X2.
    const QStringList orAfterAnd{"LD X0", "AND X1", "ORI X2", "OUT Y30"};
    EXPECT_FALSE(powerOfFirstOutput(orAfterAnd, {"X0", "X2"}));
    EXPECT_TRUE(powerOfFirstOutput(orAfterAnd, {"X1"}));
}

TEST(ProgramEvaluator, AnbAndOrbJoinTheTwoTopBlocks)
{
    // X0 AND (X1 OR X2)
    const QStringList anb{"LD X0", "LD X1", "OR X2", "ANB", "OUT Y30"};
    EXPECT_TRUE(powerOfFirstOutput(anb, {"X0", "X2"}));
    EXPECT_FALSE(powerOfFirstOutput(anb, {"X1", "X2"}));
    // X0 OR (X1 AND X2)
    const QStringList orb{"LD X0", "LD X1", "AND X2", "ORB", "OUT Y30"};
    EXPECT_TRUE(powerOfFirstOutput(orb, {"X0"}));
    EXPECT_FALSE(powerOfFirstOutput(orb, {"X1"}));
    EXPECT_TRUE(powerOfFirstOutput(orb, {"X1", "X2"}));
}

TEST(ProgramEvaluator, OutputsRecordInstructionConstantAndPowerInOrder)
{
    const EvaluationResult r =
        runWith({"LD X0", "OUT T50", "K 100", "S M100", "LDI X0", "RST C60", "END"}, {"X0"});
    ASSERT_TRUE(r.ok);
    QStringList actions; // step, mnemonic, operand, constant, power
    for (const OutputAction& a : r.actions) {
        QStringList parts{QString::number(a.step), a.ins, a.dev, a.constant,
                          a.power ? "on" : "off"};
        parts.removeAll("");
        actions << parts.join(' ');
    }
    // LDI after an output starts a new rung; an output after outputs keeps the rung's value.
    EXPECT_EQ(actions,
              (QStringList{"1 OUT T50 100 on", "3 S M100 on", "5 RST C60 off", "6 END off"}));
}

TEST(ProgramEvaluator, LaterStepsReadWhatAnEarlierOutputSet)
{
    QSet<QString> on{"X0"};
    const ProgramEvaluator eval([&](const QString& dev) { return on.contains(dev); },
                                [&](const OutputAction& a) {
                                    if (a.power)
                                        on.insert(a.dev);
                                    else
                                        on.remove(a.dev);
                                });
    const EvaluationResult r = eval.run(stepsOf({"LD X0", "OUT M100", "LDI M100", "OUT Y30"}));
    ASSERT_EQ(r.actions.size(), 2U);
    EXPECT_FALSE(r.actions[1].power) << "M100 was switched on by the step before";
    EXPECT_TRUE(on.contains("M100"));
}

TEST(ProgramEvaluator, OutputWithoutConditionIsDrivenByThePowerRail)
{
    const EvaluationResult r = runWith({"END"}, {});
    ASSERT_EQ(r.actions.size(), 1U);
    EXPECT_TRUE(r.actions[0].power);
}

TEST(ProgramEvaluator, MalformedListsStopWithAFaultInsteadOfCrashing)
{
    EXPECT_EQ(runWith({"AND X0", "OUT Y30"}, {}).faultStep, 0);
    EXPECT_EQ(runWith({"LD X0", "ORB", "OUT Y30"}, {}).faultStep, 1);
    QStringList deep;
    for (int i = 0; i < 12; ++i)
        deep << "LD X0";
    const EvaluationResult r = runWith(deep, {});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.faultStep, 10) << "ten blocks open, the eleventh LD faults";
    EXPECT_TRUE(r.actions.empty());
}

TEST(ProgramEvaluator, StoreRangeIsClampedAndStepsNumberedFromTheStore)
{
    ProgramStore store;
    store.step(1999) = Step{" ld ", "X0", {}};
    store.step(2000) = Step{"out", "Y30", {}};
    const ProgramEvaluator eval([](const QString&) { return true; });
    const EvaluationResult r = eval.run(store, 1990, 5000);
    ASSERT_EQ(r.actions.size(), 1U);
    EXPECT_EQ(r.actions[0].step, 2000);
    EXPECT_TRUE(r.actions[0].power);
}
