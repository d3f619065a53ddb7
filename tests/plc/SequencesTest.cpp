#include "FakeLink.h"
#include "SequenceFixture.h"

#include "plc/StepCoding.h"

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

TEST_F(ConnectAndKeys, ConnectSendsHelloThenClearAndTimesOutWhenSilent)
{
    SequenceResult r = seq::connectPlc(run);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"已连接");
    EXPECT_EQ(sentCodes(), (V{166, 227}));
    EXPECT_EQ(messages.front(), u"正在等待PLC的回应...");
    silence();
    r = seq::connectPlc(run);
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

TEST_F(ConnectAndKeys, RawKeysStopAtAPortFault)
{
    link.close();
    const SequenceResult r = seq::sendKeys(run, {227, 182, 228});
    EXPECT_EQ(r.outcome, SequenceOutcome::LinkFailed);
    EXPECT_FALSE(r.dialogText.isEmpty());
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(WriteByKeys, WritesEveryStepUpToEndAsItsWord)
{
    const ProgramStore program = sampleProgram();
    const int end = program.getEndStep();
    const SequenceResult r = seq::writeByKeys(run, program, WriteRange{0, 999, true});
    ASSERT_TRUE(r.ok()) << r.dialogText.toStdString();
    EXPECT_EQ(r.message, u"写入已完成");
    EXPECT_EQ(count(key::WriteMonitor), end + 1);
    EXPECT_EQ(storedWords(end + 1), enCodeA(program));
    // The read that gives it back runs through the session owner (SessionTest).
}

TEST_F(WriteByKeys, ClearsThenPositionsAtTheStartStep)
{
    const ProgramStore program = programOf("LD X001; LD X001; LD X001; LD X001; LD X001; LD X001;"
                                           "LD X001; LD X001");
    ASSERT_TRUE(seq::writeByKeys(run, program, WriteRange{5, 6, false}).ok());
    const V codes = sentCodes();
    EXPECT_EQ(V(codes.begin(), codes.begin() + 15),
              (V{214, 227, 211, 228, 211, 214, 214, 214, 210, 227, 211, 228, 228, 213, 119}));
    EXPECT_EQ(count(key::WriteMonitor), 2); // program steps 5 and 6 into controller 5 and 6
    const QByteArray nop = encodeStep(step("NOP", "")), ld = encodeStep(program.step(5));
    EXPECT_EQ(storedWords(8).mid(8), nop + ld + ld + nop);
    EXPECT_TRUE(messages.contains(u"正在写入第 5步   \n指令:LD  数据:X001"));
}

TEST_F(WriteByKeys, StartOutsideTheKeyedStepsBeginsAtZero)
{
    for (int from : {-3, 1500}) {
        sent.clear();
        EXPECT_TRUE(seq::writeByKeys(run, programOf("END"), WriteRange{from, from, false}).ok());
        const V codes = sentCodes();
        EXPECT_EQ(V(codes.begin() + 10, codes.begin() + 15), (V{211, 228, 228, 228, 119})) << from;
    }
}

TEST_F(WriteByKeys, DisplayMismatchEndsTheWriteWithTheStep)
{
    // Only three digits of K 1000 can be keyed.
    const SequenceResult r =
        seq::writeByKeys(run, programOf("ANB; K 1000; END"), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 1);
    EXPECT_EQ(r.message, u"写入失败");
    EXPECT_EQ(r.dialogText, u"无法写入第 1步   \n指令:K  数据:1000");
    EXPECT_EQ(count(key::WriteMonitor), 1);
}

// Keys reach controller steps 0 to 999 only: a second-model program with steps past that
// fails before the controller's program is touched instead of being cut short as "done".
TEST_F(WriteByKeys, StepsPastTheKeyedRangeFailBeforeAnyKey)
{
    ProgramStore program;
    program.plcType = 1;
    for (int i = 0; i < 1200; ++i)
        program.step(i) = Step{QStringLiteral("LD"), QStringLiteral("X000"), QString()};
    program.step(1200).ins = QStringLiteral("END");
    SequenceResult r = seq::writeByKeys(run, program, WriteRange{0, 1999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 1000);
    EXPECT_EQ(r.message, u"写入失败");
    EXPECT_EQ(r.dialogText, u"无法写入第 1000步   \n指令:LD  数据:X000");
    EXPECT_TRUE(sent.empty());

    // Empty steps past it are nothing to lose.
    for (int i = 20; i <= 1200; ++i)
        program.step(i) = Step{};
    program.step(19) = Step{QStringLiteral("END"), QString(), QString()};
    r = seq::writeByKeys(run, program, WriteRange{990, 1999, false});
    EXPECT_TRUE(r.ok()) << r.dialogText.toStdString();
}

// A number with a character no key stands for cannot be keyed; the step is refused as one the
// controller would not show, not sent as key code 0 and mistaken for a silent controller.
TEST_F(WriteByKeys, NumberWithoutKeysIsRefusedAsTheStep)
{
    for (const char* text : {"K -5; END", "K ABC; END", "LD X0A; END"}) {
        sent.clear();
        const SequenceResult r = seq::writeByKeys(run, programOf(text), WriteRange{0, 999, true});
        EXPECT_EQ(r.outcome, SequenceOutcome::Failed) << text;
        EXPECT_EQ(r.failedStep, 0) << text;
        EXPECT_EQ(count(0), 0) << text;
    }
}

TEST_F(WriteByKeys, GarbledDisplayIsCaughtBeforeStoring)
{
    // Replies 1-15 are the clear and positioning keys; reply 19 is step 0's last digit.
    link.setFaults(faults(&SimFaults::garbleEvery, 19));
    const SequenceResult r = seq::writeByKeys(run, sampleProgram(), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 0);
    EXPECT_EQ(count(key::WriteMonitor), 0);
}

TEST_F(WriteByKeys, SilentControllerIsAFailureNotASuccess)
{
    silence();
    const SequenceResult r = seq::writeByKeys(run, programOf("END"), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.message, u"PLC连接超时");
    EXPECT_EQ(sent.size(), 1u); // stopped at the first key
}

// The deletion may be answered late; the CLEAR after its delay decides whether the write goes on.
TEST_F(WriteByKeys, LateAnswerToTheDeletionIsWaitedOut)
{
    for (const bool clearAnswered : {true, false}) {
        FakeLink wire;
        wire.open();
        KeyExchange wireKeys(wire, KeyTiming{2, 100});
        SequenceRunner writer(wire, wireKeys, TransferDelays{}.scaled(0.02), cancel);
        for (int i = 0; i < 8; ++i)
            wire.script({{0, displayReply(255, 15, 15, 15)}});
        wire.script({}); // DEL
        if (!clearAnswered)
            wire.script({});
        for (int i = 0; i < 11; ++i)
            wire.script({{0, displayReply(2, 0, 0, 0)}});
        const SequenceResult r = seq::writeByKeys(writer, programOf("END"), WriteRange{});
        EXPECT_EQ(r.ok(), clearAnswered);
        EXPECT_EQ(wire.written().back(), char(clearAnswered ? key::WriteMonitor : key::Clear));
    }
}

// With the start after the END step nothing would be written, yet the old program would be
// cleared and the write called done.
TEST_F(WriteByKeys, EmptyRangeFailsBeforeAnyKey)
{
    const SequenceResult r =
        seq::writeByKeys(run, programOf("LD X000; END"), WriteRange{5, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.message, u"写入失败");
    EXPECT_EQ(r.dialogText, u"起始步 5 在结束步 1 之后，没有要传送的步");
    EXPECT_TRUE(sent.empty());
}

TEST_F(WriteByKeys, TimeOutNamesTheStepItStoppedAt)
{
    // Keys 1-15 clear and position; step 0 takes five, step 1's instruction key is the 21st.
    link.setFaults(faults(&SimFaults::dropEvery, 21));
    const SequenceResult r =
        seq::writeByKeys(run, programOf("LD X000; OUT Y030; END"), WriteRange{});
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.failedStep, 1);
}

TEST_F(WriteByKeys, CancelStopsAfterTheCurrentStep)
{
    onKey = [this](const KeyResult& k) { cancel = cancel || k.key == key::WriteMonitor; };
    const SequenceResult r = seq::writeByKeys(run, sampleProgram(), WriteRange{0, 999, true});
    EXPECT_EQ(r.outcome, SequenceOutcome::Cancelled);
    EXPECT_EQ(r.message, u"写入已取消");
    EXPECT_EQ(count(key::WriteMonitor), 1);
    EXPECT_FALSE(cancel); // taken by the loop
}

TEST_F(ReadByKeys, StoresFromTheDestinationStepAndStopsAtEnd)
{
    ASSERT_TRUE(seq::writeByKeys(run, programOf("LD X027; END"), WriteRange{}).ok());
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

// Keys reach controller steps 0 to 999 only. A read asked for more that found no END there
// keeps what it read but does not call itself complete.
TEST_F(ReadByKeys, RangePastTheKeyedStepsWithoutEndIsNotComplete)
{
    SequenceResult r = seq::readByKeys(run, ReadRange{0, 1999, 0, true}, 1999);
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 1000);
    EXPECT_EQ(r.message, u"读取失败");
    EXPECT_FALSE(r.dialogText.isEmpty());
    EXPECT_EQ(r.steps.size(), 1000u);

    ASSERT_TRUE(seq::writeByKeys(run, programOf("LD X027; END"), WriteRange{}).ok());
    r = seq::readByKeys(run, ReadRange{0, 1999, 0, true}, 1999);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.steps.size(), 2u);
}

// The controller is positioned on the step before the first one asked for, so "+" shows that
// step: step 999 for a read from 0, as always, and step 4 for a read from 5.
TEST_F(ReadByKeys, ReadsTheStepsOfTheRangeAskedFor)
{
    ASSERT_TRUE(seq::writeByKeys(run,
                                 programOf("LD X000; LD X001; LD X002; LD X003; LD X004; LD X005;"
                                           "OUT Y030; END"),
                                 WriteRange{})
                    .ok());
    sent.clear();
    const SequenceResult r = seq::readByKeys(run, ReadRange{5, 6, 0, false}, 999);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(sentCodes(), (V{227, 211, 228, 228, 229, 119, 119, 115, 115}));
    ASSERT_EQ(r.steps.size(), 2u);
    EXPECT_EQ(r.steps[0], (std::pair<int, Step>{0, step("LD", "X005")}));
    EXPECT_EQ(r.steps[1], (std::pair<int, Step>{1, step("OUT", "Y030")}));
    EXPECT_TRUE(messages.contains(u"正在读出第 6步   \n指令:OUT  数据:030"));
}

// A range that ends before it starts, or starts where keys cannot reach, would read nothing
// (or the wrong steps) and call it done: it fails before any key.
TEST_F(ReadByKeys, RangeThatCannotBeReadFailsBeforeAnyKey)
{
    const struct {
        ReadRange range;
        int maxStep;
        const char* why;
    } rows[] = {
        {{7, 3, 0, true}, 999, "起始步 7 在结束步 3 之后，没有要传送的步"},
        {{1200, 1300, 0, true}, 1999, "按键读取只能读到第 999 步，其后的程序请用高速读取"},
    };
    for (const auto& row : rows) {
        sent.clear();
        const SequenceResult r = seq::readByKeys(run, row.range, row.maxStep);
        EXPECT_EQ(r.outcome, SequenceOutcome::Failed) << row.why;
        EXPECT_EQ(r.message, u"读取失败");
        EXPECT_EQ(r.dialogText, QString::fromUtf8(row.why));
        EXPECT_TRUE(sent.empty());
    }
}

TEST_F(ReadByKeys, TimeOutKeepsWhatWasReadAndSaysSo)
{
    link.setFaults(faults(&SimFaults::dropEvery, 10));
    const SequenceResult r = seq::readByKeys(run, ReadRange{0, 20, 0, false}, 999);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.steps.size(), 2u); // keys 1-7 position, 8-9 read, 10 is lost
    EXPECT_EQ(r.failedStep, 2);
}

TEST_F(ClearAndCopy, ClearAndCopiesMoveTheProgram)
{
    const QByteArray ld = encodeStep(step("LD", "X027"));
    link.controller().setWord(0, ld);
    ASSERT_TRUE(seq::clearOrCopy(run, ClearCopyOp::RamToEeprom).ok());
    EXPECT_EQ(link.controller().eepromWord(0), ld);
    EXPECT_EQ(seq::clearOrCopy(run, ClearCopyOp::Clear).message, u"清除已完成");
    EXPECT_EQ(link.controller().word(0), encodeStep(step("", "")));
    EXPECT_EQ(seq::clearOrCopy(run, ClearCopyOp::EepromToRam).message, u"拷贝已完成");
    EXPECT_EQ(link.controller().word(0), ld);
    EXPECT_EQ(sentCodes().back(), key::WriteMonitor);
}

// Watching keys the device number; polling shows the lamp, or the value with the point key.
TEST_F(Monitor, WatchAndPollKeysTheDevice)
{
    const struct {
        const char* field;
        int device;
        bool on;
        int value;
        V watchKeys;
        std::uint8_t pollKey;
        const char* shown;
    } rows[] = {
        {" 027 ", 27, true, 0, {227, 228, 180, 117, 183}, key::EndPoint, nullptr},
        {"712", 712, false, 345, {227, 117, 212, 180, 215, 183}, key::KSearch, "345"},
        {"输入点(X)", 0, false, 0, {227, 228, 228, 228, 183}, key::EndPoint, "000"},
    };
    ASSERT_TRUE(seq::setRunMode(run, true).ok());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        link.controller().setDevice(row.device, row.on, row.value);
        sent.clear();
        const SequenceResult w = seq::watchDevice(run, QString::fromUtf8(row.field));
        EXPECT_EQ(w.monDev, row.device);
        EXPECT_EQ(sentCodes(), row.watchKeys);
        const SequenceResult r = seq::pollDevice(run, w.monDev);
        EXPECT_EQ(sentCodes().back(), row.pollKey);
        EXPECT_EQ(r.deviceOn, row.on);
        if (row.shown) {
            EXPECT_EQ(r.display.num, QString::fromUtf8(row.shown));
        }
    }
    link.controller().setDevice(0, true);
    EXPECT_TRUE(seq::pollDevice(run, 0).deviceOn);
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
    silence();
    const SequenceResult r = seq::pollDevice(run, 50);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.display.num, u"042");
}
