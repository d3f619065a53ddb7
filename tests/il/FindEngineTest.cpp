#include "il/FindEngine.h"

#include "Printers.h"

#include <gtest/gtest.h>

using namespace ladrix;

namespace {

class FindEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.step(0) = {"LD", "X0", "start"};
        store.step(1) = {"LD", "X000", ""};
        store.step(5) = {"OUT", "Y30", "Motor On"};
        store.step(12) = {"LD ", "X0", " motor on "};
        store.step(20) = {"AND", "M100", "启动"};
        store.step(999) = {"END", "", ""};
        store.step(1500) = {"LD", "X0", ""};
    }

    QList<int> findByStep(const QString& typed)
    {
        FindCriteria c;
        c.stepOn = true;
        c.step = typed;
        return findSteps(store, c);
    }

    ProgramStore store;
};

} // namespace

TEST_F(FindEngineTest, StepCriterionComparesZeroFilledNumbers)
{
    EXPECT_EQ(findByStep("5"), QList<int>{5});
    EXPECT_EQ(findByStep("05"), QList<int>{5});
    EXPECT_EQ(findByStep("005"), QList<int>{5});
    EXPECT_EQ(findByStep("12"), QList<int>{12});
    EXPECT_EQ(findByStep("0012"), QList<int>{});
    EXPECT_EQ(findByStep("999"), QList<int>{999});
    EXPECT_EQ(findByStep("abc"), QList<int>{});
    EXPECT_EQ(findByStep(""), QList<int>{});
}

TEST_F(FindEngineTest, MnemonicAndOperandCriteria)
{
    FindCriteria c;
    c.insOn = true;
    c.ins = "ld";
    // Stored mnemonics are trimmed before comparing; steps past the model's last are not
    // searched.
    EXPECT_EQ(findSteps(store, c), (QList<int>{0, 1, 12}));

    FindCriteria d;
    d.dataOn = true;
    d.data = "x0";
    EXPECT_EQ(findSteps(store, d), (QList<int>{0, 12}));

    store.plcType = 1;
    EXPECT_EQ(findSteps(store, d), (QList<int>{0, 12, 1500}));
}

TEST_F(FindEngineTest, CommentComparisonFollowsMatchCase)
{
    FindCriteria c;
    c.remOn = true;
    c.rem = "MOTOR ON";
    EXPECT_EQ(findSteps(store, c), (QList<int>{5, 12}));
    c.matchCase = true;
    EXPECT_EQ(findSteps(store, c), QList<int>{});
    c.rem = "Motor On";
    EXPECT_EQ(findSteps(store, c), QList<int>{5});
    c.rem = "启动";
    EXPECT_EQ(findSteps(store, c), QList<int>{20});
}

TEST_F(FindEngineTest, CheckedCriteriaMustAllMatch)
{
    FindCriteria none;
    EXPECT_TRUE(findSteps(store, none).isEmpty());

    FindCriteria c;
    c.insOn = true;
    c.ins = "LD";
    c.dataOn = true;
    c.data = "X0";
    EXPECT_EQ(findSteps(store, c), (QList<int>{0, 12}));
    c.remOn = true;
    c.rem = "start";
    EXPECT_EQ(findSteps(store, c), QList<int>{0});
    // Unchecked fields are ignored even when filled.
    c.remOn = false;
    c.stepOn = false;
    c.step = "5";
    EXPECT_EQ(findSteps(store, c), (QList<int>{0, 12}));
    c.stepOn = true;
    EXPECT_TRUE(findSteps(store, c).isEmpty());
}

TEST_F(FindEngineTest, ReportLinesHaveFixedColumns)
{
    EXPECT_EQ(reportLine(store, 5), "0005    OUT    Y30    Motor On");
    EXPECT_EQ(reportLine(store, 20), "0020    AND    M100   启动");
    EXPECT_EQ(reportLine(store, 999), "0999    END       ");
    store.step(7) = {"", "", "only"};
    EXPECT_EQ(reportLine(store, 7), "0007          only");
    store.step(8) = {"LDI", "M1000", ""};
    EXPECT_EQ(reportLine(store, 8), "0008    LDI    M100   ");
    EXPECT_EQ(reportHeader(), "步序   指令  数据      注释");
    EXPECT_EQ(reportCaption(0), "共找到0条记录");
    EXPECT_EQ(reportCaption(3), "共找到3条记录");
}

TEST(Replacement, MnemonicIsCutToThreeButOperandKeepsItsLength)
{
    const Replacement r = makeReplacement(true, " ldi2", true, "  m100 ");
    EXPECT_EQ(r.ins, "ld");
    EXPECT_EQ(r.data, "m100");
    EXPECT_TRUE(r.any());
    const Replacement off = makeReplacement(false, "ldi", false, "m100");
    EXPECT_FALSE(off.any());
    EXPECT_TRUE(off.ins.isEmpty());
    EXPECT_TRUE(off.data.isEmpty());
}

TEST(Replacement, WritesUpperCaseAndOnlyTheChosenFields)
{
    ProgramStore store;
    store.step(3) = {"LD", "X0", "keep"};
    EXPECT_TRUE(applyReplacement(store, 3, makeReplacement(true, "ldi", false, "")));
    EXPECT_EQ(store.step(3), (Step{"LDI", "X0", "keep"}));
    EXPECT_TRUE(applyReplacement(store, 3, makeReplacement(false, "", true, "m100")));
    EXPECT_EQ(store.step(3), (Step{"LDI", "M100", "keep"}));
    // Replacements are not checked: an empty replacement empties the field.
    EXPECT_TRUE(applyReplacement(store, 3, makeReplacement(true, "", false, "")));
    EXPECT_EQ(store.step(3), (Step{"", "M100", "keep"}));
}

TEST(Replacement, RefusesBadIndexAndEmptyReplacement)
{
    ProgramStore store;
    store.step(0) = {"LD", "X0", ""};
    const Replacement r = makeReplacement(true, "ldi", false, "");
    EXPECT_FALSE(applyReplacement(store, -1, r));
    EXPECT_FALSE(applyReplacement(store, 2001, r));
    EXPECT_FALSE(applyReplacement(store, 0, makeReplacement(false, "x", false, "y")));
    EXPECT_EQ(store.step(0), (Step{"LD", "X0", ""}));
}
