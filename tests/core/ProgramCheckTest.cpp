#include "core/ProgramCheck.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace ladrix;

namespace {

// A program from lines "LD X0"; "" leaves a step empty.
ProgramStore programOf(const QStringList& lines)
{
    ProgramStore store;
    for (int i = 0; i < lines.size(); ++i)
        store.step(i) = Step{lines[i].section(u' ', 0, 0), lines[i].section(u' ', 1), {}};
    return store;
}

QStringList reportOf(const ProgramStore& store)
{
    QStringList lines;
    for (const CheckMessage& m : checkProgram(store))
        lines << checkLine(m);
    return lines;
}

struct Case {
    const char* name;
    QStringList program;
    QStringList expected;
};

// Eleven blocks open at once, joined again: only the controller's limit is passed.
QStringList elevenBlocks()
{
    QStringList lines;
    for (const char* device : {"X0", "X1", "X2", "X3", "X4", "X5", "X6", "X7", "X10", "X11", "X12"})
        lines << QStringLiteral("LD ") + QLatin1String(device);
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("ANB");
    return lines << QStringLiteral("OUT Y30") << QStringLiteral("END");
}

const Case kCases[] = {
    {"SoundProgram", {"LD X0", "AND X1", "OUT Y30", "END"}, {}},
    {"MissingEnd", {"LD X0", "OUT Y30"}, {"0002: 程序没有END指令"}},
    {"EmptyProgram", {}, {"0000: 程序没有END指令"}},
    {"StepsAfterEnd",
     {"LD X0", "OUT Y30", "END", "", "LD X1", "OUT Y31"},
     {"0004: END之后还有2个非空步"}},
    {"BlockNotJoined",
     {"LD X0", "LD X1", "OUT Y30", "END"},
     {"0001: LD X1开始的块没有用ANB或ORB连接"}},
    {"JoinWithoutTwoBlocks",
     {"LD X0", "ANB", "OUT Y30", "END"},
     {"0001: ANB之前没有两个可以连接的块"}},
    {"ContactWithoutLd", {"AND X0", "OUT Y30", "END"}, {"0000: AND X0之前没有LD或LDI"}},
    {"ContactsAfterAnOutputGoOn", {"LD X0", "OUT Y30", "ANI X1", "OUT Y31", "END"}, {}},
    {"NestedBlocksJoined",
     {"LD X0", "LD X1", "OR X2", "ANB", "LDI X3", "AND X4", "ORB", "OUT Y30", "END"},
     {}},
    {"TooManyBlocks", elevenBlocks(), {"0010: 同时打开的块超过10个"}},
    {"ContactsWithoutOutput",
     {"LD X0", "OUT Y30", "LD X1"},
     {"0002: LD X1开始的触点没有驱动输出", "0003: 程序没有END指令"}},
    {"ConditionedEnd", {"LD X0", "OUT Y30", "LD X1", "END"}, {}},
    {"TimerWithoutK", {"LD X0", "OUT T50", "END"}, {"0001: OUT T50之后没有K步"}},
    {"CounterWithK", {"LD X0", "OUT C060", "K 10", "END"}, {}},
    {"TimerWithEmptyK", {"LD X0", "OUT T50", "K", "END"}, {"0001: OUT T50的K步没有设定值"}},
    {"KAfterAPlainOutput",
     {"LD X0", "OUT Y30", "K 5", "END"},
     {"0002: K 5之前没有定时器或计数器的OUT"}},
    {"KNotRightAfterItsOut",
     {"LD X0", "OUT T50", "", "K 5", "END"},
     {"0001: OUT T50之后没有K步", "0003: K 5之前没有定时器或计数器的OUT"}},
    {"DoubleCoil",
     {"LD X0", "OUT Y30", "LD X1", "OUT Y030", "LD X2", "PLS M100", "PLS M100", "END"},
     {"0003: 双线圈：Y30已在步0001输出", "0006: 双线圈：M100已在步0005输出"}},
    {"SetAndResetAreNoDoubleCoil",
     {"LD X0", "S M100", "LD X1", "R M100", "LD X2", "S M100", "RST C60", "RST C60", "END"},
     {}},
    {"SameOutputInTwoStates",
     {"STL S600", "OUT Y30", "LD X0", "S S601", "STL S601", "OUT Y30", "RET M100", "END"},
     {}},
    {"SameOutputTwiceInOneState",
     {"STL S600", "OUT Y30", "OUT Y30", "RET M100", "END"},
     {"0002: 双线圈：Y30已在步0001输出"}},
    {"OutputInAStateAndOutside",
     {"LD X0", "OUT Y30", "STL S600", "OUT Y30", "RET M100", "END"},
     {"0003: 双线圈：Y30已在步0001输出"}},
    {"StateBusStartsWithLd", {"STL S600", "LD X0", "OUT Y30", "RET M100", "END"}, {}},
    {"ContactsBeforeAState",
     {"LD X0", "STL S600", "OUT Y30", "RET M100", "END"},
     {"0000: LD X0开始的触点没有驱动输出"}},
    {"StlWithoutRet", {"STL S600", "OUT Y30", "END"}, {"0000: STL S600开始的步进梯形图没有RET"}},
    {"RetWithoutStl", {"LD X0", "OUT Y30", "RET M100", "END"}, {"0002: RET M100之前没有STL"}},
    {"McWithoutMcr",
     {"LD X0", "MC M120", "LD X1", "OUT Y30", "END"},
     {"0001: MC M120没有对应的MCR"}},
    {"McPairedWithMcr", {"LD X0", "MC M120", "LD X1", "OUT Y30", "MCR M0120", "END"}, {}},
    {"McrWithoutMc", {"MCR M120", "END"}, {"0000: MCR M120之前没有对应的MC"}},
    {"McOpenedTwice", {"MC M120", "MC M120", "MCR M120", "END"}, {"0000: MC M120没有对应的MCR"}},
    {"CjpWithoutEjp", {"LD X0", "CJP D700", "OUT Y30", "END"}, {"0001: CJP D700之后没有对应的EJP"}},
    {"CjpBackwards", {"EJP D700", "LD X0", "CJP D700", "END"}, {"0002: CJP D700之后没有对应的EJP"}},
    {"CjpToItsEjp",
     {"LD X0", "CJP D700", "LD X1", "OUT Y30", "EJP D700", "LD X2", "CJP D701", "EJP D701", "END"},
     {}},
    {"TwoEjpOfOneLabel",
     {"LD X0", "CJP D700", "EJP D700", "EJP D700", "END"},
     {"0003: EJP D700重复，跳转目标不明确"}},
    {"LineFaultsBeforeStructure",
     {"LD X28", "LD X1", "OUT X0", "MOV D700", "END"},
     {"0000: 无效的器件号x28", "0001: LD X1开始的块没有用ANB或ORB连接", "0002: 指令OUT不支持X",
      "0003: 错误的指令MOV"}},
};

class ProgramCheckCases : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(ProgramCheckCases, ReportsExactlyTheExpectedMessages)
{
    EXPECT_EQ(reportOf(programOf(GetParam().program)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramCheckCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramCheck, EmptyStepsAndCommentsInsideTheProgramAreIgnored)
{
    ProgramStore store = programOf({"LD X0", "", "OUT Y30", "", "END"});
    store.step(3).rem = QStringLiteral("only a comment");
    EXPECT_EQ(reportOf(store), QStringList());
}

TEST(ProgramCheck, MissingEndPointsAtTheLastStepWhenTheModelIsFull)
{
    ProgramStore store;
    store.step(998) = Step{"LD", "X0", {}};
    store.step(999) = Step{"OUT", "Y30", {}};
    EXPECT_EQ(reportOf(store), QStringList{"0999: 程序没有END指令"});
    store.plcType = 1;
    EXPECT_EQ(reportOf(store), QStringList{"1000: 程序没有END指令"});
}

TEST(ProgramCheck, MessagesCarryTheirKind)
{
    const QList<CheckMessage> messages =
        checkProgram(programOf({"LD X0", "LD X1", "OUT T50", "OUT T50", "K 1", "MC M120"}));
    QList<CheckKind> kinds;
    for (const CheckMessage& m : messages)
        kinds << m.kind;
    EXPECT_EQ(kinds, (QList<CheckKind>{CheckKind::Block, CheckKind::Constant, CheckKind::DoubleCoil,
                                       CheckKind::Pairing, CheckKind::End}));
}
