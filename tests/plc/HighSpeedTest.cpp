#include "FakeLink.h"
#include "SequenceFixture.h"

#include "plc/StepCoding.h"

#include <QElapsedTimer>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {
using HighSpeed = SequenceFixture;
} // namespace

TEST_F(HighSpeed, WriteThenReadGivesTheProgramBack)
{
    const ProgramStore program = sampleProgram();
    SequenceResult r = seq::highSpeedWrite(run, program);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"写入已完成！");
    EXPECT_TRUE(messages.contains(u"正在固化程序，请稍待..."));
    for (int i = 0; i <= program.getEndStep(); ++i)
        EXPECT_EQ(link.controller().word(i), encodeStep(program.step(i))) << i;

    r = seq::highSpeedRead(run, 0);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"读取已完成!");
    EXPECT_EQ(r.words, enCodeA(program));
    ProgramStore back;
    back.step(100) = step("LD", "X007");
    const DecodeResult d = deCodeA(r.words, back);
    EXPECT_EQ(d.stored, program.getEndStep() + 1);
    for (int i = 0; i <= program.getEndStep(); ++i) {
        // A high-speed read stores NOP steps as empty ones.
        const Step expected = program.step(i).ins == u"NOP" ? step("", "") : program.step(i);
        EXPECT_EQ(back.step(i), expected) << i;
    }
    EXPECT_EQ(back.step(100), step("LD", "X007"));
}

TEST(HighSpeedFraming, BytesOnTheWireFollowTheModel)
{
    FakeLink wire;
    wire.open();
    KeyExchange keys(wire, KeyTiming{2, 100});
    std::atomic_bool cancel{false};
    SequenceRunner run(wire, keys, TransferDelays{}.scaled(0.02), cancel);
    ProgramStore program;
    program.plcType = 1;
    program.step(0) = step("END", "");
    for (int i = 0; i < 3; ++i)
        wire.script({}); // 254, 174 and the first byte of the word get no answer
    wire.script({{1, QByteArray("\x20\x0D\x00\x00", 4)}});
    ASSERT_TRUE(seq::highSpeedWrite(run, program).ok());
    EXPECT_EQ(wire.written(), QByteArray("\xFE\xAE\x20\x0D\xA6\xFE", 6));

    FakeLink readWire;
    readWire.open();
    KeyExchange readKeys(readWire, KeyTiming{2, 100});
    SequenceRunner reader(readWire, readKeys, TransferDelays{}.scaled(0.02), cancel);
    readWire.script({});
    readWire.script({{2, QByteArray("\x22\x7A", 2)}, {6, QByteArray("\x20\x0D\x20", 3)}});
    const SequenceResult r = seq::highSpeedRead(reader, 1);
    EXPECT_EQ(readWire.written(), QByteArray("\xFE\xAC\xA6", 3));
    EXPECT_EQ(r.words, QByteArray("\x22\x7A\x20\x0D\x20", 5)); // the odd byte is the caller's
}

TEST_F(HighSpeed, SilentControllerEndsTheWriteAfterBoundedRetries)
{
    link.setFaults(SimFaults{0, true, 0, 0, 0, {}});
    ProgramStore program;
    program.step(0) = step("END", "");
    QElapsedTimer t;
    t.start();
    const SequenceResult r = seq::highSpeedWrite(run, program);
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.failedStep, 0);
    EXPECT_EQ(r.message, u"PLC连接超时");
    EXPECT_LT(t.elapsed(), 2000);
}

TEST_F(HighSpeed, ReadOfASilentControllerEndsAfterTwoQuietChecks)
{
    link.setFaults(SimFaults{0, true, 0, 0, 0, {}});
    QElapsedTimer t;
    t.start();
    const SequenceResult r = seq::highSpeedRead(run, 0);
    const qint64 ms = t.elapsed();
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.words.isEmpty());
    // Lead-in wait plus two silence periods (scaled to 20 ms and 10 ms here).
    EXPECT_GE(ms, 20 + 2 * 10);
    EXPECT_LT(ms, 500);
}

TEST_F(HighSpeed, SlowControllerIsWaitedForWithoutRepeatingWords)
{
    TransferDelays delays = TransferDelays{}.scaled(0.02);
    delays.wordGapMs = 2;
    delays.wordRetryMs = 200;
    SequenceRunner slow(link, keys, delays, cancel);
    link.setFaults(SimFaults{25, false, 0, 0, 0, {}}); // answers long after the word gap
    const ProgramStore program = sampleProgram();
    ASSERT_TRUE(seq::highSpeedWrite(slow, program).ok());
    for (int i = 0; i <= program.getEndStep(); ++i)
        EXPECT_EQ(link.controller().word(i), encodeStep(program.step(i))) << i;
}
