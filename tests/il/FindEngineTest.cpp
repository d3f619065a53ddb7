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
        store.step(1500) = {"LD", "X0", ""};
    }
    QList<int> find(FindCriteria c) { return findSteps(store, c); }

    ProgramStore store;
};

} // namespace

TEST_F(FindEngineTest, EachCriterionAlone)
{
    for (const char* typed : {"5", "05", "005"})
        EXPECT_EQ(find({.stepOn = true, .step = typed}), QList<int>{5}) << typed;
    EXPECT_EQ(find({.stepOn = true, .step = "12"}), QList<int>{12});
    // Blanks typed around a criterion do not hide the steps.
    EXPECT_EQ(find({.stepOn = true, .step = " 5 "}), QList<int>{5});
    EXPECT_EQ(find({.insOn = true, .ins = "out "}), QList<int>{5});
    EXPECT_EQ(find({.dataOn = true, .data = " y30"}), QList<int>{5});
    EXPECT_EQ(find({.remOn = true, .rem = "start "}), QList<int>{0});
    EXPECT_EQ(find({.stepOn = true, .step = "0012"}), QList<int>{});
    // Stored mnemonics are trimmed; operands are compared as stored; steps past the model's
    // last step are not searched.
    EXPECT_EQ(find({.insOn = true, .ins = "ld"}), (QList<int>{0, 1, 12}));
    EXPECT_EQ(find({.dataOn = true, .data = "x0"}), (QList<int>{0, 12}));
    store.plcType = 1;
    EXPECT_EQ(find({.dataOn = true, .data = "x0"}), (QList<int>{0, 12, 1500}));
    EXPECT_EQ(find({}), QList<int>{});
}

TEST_F(FindEngineTest, CommentComparisonFollowsMatchCase)
{
    EXPECT_EQ(find({.remOn = true, .rem = "MOTOR ON"}), (QList<int>{5, 12}));
    EXPECT_EQ(find({.remOn = true, .rem = "MOTOR ON", .matchCase = true}), QList<int>{});
    EXPECT_EQ(find({.remOn = true, .rem = "Motor On", .matchCase = true}), QList<int>{5});
    EXPECT_EQ(find({.remOn = true, .rem = "启动"}), QList<int>{20});
}

TEST_F(FindEngineTest, CheckedCriteriaMustAllMatch)
{
    FindCriteria c{.insOn = true, .ins = "LD", .dataOn = true, .data = "X0"};
    EXPECT_EQ(find(c), (QList<int>{0, 12}));
    c.step = "5"; // filled but not checked: ignored
    EXPECT_EQ(find(c), (QList<int>{0, 12}));
    c.remOn = true;
    c.rem = "start";
    EXPECT_EQ(find(c), QList<int>{0});
    c.stepOn = true;
    EXPECT_EQ(find(c), QList<int>{});
}

TEST_F(FindEngineTest, ReportLinesHaveFixedColumns)
{
    store.step(7) = {"", "", "only"};
    store.step(8) = {"LDI", "M1000", ""};
    EXPECT_EQ(reportLine(store, 5), "0005    OUT    Y30    Motor On");
    EXPECT_EQ(reportLine(store, 20), "0020    AND    M100   启动");
    EXPECT_EQ(reportLine(store, 7), "0007          only");
    EXPECT_EQ(reportLine(store, 8), "0008    LDI    M100   ");
    EXPECT_EQ(reportHeader(), "步序   指令  数据      注释");
    EXPECT_EQ(reportCaption(3), "共找到3条记录");
}

TEST(Replacement, CutsTheMnemonicOnlyAndWritesUpperCase)
{
    // A blank typed before the mnemonic does not cut off its last letter.
    EXPECT_EQ(makeReplacement(true, " ldi", false, {}).ins, "ldi");
    const Replacement r = makeReplacement(true, "ld  2", true, "  m100 ");
    EXPECT_EQ(r.ins, "ld");
    EXPECT_EQ(r.data, "m100");
    ProgramStore store;
    store.step(3) = {"LD", "X0", "keep"};
    EXPECT_TRUE(applyReplacement(store, 3, makeReplacement(true, "ldi", false, "m1")));
    EXPECT_EQ(store.step(3), (Step{"LDI", "X0", "keep"}));
    EXPECT_TRUE(applyReplacement(store, 3, r));
    EXPECT_EQ(store.step(3), (Step{"LD", "M100", "keep"}));
    // Nothing to replace, or no such step: the store stays as it is.
    EXPECT_FALSE(applyReplacement(store, 3, makeReplacement(false, "x", false, "y")));
    EXPECT_FALSE(applyReplacement(store, 2001, r));
    EXPECT_FALSE(applyReplacement(store, -1, r));
    EXPECT_EQ(store.step(3), (Step{"LD", "M100", "keep"}));
}
