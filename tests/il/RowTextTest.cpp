#include "il/RowText.h"

#include "core/LineParser.h"

#include "Printers.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(RowText, LaysOutMnemonicOperandAndComment)
{
    EXPECT_EQ(rowText({"OUT", "T050", "delay"}), "OUT    T050  'delay");
    EXPECT_EQ(rowText({"LD", "X0", ""}), "LD     X0");
    EXPECT_EQ(rowText({"ANB", "", ""}), "ANB    ");
    // A mnemonic longer than the column is cut to it.
    EXPECT_EQ(rowText({"ABCDEFG", "X0", ""}), "ABCDE  X0");
}

TEST(RowText, EmptyStepShowsNothingAndCommentOnlyStepShowsFourBlanks)
{
    EXPECT_EQ(rowText({}), "");
    EXPECT_EQ(rowText({"", "", "note"}), "    'note");
    EXPECT_EQ(rowText({"", "", "  启动电机 "}), "    '启动电机");
}

TEST(RowText, StepLabelsAreFourDigits)
{
    EXPECT_EQ(stepLabel(0), "0000");
    EXPECT_EQ(stepLabel(19), "0019");
    EXPECT_EQ(stepLabel(1999), "1999");
}

// Whatever a row shows reads back as the same step when it is committed again.
TEST(RowText, ShownRowCommitsBackToTheSameStep)
{
    const Step steps[] = {
        {"LD", "X0", ""}, {"OUT", "T050", "delay"}, {"", "", "note"},        {"K", "12.3", ""},
        {"ANB", "", ""},  {"END", "", "程序结束"},  {"OUT", "Y30", "a'b c"},
    };
    for (const Step& original : steps) {
        Step read{"X", "Y", "Z"};
        ASSERT_FALSE(commitLine(rowText(original), read)) << rowText(original).toStdString();
        EXPECT_EQ(read, original) << rowText(original).toStdString();
    }
}
