#include "core/LineParser.h"
#include "core/RuntimeError.h"

#include <gtest/gtest.h>

using namespace ladrix;

namespace {

// Commits a typed line into a fresh step and returns it, failing on a refusal.
Step stored(const QString& line)
{
    Step s;
    const auto error = commitLine(line, s);
    EXPECT_FALSE(error) << line.toStdString() << ": " << (error ? error->text.toStdString() : "");
    return s;
}

QString refusal(const QString& line)
{
    Step s{"NOP", "", "kept"};
    const auto error = commitLine(line, s);
    EXPECT_EQ(s, (Step{"NOP", "", "kept"})) << "a refused line keeps the old step";
    return error ? error->text : QString();
}

} // namespace

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
    QString ins = "mov";
    EXPECT_EQ(checkIns(ins, "d700"), "错误的指令MOV");
    ins = "ld";
    EXPECT_EQ(checkIns(ins, ""), "");
    ins = "ld";
    EXPECT_EQ(checkIns(ins, "x28"), "无效的器件号x28");
    ins = "ld";
    EXPECT_EQ(checkIns(ins, "x18"), "无效的器件号x18");
    ins = "out";
    EXPECT_EQ(checkIns(ins, "x30"), "无效的器件号x30");
    ins = "ld";
    EXPECT_EQ(checkIns(ins, "d700"), "指令LD不支持D");
    ins = "out";
    EXPECT_EQ(checkIns(ins, "x0"), "指令OUT不支持X");
    ins = "out";
    EXPECT_EQ(checkIns(ins, "y30"), "");
    ins = "ld";
    EXPECT_EQ(checkIns(ins, "q10"), "无效的器件号q10");
    ins = "anb";
    EXPECT_EQ(checkIns(ins, "d700"), "") << "ANB takes any device";
}

TEST(CheckIns, OverflowIsARuntimeError)
{
    QString ins = "ld";
    EXPECT_THROW(checkIns(ins, "x99999"), RuntimeError);
}

TEST(CommitLine, StoresAcceptedLinesInUpperCase)
{
    EXPECT_EQ(stored("ld x0"), (Step{"LD", "X0", ""}));
    EXPECT_EQ(stored("LD   X000 ,  "), (Step{"LD", "X000", ""}));
    EXPECT_EQ(stored("out t50,k10"), (Step{"OUT", "T50", ""}));
    EXPECT_EQ(stored("ld x0 'start motor"), (Step{"LD", "X0", "start motor"}));
    EXPECT_EQ(stored("anb"), (Step{"ANB", "", ""}));
    EXPECT_EQ(stored("ld"), (Step{"LD", "", ""}));
    EXPECT_EQ(stored("k 12.3"), (Step{"K", "12.3", ""}));
    EXPECT_EQ(stored("k abc"), (Step{"K", "ABC", ""}));
    EXPECT_EQ(stored("ld x 0"), (Step{"LD", "X 0", ""})) << "blanks inside an operand stay";
}

TEST(CommitLine, RefusesWithTheCheckersMessage)
{
    EXPECT_EQ(refusal("mov d700"), "错误的指令MOV");
    EXPECT_EQ(refusal("ld x28"), "无效的器件号x28");
    EXPECT_EQ(refusal("out x0"), "指令OUT不支持X");
}

TEST(CommitLine, ReportsRuntimeFaultsWithTheirNumber)
{
    Step s{"LD", "X0", ""};
    auto error = commitLine("ld x70000", s);
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->runtime);
    EXPECT_EQ(error->number, RuntimeError::Overflow);
    EXPECT_EQ(s, (Step{"LD", "X0", ""}));

    error = commitLine("ld " + QStringList(300, "x0").join(','), s);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, RuntimeError::SubscriptOutOfRange);
}

TEST(CommitLine, BlankRowEmptiesTheStepButKeepsItsComment)
{
    Step s{"LD", "X0", "note"};
    EXPECT_FALSE(commitLine("   ", s));
    EXPECT_EQ(s, (Step{"", "", "note"}));
}

TEST(CommitLine, CommentOnlyLineStoresAnEmptyStepWithComment)
{
    EXPECT_EQ(stored("'just a note"), (Step{"", "", "just a note"}));
    EXPECT_EQ(stored("  ' "), (Step{"", "", ""}));
}

TEST(CommitLine, LineWithoutApostropheClearsAnEarlierComment)
{
    Step s{"LD", "X0", "old"};
    EXPECT_FALSE(commitLine("ld x1", s));
    EXPECT_EQ(s, (Step{"LD", "X1", ""}));
}
