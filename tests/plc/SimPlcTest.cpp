#include "SequenceFixture.h"

#include "plc/Display.h"
#include "plc/SimPlc.h"
#include "plc/StepCoding.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

PlcDisplay press(SimPlc& plc, std::initializer_list<std::uint8_t> keys)
{
    PlcDisplay d;
    for (std::uint8_t k : keys) {
        d = decodeReply(plc.receive(k));
        fixDisp(d);
    }
    return d;
}

TEST(SimPlc, ProgramThatCannotRunKeepsProgramModeWithTheSameReply)
{
    SimPlc plc;
    SimController plain(2000);
    EXPECT_EQ(plc.receive(cmd::MonitorMode), plain.receive(cmd::MonitorMode));
    EXPECT_FALSE(plc.running());
    EXPECT_EQ(plc.fault(), u"程序无法运行：0000: 程序没有END指令");
    // In PROGRAM mode the keys still enter steps.
    EXPECT_EQ(press(plc, {key::Ld, key::Nop0, key::Nop0, key::Nop0}).ins, u"LD");

    storeProgram(plc.controller(), "LD X000; OUT Y030; END");
    QSignalSpy refused(&plc, &SimPlc::runRefused);
    EXPECT_TRUE(plc.run());
    EXPECT_TRUE(plc.fault().isEmpty());
    EXPECT_EQ(refused.count(), 0);
    plc.stop();
    EXPECT_FALSE(plc.running());
}

TEST(SimPlc, SteppedClockRunsTheScansOfTheTimeItMoves)
{
    SimPlc plc;
    plc.setSteppedClock(true);
    storeProgram(plc.controller(), "LD X000; OUT T050; K 1; LD T050; OUT Y030; END");
    plc.setInput(0, true);
    ASSERT_TRUE(plc.run());
    plc.advance(1000);
    EXPECT_EQ(plc.engine().scanCount(), 100);
    EXPECT_FALSE(plc.engine().isOn(30));
    plc.advance(5);
    EXPECT_EQ(plc.engine().scanCount(), 100);
    plc.advance(5);
    EXPECT_EQ(plc.engine().scanCount(), 101);
    EXPECT_TRUE(plc.engine().isOn(30));
}

TEST(SimPlc, WallClockDrivesTheScans)
{
    SimPlc plc;
    storeProgram(plc.controller(), "LD M070; OUT Y030; END");
    QElapsedTimer wall;
    wall.start();
    ASSERT_TRUE(plc.run());
    QTest::qWait(300);
    const qint64 elapsed = wall.elapsed();
    // One scan per 10 ms of wall time, give or take the ticks still to come.
    EXPECT_LE(plc.engine().scanCount(), elapsed / ScanEngine::kCycleMs);
    EXPECT_GE(plc.engine().scanCount(), (elapsed - 100) / ScanEngine::kCycleMs);
    EXPECT_TRUE(plc.engine().isOn(30));
}

// Windows get at most 20 pictures a second however fast the scans change the devices.
TEST(SimPlc, PicturesComeAtMostEvery50msWhileRunning)
{
    SimPlc plc;
    storeProgram(plc.controller(), "LD M072; OUT Y030; END"); // changes every 50 ms
    QSignalSpy changed(&plc, &SimPlc::changed);
    QElapsedTimer wall;
    wall.start();
    ASSERT_TRUE(plc.run());
    QTest::qWait(500);
    const qint64 elapsed = wall.elapsed();
    EXPECT_GE(changed.count(), 3);
    EXPECT_LE(changed.count(), elapsed / 50 + 1);
    plc.stop();
}

TEST(SimPlc, HighSpeedWriteStopsTheRunAndSwitchesTheOutputsOff)
{
    SimPlc plc;
    plc.setSteppedClock(true);
    storeProgram(plc.controller(), "LD M070; OUT Y030; END");
    ASSERT_TRUE(plc.run());
    plc.advance(10);
    ASSERT_TRUE(plc.engine().isOn(30));
    plc.receive(cmd::LeadIn);
    plc.receive(cmd::WriteModel1);
    EXPECT_FALSE(plc.running());
    EXPECT_FALSE(plc.engine().isOn(30));
    EXPECT_EQ(plc.fault(), u"高速写入时PLC已停止");
}

TEST(SimPlc, MonitorKeysShowTheRunningProgramsDevices)
{
    SimPlc plc;
    plc.setSteppedClock(true);
    storeProgram(plc.controller(), "LD X000; OUT Y030; LD X000; OUT T050; K 12.3; END");
    plc.setInput(0, true);
    ASSERT_TRUE(plc.setData(712, 345));
    ASSERT_TRUE(plc.run());
    plc.advance(5110); // scans 0 to 5.1 s
    press(plc, {key::Clear, key::Nop0, key::Pls3, key::Nop0, key::WriteMonitor});
    PlcDisplay d = press(plc, {key::EndPoint});
    EXPECT_EQ(d, (PlcDisplay{"OUT", "030"})); // display code 5: the lamp is on
    press(plc, {key::Clear, key::Nop0, key::Anb5, key::Nop0, key::WriteMonitor});
    EXPECT_EQ(press(plc, {key::EndPoint}), (PlcDisplay{"K", "051"})); // 5.1 s in tenths
    press(plc, {key::Clear, key::Ldi7, key::Rst1, key::Sft2, key::EndPoint, key::WriteMonitor});
    EXPECT_EQ(press(plc, {key::KSearch}), (PlcDisplay{"K", "345"}));
}

TEST(SimPlc, PicturesCarryTheInputsOutputsAndTimersInUse)
{
    SimPlc plc;
    plc.setSteppedClock(true);
    storeProgram(plc.controller(), "LD X001; OUT Y031; LD X001; OUT C060; K 3; END");
    QSignalSpy changed(&plc, &SimPlc::changed);
    plc.setInput(1, true);
    ASSERT_TRUE(changed.wait(1000)); // pictures come at most every 50 ms
    ASSERT_TRUE(plc.run());
    plc.advance(20);
    const SimSnapshot s = plc.snapshot();
    EXPECT_TRUE(s.running);
    EXPECT_EQ(s.scans, 2);
    ASSERT_EQ(s.inputs.size(), ScanEngine::inputNumbers().size());
    EXPECT_EQ(s.inputs[1], 1);
    ASSERT_EQ(s.outputs.size(), ScanEngine::outputNumbers().size());
    EXPECT_EQ(s.outputs[1], 1); // Y31: outputs start at Y30
    ASSERT_EQ(s.values.size(), 1u);
    EXPECT_EQ(s.values[0].number, 60);
    EXPECT_EQ(s.values[0].value, 1);
    EXPECT_EQ(s.values[0].preset, u"3");
}

// Whatever the memory holds and whatever bytes come, the controller answers, and it runs only a
// program its scan can execute.
TEST(SimPlc, AnyMemoryAndByteStreamRunSafely)
{
    std::uint32_t x = 2024;
    auto next = [&x] {
        x = x * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(x >> 16);
    };
    int ran = 0;
    for (int round = 0; round < 300; ++round) {
        SimPlc plc;
        plc.setSteppedClock(true);
        // Short programs of the instructions that make sense after an LD, so that some run.
        const int length = 1 + round % 12;
        for (int i = 0; i < length; ++i)
            plc.controller().setWord(i, QByteArray{char(next()), char(next())});
        plc.controller().setWord(length, encodeStep(Step{"END", "", ""}));
        plc.setInput(next() % 24, true);
        if (plc.run()) {
            ++ran;
            ASSERT_TRUE(plc.engine().hasProgram());
        } else {
            ASSERT_FALSE(plc.fault().isEmpty());
        }
        plc.advance(200);
        for (int i = 0; i < 200; ++i) {
            const QByteArray reply = plc.receive(next());
            ASSERT_TRUE(reply.size() <= 5 || reply.size() % 2 == 0);
            if (i % 20 == 0)
                plc.advance(10);
        }
        ASSERT_TRUE(!plc.running() || plc.engine().hasProgram());
    }
    EXPECT_GT(ran, 0);
}

} // namespace
