#include "plc/SimController.h"
#include "plc/Display.h"
#include "plc/KeyCodes.h"
#include "plc/StepCoding.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

PlcDisplay press(SimController& c, std::uint8_t k)
{
    const QByteArray reply = c.receive(k);
    EXPECT_EQ(reply.size(), kReplySize) << int(k);
    PlcDisplay d = decodeReply(reply);
    fixDisp(d);
    return d;
}

PlcDisplay pressAll(SimController& c, std::initializer_list<std::uint8_t> keys)
{
    PlcDisplay d;
    for (std::uint8_t k : keys)
        d = press(c, k);
    return d;
}

PlcDisplay goTo(SimController& c, int step)
{
    const QString digits = QString::number(step).rightJustified(3, u'0');
    press(c, key::Step);
    for (QChar ch : digits)
        press(c, keyOfDigitChar(ch));
    return press(c, key::Instr);
}

void enter(SimController& c, const Step& s)
{
    DataKeys keys{};
    for (std::uint8_t k : stepKeys(s, keys))
        press(c, k);
    press(c, key::WriteMonitor);
}

Step step(const char* ins, const char* data)
{
    return Step{QString::fromUtf8(ins), QString::fromUtf8(data), QString()};
}

const PlcDisplay kBlank{"", "151515"};

} // namespace

TEST(SimControllerKeys, DisplayShowsWhatWasKeyedAndWriteStoresIt)
{
    SimController c;
    EXPECT_EQ(goTo(c, 0), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(press(c, key::Ld), (PlcDisplay{"LD", "151515"}));
    EXPECT_EQ(press(c, key::Nop0), (PlcDisplay{"LD", "15150"}));
    EXPECT_EQ(press(c, key::Sft2), (PlcDisplay{"LD", "1502"}));
    EXPECT_EQ(press(c, key::Ldi7), (PlcDisplay{"LD", "027"}));
    // WRITE stores the step and shows the next one.
    EXPECT_EQ(press(c, key::WriteMonitor), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(c.word(0), QByteArray("\x22\x7A", 2));
    EXPECT_EQ(c.address(), 1);
    EXPECT_EQ(press(c, key::Minus), (PlcDisplay{"LD", "027"}));
}

TEST(SimControllerKeys, PointConstantsAndSharedKeysStoreTheirWords)
{
    SimController c;
    goTo(c, 10);
    EXPECT_EQ(pressAll(c, {key::KSearch, key::Rst1, key::Sft2, key::EndPoint, key::Pls3}),
              (PlcDisplay{"K", "12.3"}));
    press(c, key::WriteMonitor);
    EXPECT_EQ(c.word(10), encodeStep(step("K", "12.3")));
    // NOP/0 with 120 is MC; END/. with 575 is RET; ANB with 600 is STL.
    EXPECT_EQ(pressAll(c, {key::Nop0, key::Rst1, key::Sft2, key::Nop0}), (PlcDisplay{"MC", "120"}));
    press(c, key::WriteMonitor);
    EXPECT_EQ(pressAll(c, {key::EndPoint, key::Anb5, key::Ldi7, key::Anb5}),
              (PlcDisplay{"RET", "575"}));
    press(c, key::WriteMonitor);
    enter(c, step("STL", "S600"));
    EXPECT_EQ(c.word(11), encodeStep(step("MC", "M120")));
    EXPECT_EQ(c.word(12), encodeStep(step("RET", "M575")));
    EXPECT_EQ(c.word(13), encodeStep(step("STL", "S600")));
    EXPECT_EQ(goTo(c, 13), (PlcDisplay{"STL", "600"}));
}

TEST(SimControllerKeys, StepsWrapAround999)
{
    SimController c;
    goTo(c, 999);
    enter(c, step("OUT", "Y030"));
    EXPECT_EQ(c.address(), 0);
    EXPECT_EQ(press(c, key::Minus), (PlcDisplay{"OUT", "030"}));
    EXPECT_EQ(press(c, key::Plus), (PlcDisplay{"NOP", "000"}));
    EXPECT_EQ(c.address(), 0);
    // The handheld keys three digits: a second-model controller wraps the same way.
    SimController big(2000);
    goTo(big, 999);
    press(big, key::Plus);
    EXPECT_EQ(big.address(), 0);
}

TEST(SimControllerKeys, DeleteRangeSingleDeleteAndInsert)
{
    SimController c;
    goTo(c, 0);
    for (int i = 0; i < 5; ++i)
        enter(c, step("LD", QByteArray("X00" + QByteArray::number(i)).constData()));
    // STEP 1 STEP 2 DEL empties steps 1 and 2.
    pressAll(c, {key::Clear, key::Step, key::Rst1, key::Step, key::Sft2, key::Del});
    EXPECT_EQ(c.word(0), encodeStep(step("LD", "X000")));
    EXPECT_EQ(c.word(1), encodeStep(step("NOP", "")));
    EXPECT_EQ(c.word(2), encodeStep(step("NOP", "")));
    EXPECT_EQ(c.word(3), encodeStep(step("LD", "X003")));
    // DEL on a shown step removes it; later steps move up.
    goTo(c, 0);
    press(c, key::Del);
    EXPECT_EQ(c.word(0), encodeStep(step("NOP", "")));
    EXPECT_EQ(c.word(2), encodeStep(step("LD", "X003")));
    EXPECT_EQ(c.word(999), encodeStep(step("NOP", "")));
    // INS puts the keyed step before the current one.
    goTo(c, 2);
    pressAll(c, {key::Out4, key::Nop0, key::Pls3, key::Nop0, key::Ins});
    EXPECT_EQ(c.word(2), encodeStep(step("OUT", "Y030")));
    EXPECT_EQ(c.word(3), encodeStep(step("LD", "X003")));
}

TEST(SimControllerKeys, ClearSequenceAndCopiesBetweenRamAndEeprom)
{
    SimController c;
    goTo(c, 0);
    enter(c, step("LD", "X027"));
    // STEP 8 0 9 + WRITE x3: RAM to EEPROM.
    pressAll(c, {key::Clear, key::Step, key::Ani8, key::Nop0, key::Ori9});
    press(c, key::WriteMonitor);
    press(c, key::WriteMonitor);
    EXPECT_EQ(c.eepromWord(0), encodeStep(step("NOP", ""))); // not before the third WRITE
    press(c, key::WriteMonitor);
    EXPECT_EQ(c.eepromWord(0), encodeStep(step("LD", "X027")));
    // The write's clear sequence: ORI/9 CLEAR STEP 0 STEP 9 9 9 DEL.
    pressAll(c, {key::Ori9, key::Clear, key::Step, key::Nop0, key::Step, key::Ori9, key::Ori9,
                 key::Ori9, key::Del});
    EXPECT_EQ(c.word(0), encodeStep(step("NOP", "")));
    // STEP 9 0 8 + WRITE x3: EEPROM back to RAM.
    pressAll(c, {key::Clear, key::Step, key::Ori9, key::Nop0, key::Ani8, key::WriteMonitor,
                 key::WriteMonitor, key::WriteMonitor});
    EXPECT_EQ(c.word(0), encodeStep(step("LD", "X027")));
}

TEST(SimControllerModes, ModeCommandsSwitchAndBlankTheDisplay)
{
    SimController c;
    EXPECT_EQ(press(c, cmd::MonitorMode), kBlank);
    EXPECT_EQ(c.mode(), SimController::Mode::Monitor);
    // In monitor mode WRITE picks a device instead of storing a step.
    pressAll(c, {key::Ld, key::Nop0, key::Nop0, key::Nop0, key::WriteMonitor});
    EXPECT_EQ(press(c, cmd::ProgramMode), kBlank);
    EXPECT_EQ(c.mode(), SimController::Mode::Program);
    EXPECT_EQ(c.word(0), encodeStep(step("NOP", "")));
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

TEST(SimControllerBytes, HelloAnswersAndUnknownBytesGetNoReply)
{
    SimController c;
    EXPECT_EQ(press(c, cmd::Hello), kBlank);
    EXPECT_TRUE(c.receive(std::uint8_t{1}).isEmpty());
    EXPECT_TRUE(c.receive(std::uint8_t{0x99}).isEmpty());
}

TEST(SimControllerHighSpeed, ReadSendsWordsUpToEnd)
{
    SimController c;
    c.setWord(0, encodeStep(step("LD", "X027")));
    c.setWord(1, encodeStep(step("END", "")));
    c.setWord(2, encodeStep(step("OUT", "Y030")));
    EXPECT_TRUE(c.receive(cmd::LeadIn).isEmpty());
    EXPECT_EQ(c.receive(cmd::ReadModel0), QByteArray("\x22\x7A\x20\x0D", 4));
    EXPECT_TRUE(c.receive(cmd::Hello).isEmpty()); // ends the framing without a reply
    EXPECT_EQ(c.receive(cmd::Hello).size(), kReplySize);

    SimController empty;
    empty.receive(cmd::LeadIn);
    EXPECT_EQ(empty.receive(cmd::ReadModel1).size(), 2 * 1000); // no END: all of memory
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
    EXPECT_EQ(c.word(0), encodeStep(step("LD", "X027")));
    EXPECT_EQ(c.word(1), encodeStep(step("END", "")));
    // A key after the lead-in leaves the framing and is answered as a key.
    EXPECT_EQ(c.receive(key::Clear).size(), kReplySize);
}

TEST(FaultyReplies, DropTruncateGarbleExtraAndSilence)
{
    const QByteArray reply("\0\x0c\x00\x02\x07", 5);
    FaultyReplies drop(SimFaults{0, false, 2, 0, 0, {}});
    EXPECT_EQ(drop.shape(reply), reply);
    EXPECT_TRUE(drop.shape(reply).isEmpty());
    EXPECT_TRUE(drop.shape(QByteArray()).isEmpty()); // no reply is not counted

    FaultyReplies cut(SimFaults{0, false, 0, 1, 0, {}});
    EXPECT_EQ(cut.shape(reply), reply.left(3));

    FaultyReplies garble(SimFaults{0, false, 0, 0, 1, {}});
    EXPECT_EQ(garble.shape(reply), QByteArray("\0\x0c\x01\x02\x07", 5));

    FaultyReplies extra(SimFaults{0, false, 0, 0, 0, QByteArray("\x01", 1)});
    EXPECT_EQ(extra.shape(reply).size(), 6);

    FaultyReplies silent(SimFaults{0, true, 0, 0, 0, {}});
    EXPECT_TRUE(silent.shape(reply).isEmpty());
}
