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
    const int end = program.getEndStep();
    SequenceResult r = seq::highSpeedWrite(run, program);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"写入已完成！");
    EXPECT_TRUE(messages.contains(u"正在固化程序，请稍待..."));
    EXPECT_EQ(storedWords(end + 1), enCodeA(program));

    r = seq::highSpeedRead(run, 0);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.message, u"读取已完成!");
    EXPECT_EQ(r.words, enCodeA(program));
    ProgramStore back;
    back.step(100) = step("LD", "X007");
    EXPECT_EQ(deCodeA(r.words, back).stored, end + 1);
    for (int i = 0; i <= end; ++i) {
        // A high-speed read stores NOP steps as empty ones.
        const Step expected = program.step(i).ins == u"NOP" ? step("", "") : program.step(i);
        EXPECT_EQ(back.step(i), expected) << i;
    }
    EXPECT_EQ(back.step(100), step("LD", "X007"));
}

// A step whose word would stand for another number (a four-digit constant, a constant with its
// point in the wrong place, text) would change silently on the way: the write refuses the
// program before sending anything, as the key write refuses the step. Steps whose operand
// the controller ignores pass.
TEST_F(HighSpeed, StepThatTheWordCannotHoldFailsTheWriteBeforeAnyByte)
{
    const QByteArray before = storedWords(3);
    for (const char* bad : {"K 1000", "K 1.5", "K ABC", "LD X1000"}) {
        const QByteArray text = QByteArray("ANB X5; ") + bad + "; END";
        const SequenceResult r = seq::highSpeedWrite(run, programOf(text.constData()));
        EXPECT_EQ(r.outcome, SequenceOutcome::Failed) << bad;
        EXPECT_EQ(r.failedStep, 1) << bad;
        EXPECT_EQ(r.message, u"写入失败");
        EXPECT_TRUE(r.dialogText.startsWith(u"无法写入第 1步")) << r.dialogText.toStdString();
    }
    EXPECT_EQ(storedWords(3), before);
    EXPECT_TRUE(seq::highSpeedWrite(run, programOf("ANB X5; K 5; K 99.9; END")).ok());
}

TEST(HighSpeedFraming, BytesOnTheWireFollowTheModel)
{
    std::atomic_bool cancel{false};
    FakeLink wire, readWire;
    KeyExchange keys(wire, KeyTiming{2, 100}), readKeys(readWire, KeyTiming{2, 100});
    SequenceRunner writer(wire, keys, TransferDelays{}.scaled(0.02), cancel);
    SequenceRunner reader(readWire, readKeys, TransferDelays{}.scaled(0.02), cancel);
    wire.open();
    readWire.open();
    ProgramStore program = programOf("END");
    program.plcType = 1;
    for (int i = 0; i < 3; ++i)
        wire.script({}); // 254, 174 and the first byte of the word get no answer
    wire.script({{1, QByteArray("\x20\x0D\x00\x00", 4)}});
    ASSERT_TRUE(seq::highSpeedWrite(writer, program).ok());
    EXPECT_EQ(wire.written(), QByteArray("\xFE\xAE\x20\x0D\xA6\xFE", 6));

    readWire.script({});
    readWire.script({{2, QByteArray("\x22\x7A", 2)}, {6, QByteArray("\x20\x0D\x20", 3)}});
    const SequenceResult r = seq::highSpeedRead(reader, 1);
    EXPECT_EQ(readWire.written(), QByteArray("\xFE\xAC\xA6", 3));
    EXPECT_EQ(r.words, QByteArray("\x22\x7A\x20\x0D\x20", 5));
}

// Words come whole: a lone byte, or more words than the store holds, is a failed read that
// names what came, never a program decoded from it.
TEST(HighSpeedFraming, ReadOfAnOddByteCountOrTooManyWordsFails)
{
    const struct {
        QByteArray bytes;
        const char* why;
    } rows[] = {
        {QByteArray("\x22\x7A\x20", 3), "PLC 送来 3 个字节，最后一步不完整，程序未改变"},
        {QByteArray(2 * 2002, '\x20'), "PLC 送来的程序超过 2001 步，程序未改变"},
    };
    for (const auto& row : rows) {
        std::atomic_bool cancel{false};
        FakeLink wire;
        wire.open();
        KeyExchange keys(wire, KeyTiming{2, 100});
        SequenceRunner reader(wire, keys, TransferDelays{}.scaled(0.02), cancel);
        wire.script({});
        wire.script({{2, row.bytes}});
        const SequenceResult r = seq::highSpeedRead(reader, 0);
        EXPECT_EQ(r.outcome, SequenceOutcome::Failed) << row.why;
        EXPECT_EQ(r.message, u"读取失败");
        EXPECT_EQ(r.dialogText, QString::fromUtf8(row.why));
    }
}

TEST_F(HighSpeed, SilentControllerEndsTheWriteAfterRetriesAndTheReadAfterTwoQuietChecks)
{
    silence();
    QElapsedTimer t;
    t.start();
    SequenceResult r = seq::highSpeedWrite(run, programOf("END"));
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_EQ(r.failedStep, 0);
    EXPECT_EQ(r.message, u"PLC连接超时");
    EXPECT_LT(t.restart(), 2000);

    r = seq::highSpeedRead(run, 0);
    const qint64 ms = t.elapsed();
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut); // not "done" with nothing read
    EXPECT_EQ(r.message, u"PLC连接超时");
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
    link.setFaults(faults(&SimFaults::latencyMs, 25)); // answers long after the word gap
    const ProgramStore program = sampleProgram();
    ASSERT_TRUE(seq::highSpeedWrite(slow, program).ok());
    EXPECT_EQ(storedWords(program.getEndStep() + 1), enCodeA(program));
}

// Slower still than the retry time: a word sent again is stored twice and the rest shift.
// The second answer gives it away; the write must not report success.
TEST_F(HighSpeed, AnswerLaterThanTheRetryFailsTheWriteInsteadOfShiftingTheProgram)
{
    TransferDelays delays = TransferDelays{}.scaled(0.02);
    delays.wordGapMs = 2;
    delays.wordRetryMs = 30;
    SequenceRunner slow(link, keys, delays, cancel);
    link.setFaults(faults(&SimFaults::latencyMs, 45));
    const SequenceResult r = seq::highSpeedWrite(slow, programOf("LD X000; OUT Y030; END"));
    EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
    EXPECT_EQ(r.failedStep, 0);
    EXPECT_EQ(r.message, u"写入失败");
}
