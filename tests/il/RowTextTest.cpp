#include "il/RowText.h"

#include "Printers.h"
#include "core/LineParser.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(RowText, LaysOutColumnsAndLabels)
{
    EXPECT_EQ(rowText({"OUT", "T050", "delay"}), "OUT    T050  'delay");
    EXPECT_EQ(rowText({"ABCDEFG", "X0", ""}), "ABCDE  X0");
    EXPECT_EQ(rowText({}), "");
    EXPECT_EQ(rowText({"", "", "  启动电机 "}), "    '启动电机");
    EXPECT_EQ(stepLabel(7), "0007");
    EXPECT_EQ(stepLabel(1999), "1999");
}

// What a row shows reads back as the same step, so committing it again changes nothing.
TEST(RowText, ShownRowCommitsBackToTheSameStep)
{
    const Step steps[] = {{"LD", "X0", ""},  {"OUT", "T050", "delay"}, {"", "", "note"},
                          {"K", "12.3", ""}, {"END", "", "程序结束"},  {"OUT", "Y30", "a'b c"}};
    for (const Step& original : steps) {
        Step read{"X", "Y", "Z"};
        ASSERT_FALSE(commitLine(rowText(original), read)) << rowText(original).toStdString();
        EXPECT_EQ(read, original);
    }
}
