#include "core/LineParser.h"
#include "core/RuntimeError.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(SplitLine, CutsMnemonicOperandsAndComment)
{
    QString line = "  LD   X000 , ,Y1 'Start Motor";
    QString ins, rem;
    QStringList args;
    EXPECT_EQ(splitLine(line, ins, rem, args), 2);
    EXPECT_EQ(ins, "LD");
    EXPECT_EQ(args, (QStringList{"x000", "y1"}));
    EXPECT_EQ(rem, "start motor");
    EXPECT_EQ(line, "ld   x000 , ,y1 ");
}

TEST(SplitLine, LeavesCommentAloneWithoutApostrophe)
{
    QString line = "anb";
    QString ins, rem = "before";
    QStringList args;
    EXPECT_EQ(splitLine(line, ins, rem, args), 0);
    EXPECT_EQ(ins, "ANB");
    EXPECT_EQ(rem, "before");
}

TEST(SplitLine, RefusesMoreThan256Operands)
{
    QString ins, rem;
    QStringList args;
    QString fits = "ld " + QStringList(256, "x0").join(',');
    EXPECT_EQ(splitLine(fits, ins, rem, args), 256);
    QString tooMany = "ld " + QStringList(257, "x0").join(',');
    EXPECT_THROW(splitLine(tooMany, ins, rem, args), RuntimeError);
}

TEST(CheckIns, GivesTheMessagesOfTheInstructionSet)
{
    const struct {
        QString ins, data, message;
    } rows[]{
        {"mov", "d700", "错误的指令MOV"},  {"ld", "", ""},
        {"ld", "x28", "无效的器件号x28"},  {"ld", "x18", "无效的器件号x18"},
        {"out", "x30", "无效的器件号x30"}, {"ld", "d700", "指令LD不支持D"},
        {"out", "x0", "指令OUT不支持X"},   {"out", "y30", ""},
        {"ld", "q10", "无效的器件号q10"},  {"anb", "d700", ""}, // ANB takes any device
    };
    for (auto row : rows)
        EXPECT_EQ(checkIns(row.ins, row.data), row.message)
            << row.ins.toStdString() << ' ' << row.data.toStdString();
    QString ins = "ld";
    EXPECT_THROW(checkIns(ins, "x99999"), RuntimeError) << "overflow";
}

// Typing into the start of a row leaves the row's old text behind the number.
TEST(CheckIns, RefusesDeviceNumberFollowedByOtherText)
{
    const struct {
        QString ins, data, message;
    } rows[]{
        {"ld", "x5ani    x27", "无效的器件号x5ani    x27"},
        {"out", "t50ld     x28", "无效的器件号t50ld     x28"},
        {"ld", "x1end", "无效的器件号x1end"},
        {"anb", "d700orb", "无效的器件号d700orb"},
        {"ld", "x1 0", ""}, // blanks inside the number are read over
        {"k", "12abc", ""}, // constants are not checked
    };
    for (auto row : rows)
        EXPECT_EQ(checkIns(row.ins, row.data), row.message) << row.data.toStdString();
}

TEST(CommitLine, StoresAcceptedLinesInUpperCase)
{
    const struct {
        Step before;
        QString line;
        Step after;
    } rows[]{
        {{}, "ld x0", {"LD", "X0", ""}},
        {{}, "LD   X000 ,  ", {"LD", "X000", ""}},
        {{}, "out t50,k10", {"OUT", "T50", ""}},
        {{}, "ld x0 'start motor", {"LD", "X0", "start motor"}},
        {{}, "anb", {"ANB", "", ""}},
        {{}, "ld", {"LD", "", ""}},
        {{}, "k 12.3", {"K", "12.3", ""}},
        {{}, "k abc", {"K", "ABC", ""}},
        {{}, "ld x 0", {"LD", "X 0", ""}}, // blanks inside an operand stay
        {{}, "'just a note", {"", "", "just a note"}},
        {{}, "  ' ", {"", "", ""}},
        {{"LD", "X0", "note"}, "   ", {"", "", "note"}},  // a blank row keeps the comment
        {{"LD", "X0", "old"}, "ld x1", {"LD", "X1", ""}}, // no apostrophe: comment cleared
    };
    for (const auto& row : rows) {
        Step s = row.before;
        const auto error = commitLine(row.line, s);
        EXPECT_FALSE(error) << row.line.toStdString() << ": "
                            << (error ? error->text.toStdString() : "");
        EXPECT_EQ(s, row.after) << row.line.toStdString();
    }
}

TEST(CommitLine, RefusedLineKeepsTheOldStepAndSaysWhy)
{
    const struct {
        QString line;
        bool runtime;
        int number;
        QString text; // the check message; run-time faults are told by their number
    } rows[]{
        {"mov d700", false, 0, "错误的指令MOV"},
        {"ld x28", false, 0, "无效的器件号x28"},
        {"out x0", false, 0, "指令OUT不支持X"},
        {"ld x70000", true, RuntimeError::Overflow, {}},
        {"ld " + QStringList(300, "x0").join(','), true, RuntimeError::SubscriptOutOfRange, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.left(20).toStdString());
        Step s{"NOP", "", "kept"};
        const auto error = commitLine(row.line, s);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->runtime, row.runtime);
        EXPECT_EQ(error->number, row.number);
        if (!row.runtime) {
            EXPECT_EQ(error->text, row.text);
        }
        EXPECT_EQ(s, (Step{"NOP", "", "kept"}));
    }
}
