#include "SequenceFixture.h"

#include "plc/Display.h"
#include "plc/KeyCodes.h"
#include "plc/SimController.h"
#include "plc/StepCoding.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

PlcDisplay press(SimController& c, std::initializer_list<std::uint8_t> keys)
{
    PlcDisplay d;
    for (std::uint8_t k : keys) {
        const QByteArray reply = c.receive(k);
        EXPECT_EQ(reply.size(), kReplySize) << int(k);
        d = decodeReply(reply);
        fixDisp(d);
    }
    return d;
}

PlcDisplay goTo(SimController& c, int step)
{
    press(c, {key::Step});
    for (QChar ch : QString::number(step).rightJustified(3, u'0'))
        press(c, {keyOfDigitChar(ch)});
    return press(c, {key::Instr});
}

void enter(SimController& c, const Step& s)
{
    DataKeys keys{};
    for (std::uint8_t k : stepKeys(s, keys))
        press(c, {k});
    press(c, {key::WriteMonitor});
}

// The words of `n` steps from `from`, and the words a listing "LD X000; NOP" encodes to.
QByteArray words(const SimController& c, int from, int n)
{
    QByteArray w;
    for (int i = from; i < from + n; ++i)
        w += c.word(i);
    return w;
}
QByteArray enc(const char* listing)
{
    const ProgramStore p = programOf(listing);
    QByteArray w;
    for (int i = 0; i <= QByteArray(listing).count(';'); ++i)
        w += encodeStep(p.step(i));
    return w;
}

const PlcDisplay kBlank{"", "151515"};

} // namespace

TEST(SimControllerKeys, DisplayShowsWhatWasKeyedAndWriteStoresIt)
{
    SimController c;
    EXPECT_EQ(goTo(c, 0), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(press(c, {key::Ld}), (PlcDisplay{"LD", "151515"}));
    EXPECT_EQ(press(c, {key::Nop0}), (PlcDisplay{"LD", "15150"}));
    EXPECT_EQ(press(c, {key::Sft2}), (PlcDisplay{"LD", "1502"}));
    EXPECT_EQ(press(c, {key::Ldi7}), (PlcDisplay{"LD", "027"}));
    // WRITE stores the step and shows the next one.
    EXPECT_EQ(press(c, {key::WriteMonitor}), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(c.word(0), QByteArray("\x22\x7A", 2));
    EXPECT_EQ(c.address(), 1);
    EXPECT_EQ(press(c, {key::Minus}), (PlcDisplay{"LD", "027"}));
}

TEST(SimControllerKeys, PointConstantsAndSharedKeysStoreTheirWords)
{
    SimController c;
    goTo(c, 10);
    EXPECT_EQ(press(c, {key::KSearch, key::Rst1, key::Sft2, key::EndPoint, key::Pls3}),
              (PlcDisplay{"K", "12.3"}));
    press(c, {key::WriteMonitor});
    // NOP/0 with 120 is MC; END/. with 575 is RET; ANB with 600 is STL.
    EXPECT_EQ(press(c, {key::Nop0, key::Rst1, key::Sft2, key::Nop0}), (PlcDisplay{"MC", "120"}));
    press(c, {key::WriteMonitor});
    EXPECT_EQ(press(c, {key::EndPoint, key::Anb5, key::Ldi7, key::Anb5}),
              (PlcDisplay{"RET", "575"}));
    press(c, {key::WriteMonitor});
    enter(c, step("STL", "S600"));
    EXPECT_EQ(words(c, 10, 4), enc("K 12.3; MC M120; RET M575; STL S600"));
    EXPECT_EQ(goTo(c, 13), (PlcDisplay{"STL", "600"}));
}

TEST(SimControllerKeys, StepsWrapAround999)
{
    SimController c;
    goTo(c, 999);
    enter(c, step("OUT", "Y030"));
    EXPECT_EQ(c.address(), 0);
    EXPECT_EQ(press(c, {key::Minus}), (PlcDisplay{"OUT", "030"}));
    EXPECT_EQ(press(c, {key::Plus}), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(c.address(), 0);
    // The handheld keys three digits: a second-model controller wraps the same way.
    SimController big(2000);
    goTo(big, 999);
    press(big, {key::Plus});
    EXPECT_EQ(big.address(), 0);
}

TEST(SimControllerKeys, DeleteRangeSingleDeleteAndInsert)
{
    SimController c;
    goTo(c, 0);
    for (const char* x : {"X000", "X001", "X002", "X003", "X004"})
        enter(c, step("LD", x));
    // STEP 1 STEP 2 DEL empties steps 1 and 2.
    press(c, {key::Clear, key::Step, key::Rst1, key::Step, key::Sft2, key::Del});
    EXPECT_EQ(words(c, 0, 4), enc("LD X000; NOP; NOP; LD X003"));
    // DEL on a shown step removes it; later steps move up.
    goTo(c, 0);
    press(c, {key::Del});
    EXPECT_EQ(words(c, 0, 3), enc("NOP; NOP; LD X003"));
    EXPECT_EQ(c.word(999), encodeStep(step("NOP", "")));
    // INS puts the keyed step before the current one.
    goTo(c, 2);
    press(c, {key::Out4, key::Nop0, key::Pls3, key::Nop0, key::Ins});
    EXPECT_EQ(words(c, 2, 2), enc("OUT Y030; LD X003"));
}

TEST(SimControllerKeys, ClearSequenceAndCopiesBetweenRamAndEeprom)
{
    SimController c;
    goTo(c, 0);
    enter(c, step("LD", "X027"));
    // STEP 8 0 9 + WRITE x3: RAM to EEPROM.
    press(c, {key::Clear, key::Step, key::Ani8, key::Nop0, key::Ori9, key::WriteMonitor,
              key::WriteMonitor});
    EXPECT_EQ(c.eepromWord(0), enc("NOP")); // not before the third WRITE
    press(c, {key::WriteMonitor});
    EXPECT_EQ(c.eepromWord(0), enc("LD X027"));
    // The write's clear sequence: ORI/9 CLEAR STEP 0 STEP 9 9 9 DEL.
    press(c, {key::Ori9, key::Clear, key::Step, key::Nop0, key::Step, key::Ori9, key::Ori9,
              key::Ori9, key::Del});
    EXPECT_EQ(c.word(0), enc("NOP"));
    // STEP 9 0 8 + WRITE x3: EEPROM back to RAM.
    press(c, {key::Clear, key::Step, key::Ori9, key::Nop0, key::Ani8, key::WriteMonitor,
              key::WriteMonitor, key::WriteMonitor});
    EXPECT_EQ(c.word(0), enc("LD X027"));
}

TEST(SimControllerModes, CommandsAreAnsweredBlankAndUnknownBytesNotAtAll)
{
    SimController c;
    EXPECT_EQ(press(c, {cmd::Hello}), kBlank);
    EXPECT_TRUE(c.receive(std::uint8_t{1}).isEmpty());
    EXPECT_TRUE(c.receive(std::uint8_t{0x99}).isEmpty());
    EXPECT_EQ(press(c, {cmd::MonitorMode}), kBlank);
    EXPECT_EQ(c.mode(), SimController::Mode::Monitor);
    // In monitor mode WRITE picks a device instead of storing a step.
    press(c, {key::Ld, key::Nop0, key::Nop0, key::Nop0, key::WriteMonitor});
    EXPECT_EQ(press(c, {cmd::ProgramMode}), kBlank);
    EXPECT_EQ(c.mode(), SimController::Mode::Program);
    EXPECT_EQ(c.word(0), enc("NOP"));
}

TEST(SimControllerBytes, AnyByteStreamIsAnsweredSafely)
{
    for (int steps : {1000, 2000}) {
        SimController c(steps);
        std::uint32_t x = 12345;
        for (int i = 0; i < 200000; ++i) {
            x = x * 1103515245u + 12345u;
            const QByteArray reply = c.receive(static_cast<std::uint8_t>(x >> 16));
            // Display replies, or step words and the four-byte answers of the high-speed mode.
            ASSERT_TRUE(reply.size() == kReplySize || reply.size() % 2 == 0) << i;
            ASSERT_GE(c.address(), 0);
            ASSERT_LT(c.address(), 1000);
        }
    }
    for (int w = 0; w < 0x10000; ++w) // every word decodes to something the store can hold
        EXPECT_FALSE(decodeWord(w >> 8, w & 0xFF).num.isEmpty());
}

TEST(SimControllerHighSpeed, ReadSendsWordsUpToEnd)
{
    SimController c;
    c.setWord(0, enc("LD X027"));
    c.setWord(1, enc("END"));
    c.setWord(2, enc("OUT Y030"));
    EXPECT_TRUE(c.receive(cmd::LeadIn).isEmpty());
    EXPECT_EQ(c.receive(cmd::ReadModel0), QByteArray("\x22\x7A\x20\x0D", 4));
    EXPECT_TRUE(c.receive(cmd::Hello).isEmpty()); // ends the framing without a reply
    EXPECT_EQ(c.receive(cmd::Hello).size(), kReplySize);

    SimController empty;
    empty.receive(cmd::LeadIn);
    EXPECT_EQ(empty.receive(cmd::ReadModel1).size(), 2 * 1000); // no END: all of memory

    // The first model's request asks for its 1000 steps, also of the larger memory.
    SimController large(2000);
    large.receive(cmd::LeadIn);
    EXPECT_EQ(large.receive(cmd::ReadModel0).size(), 2 * 1000);
    large.receive(cmd::Hello);
    large.receive(cmd::LeadIn);
    EXPECT_EQ(large.receive(cmd::ReadModel1).size(), 2 * 2000);
}

TEST(SimControllerHighSpeed, WriteAnswersEachWordWithFourBytesAndStoresIt)
{
    SimController c;
    c.receive(cmd::LeadIn);
    EXPECT_TRUE(c.receive(cmd::WriteModel0).isEmpty());
    EXPECT_TRUE(c.receive(std::uint8_t{0x22}).isEmpty());
    EXPECT_EQ(c.receive(std::uint8_t{0x7A}), QByteArray("\x22\x7A\x00\x00", 4));
    EXPECT_EQ(c.receive(QByteArray("\x20\x0D", 2)), QByteArray("\x20\x0D\x00\x01", 4));
    EXPECT_TRUE(c.receive(cmd::Hello).isEmpty());
    EXPECT_TRUE(c.receive(cmd::LeadIn).isEmpty());
    EXPECT_EQ(words(c, 0, 2), enc("LD X027; END"));
    // A key after the lead-in leaves the framing and is answered as a key.
    EXPECT_EQ(c.receive(key::Clear).size(), kReplySize);

    SimController small(1);
    small.receive(cmd::LeadIn);
    small.receive(cmd::WriteModel1);
    EXPECT_EQ(small.receive(QByteArray("\x22\x7A", 2)).size(), 4);
    EXPECT_TRUE(small.receive(QByteArray("\x20\x0D", 2)).isEmpty()); // no room: no answer
    EXPECT_EQ(words(small, 0, 1), enc("LD X027"));
}

TEST(FaultyReplies, DropTruncateGarbleExtraAndSilence)
{
    const QByteArray reply("\0\x0c\x00\x02\x07", 5);
    FaultyReplies drop(faults(&SimFaults::dropEvery, 2));
    EXPECT_EQ(drop.shape(reply), reply);
    EXPECT_TRUE(drop.shape(reply).isEmpty());
    EXPECT_TRUE(drop.shape(QByteArray()).isEmpty()); // no reply is not counted:
    EXPECT_EQ(drop.shape(reply), reply);             // this is the third
    EXPECT_EQ(FaultyReplies(faults(&SimFaults::truncateEvery, 1)).shape(reply), reply.left(3));
    EXPECT_EQ(FaultyReplies(faults(&SimFaults::garbleEvery, 1)).shape(reply),
              QByteArray("\0\x0c\x01\x02\x07", 5));
    EXPECT_EQ(FaultyReplies(faults(&SimFaults::extra, QByteArray("\x01", 1))).shape(reply).size(),
              6);
    EXPECT_TRUE(FaultyReplies(faults(&SimFaults::silent, true)).shape(reply).isEmpty());
}
