#include "SequenceFixture.h"

#include "plc/StepCoding.h"

#include <QElapsedTimer>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;
using V = std::vector<std::uint8_t>;

namespace {

using ConnectAndKeys = SequenceFixture;
using WriteByKeys = SequenceFixture;
using ReadByKeys = SequenceFixture;
using ClearAndCopy = SequenceFixture;
using Monitor = SequenceFixture;

} // namespace

TEST_F(ConnectAndKeys, ConnectSendsHelloThenClear)
{
    const SequenceResult r = seq::connectPlc(run);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"已连接");
    EXPECT_EQ(sentCodes(), (V{166, 227}));
    EXPECT_EQ(messages.front(), u"正在等待PLC的回应...");
}

TEST_F(ConnectAndKeys, SilentControllerTimesOut)
{
    link.setFaults(SimFaults{0, true, 0, 0, 0, {}});
    const SequenceResult r = seq::connectPlc(run);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.message, u"PLC连接超时");
}

TEST_F(ConnectAndKeys, RawKeysAreAllSentEvenAfterATimeOut)
{
    const SequenceResult r = seq::sendKeys(run, {227, 1, 182});
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(sentCodes(), (V{227, 1, 182}));
    EXPECT_FALSE(sent[1].ok());
    EXPECT_TRUE(sent[2].ok());
    EXPECT_EQ(r.display.ins, u"LD");
}

TEST_F(WriteByKeys, WritesEveryStepUpToEndAsItsWord)
{
    const ProgramStore program = sampleProgram();
    const int end = program.getEndStep();
    const SequenceResult r = seq::writeByKeys(run, program, WriteRange{0, 999, true});
    ASSERT_TRUE(r.ok()) << r.dialogText.toStdString();
    EXPECT_EQ(r.message, u"写入已完成");
    EXPECT_EQ(count(key::WriteMonitor), end + 1);
    for (int i = 0; i <= end; ++i)
        EXPECT_EQ(link.controller().word(i), encodeStep(program.step(i))) << i;

    // The read that gives it back runs through the session owner (SessionTest).
}

TEST_F(WriteByKeys, ClearsThenPositionsAtTheStartStep)
{
    ProgramStore program;
    for (int i = 0; i < 8; ++i)
        program.step(i) = step("LD", "X001");
    const SequenceResult r = seq::writeByKeys(run, program, WriteRange{5, 6, false});
    ASSERT_TRUE(r.ok());
    const V codes = sentCodes();
    EXPECT_EQ(V(codes.begin(), codes.begin() + 15),
              (V{214, 227, 211, 228, 211, 214, 214, 214, 210, 227, 211, 228, 228, 213, 119}));
    EXPECT_EQ(count(key::WriteMonitor), 2); // program steps 5 and 6 into controller 5 and 6
    EXPECT_EQ(link.controller().word(5), encodeStep(step("LD", "X001")));
    EXPECT_EQ(link.controller().word(4), encodeStep(step("NOP", "")));
    EXPECT_TRUE(messages.contains(u"正在写入第 5步   \n指令:LD  数据:X001"));
}

TEST_F(WriteByKeys, StartOutsideTheKeyedStepsBeginsAtZero)
{
    ProgramStore program;
    program.step(0) = step("END", "");
    for (int from : {-3, 1500}) {
        sent.clear();
        const SequenceResult r = seq::writeByKeys(run, program, WriteRange{from, from, false});
        EXPECT_TRUE(r.ok()) << from;
        const V codes = sentCodes();
        EXPECT_EQ(V(codes.begin() + 10, codes.begin() + 15), (V{211, 228, 228, 228, 119}));
    }
}

TEST_F(WriteByKeys, DisplayMismatchEndsTheWriteWithTheStep)
{
    ProgramStore program;
    program.step(0) = step("ANB", "");
    program.step(1) = step("K", "1000"); // only three digits can be keyed
    program.step(2) = step("END", "");
    const SequenceResult r = seq::writeByKeys(run, program, WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 1);
    EXPECT_EQ(r.message, u"写入失败");
    EXPECT_EQ(r.dialogText, u"无法写入第 1步   \n指令:K  数据:1000");
    EXPECT_EQ(count(key::WriteMonitor), 1);
}

TEST_F(WriteByKeys, GarbledDisplayIsCaughtBeforeStoring)
{
    // Replies 1-15 are the clear and positioning keys; reply 19 is step 0's last digit.
    link.setFaults(SimFaults{0, false, 0, 0, 19, {}});
    const SequenceResult r = seq::writeByKeys(run, sampleProgram(), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 0);
    EXPECT_EQ(count(key::WriteMonitor), 0);
}

TEST_F(WriteByKeys, SilentControllerIsAFailureNotASuccess)
{
    ProgramStore program;
    program.step(0) = step("END", "");
    link.setFaults(SimFaults{0, true, 0, 0, 0, {}});
    const SequenceResult r = seq::writeByKeys(run, program, WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.message, u"PLC连接超时");
    EXPECT_EQ(sent.size(), 1u); // stopped at the first key
}

TEST_F(WriteByKeys, CancelStopsAfterTheCurrentStep)
{
    onKey = [this](const KeyResult& k) {
        if (k.key == key::WriteMonitor)
            cancel = true;
    };
    const SequenceResult r = seq::writeByKeys(run, sampleProgram(), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Cancelled);
    EXPECT_EQ(count(key::WriteMonitor), 1);
    EXPECT_FALSE(cancel); // taken by the loop
}

TEST_F(ReadByKeys, StoresFromTheDestinationStepAndStopsAtEnd)
{
    ProgramStore program;
    program.step(0) = step("LD", "X027");
    program.step(1) = step("END", "");
    ASSERT_TRUE(seq::writeByKeys(run, program, WriteRange{}).ok());
    SequenceResult r = seq::readByKeys(run, ReadRange{0, 999, 10, true}, 999);
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_EQ(r.steps[0], (std::pair<int, Step>{10, step("LD", "X027")}));
    EXPECT_EQ(r.steps[1], (std::pair<int, Step>{11, step("END", "")}));

    // Without the END stop the count comes from the range; empty steps read as NOP.
    r = seq::readByKeys(run, ReadRange{0, 3, 0, false}, 999);
    ASSERT_EQ(r.steps.size(), 4u);
    EXPECT_EQ(r.steps[3].second, step("NOP", ""));
    EXPECT_TRUE(messages.contains(u"正在读出第 3步   \n指令:NOP  数据:000"));
}

TEST_F(ReadByKeys, TimeOutKeepsWhatWasReadAndSaysSo)
{
    link.setFaults(SimFaults{0, false, 10, 0, 0, {}});
    const SequenceResult r = seq::readByKeys(run, ReadRange{0, 20, 0, false}, 999);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.steps.size(), 2u); // keys 1-7 position, 8-9 read, 10 is lost
}

TEST_F(ClearAndCopy, ClearAndCopiesMoveTheProgram)
{
    link.controller().setWord(0, encodeStep(step("LD", "X027")));
    ASSERT_TRUE(seq::clearOrCopy(run, ClearCopyOp::RamToEeprom).ok());
    EXPECT_EQ(link.controller().eepromWord(0), encodeStep(step("LD", "X027")));
    const SequenceResult cleared = seq::clearOrCopy(run, ClearCopyOp::Clear);
    EXPECT_EQ(cleared.message, u"清除已完成");
    EXPECT_EQ(link.controller().word(0), encodeStep(step("", "")));
    const SequenceResult copied = seq::clearOrCopy(run, ClearCopyOp::EepromToRam);
    EXPECT_EQ(copied.message, u"拷贝已完成");
    EXPECT_EQ(link.controller().word(0), encodeStep(step("LD", "X027")));
    EXPECT_EQ(sentCodes().back(), key::WriteMonitor);
}

TEST_F(Monitor, WatchKeysTheNumberAndPollShowsTheLamp)
{
    ASSERT_TRUE(seq::setRunMode(run, true).ok());
    link.controller().setDevice(27, true);
    sent.clear();
    SequenceResult r = seq::watchDevice(run, QStringLiteral(" 027 "));
    EXPECT_EQ(r.monDev, 27);
    EXPECT_EQ(sentCodes(), (V{227, 228, 180, 117, 183}));
    r = seq::pollDevice(run, r.monDev);
    EXPECT_EQ(sentCodes().back(), key::EndPoint);
    EXPECT_TRUE(r.deviceOn);
    link.controller().setDevice(27, false);
    EXPECT_FALSE(seq::pollDevice(run, 27).deviceOn);
}

TEST_F(Monitor, DataRegistersUseThePointAndSearchKeys)
{
    seq::setRunMode(run, true);
    link.controller().setDevice(712, false, 345);
    sent.clear();
    SequenceResult r = seq::watchDevice(run, QStringLiteral("712"));
    EXPECT_EQ(sentCodes(), (V{227, 117, 212, 180, 215, 183}));
    r = seq::pollDevice(run, r.monDev);
    EXPECT_EQ(sentCodes().back(), key::KSearch);
    EXPECT_EQ(r.display.num, u"345");
}

TEST_F(Monitor, GroupNodeWatchesZeroAndBlankFieldShowsEmpty)
{
    seq::setRunMode(run, true);
    sent.clear();
    const SequenceResult r = seq::watchDevice(run, QStringLiteral("输入点(X)"));
    EXPECT_EQ(r.monDev, 0);
    EXPECT_EQ(sentCodes(), (V{227, 228, 228, 228, 183}));
    EXPECT_EQ(seq::pollDevice(run, 0).display.num, u"000");
    // With no device picked the display is blank, which shows as an empty field.
    ASSERT_TRUE(run.key(key::Clear).ok());
    const SequenceResult polled = seq::pollDevice(run, 0);
    EXPECT_TRUE(polled.ok());
    EXPECT_EQ(polled.display.num, QString());
}

TEST_F(Monitor, PollTimeOutKeepsThePreviousDisplay)
{
    seq::setRunMode(run, true);
    link.controller().setDevice(50, true, 42);
    seq::watchDevice(run, QStringLiteral("050"));
    ASSERT_EQ(seq::pollDevice(run, 50).display.num, u"042");
    link.setFaults(SimFaults{0, true, 0, 0, 0, {}});
    const SequenceResult r = seq::pollDevice(run, 50);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.display.num, u"042");
}
