#include "SequenceFixture.h"

#include "plc/SimPlc.h"
#include "plc/SimScript.h"
#include "plc/StepCoding.h"

#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

TEST(SimScript, ReadsTimesAndDevicesAsScriptsWriteThem)
{
    const struct {
        const char* text;
        qint64 ms; // -1: refused
    } times[] = {{"1.5", 1500}, {"1.5s", 1500}, {"500ms", 500}, {"0.0015", 2},
                 {".25", 250},  {"2S", 2000},   {"-1", -1},     {"1e3", -1},
                 {"soon", -1},  {"36001", -1},  {"", -1}};
    for (const auto& t : times) {
        const std::optional<qint64> ms = parseSimTime(QString::fromUtf8(t.text));
        EXPECT_EQ(ms.value_or(-1), t.ms) << t.text;
    }
    const struct {
        const char* text;
        const char* name; // empty: refused
    } devices[] = {{"X0", "X0"}, {"y030", "Y30"}, {"D777", "D777"}, {"X28", ""},
                   {"Y50", ""},  {"K10", ""},     {"X", ""},        {"X 1", ""}};
    for (const auto& d : devices) {
        const std::optional<Device> device = parseSimDevice(QString::fromUtf8(d.text));
        EXPECT_EQ(device ? device->name().toStdString() : std::string(), d.name) << d.text;
    }
}

TEST(SimScript, ScriptLinesComeInTimeOrderAndABadLineIsNamed)
{
    QString error;
    const auto events =
        parseInputScript("# start\n1s X1 on\n\n0.5 D700 -12\r\n1000ms X2 0\n", &error);
    ASSERT_TRUE(events) << error.toStdString();
    ASSERT_EQ(events->size(), 3u);
    EXPECT_EQ((*events)[0].atMs, 500);
    EXPECT_EQ((*events)[0].value, -12);
    EXPECT_EQ((*events)[1].device.name(), u"X1"); // same time: file order
    EXPECT_EQ((*events)[2].device.name(), u"X2");

    const struct {
        const char* script;
        const char* error;
    } bad[] = {
        {"0 X0", "line 1: expected TIME DEVICE VALUE"},
        {"0 X0 1\nlater X0 0", "line 2: \"later\" is no time (1.5, 1.5s, 500ms)"},
        {"0 X30 1", "line 1: \"X30\" is no device"},
        {"0 Y30 1", "line 1: Y30 is no input X or data register D"},
        {"0 X0 2", "line 1: an input is switched 1, 0, on or off, not \"2\""},
        {"0 D700 32768", "line 1: a data register holds -32768 to 32767, not \"32768\""},
    };
    for (const auto& b : bad) {
        EXPECT_FALSE(parseInputScript(QString::fromUtf8(b.script), &error)) << b.script;
        EXPECT_EQ(error, QString::fromUtf8(b.error));
    }
}

TEST(SimScript, ConsoleAnswersEveryControlLine)
{
    SimPlc plc;
    plc.setSteppedClock(true);
    storeProgram(plc.controller(), "LD X000; OUT T050; K 1; LD T050; OUT Y030; END");
    SimConsole console(plc);
    const struct {
        const char* line;
        const char* answer;
    } lines[] = {
        {"# comment", ""},
        {"mode", "stop"},
        {"X0 on", "ok"},
        {"run", "ok"},
        {"step 1s", "ok"},
        {"? T50", "T50 0 0"},
        {"? Y30", "Y30 0"},
        {"step 10ms", "ok"},
        {"? T50", "T50 1 1"},
        {"? Y30", "Y30 1"},
        {"? X0", "X0 1"},
        {"time", "1.010 101"},
        {"D700 -12", "ok"},
        {"? D700", "D700 -12"},
        {"mode", "run"},
        {"Y30 1", "error: Y30 is no input X or data register D"},
        {"step later", "error: \"later\" is no time (1.5, 1.5s, 500ms)"},
        {"jump", "error: unknown command \"jump\""},
        {"stop", "ok"},
        {"mode", "stop"},
        {"? Y30", "Y30 0"},
    };
    for (const auto& l : lines) {
        EXPECT_EQ(console.handle(QString::fromUtf8(l.line)), QString::fromUtf8(l.answer)) << l.line;
    }
    plc.controller().setWord(2, encodeStep(Step{"NOP", "", ""}));
    EXPECT_EQ(console.handle("run"), u"error: 程序无法运行：0001: OUT T050之后没有K步");
    EXPECT_EQ(console.handle("mode"), u"stop 程序无法运行：0001: OUT T050之后没有K步");

    plc.setSteppedClock(false);
    EXPECT_EQ(console.handle("step 1s"),
              u"error: the clock follows the wall clock (start with --stepped)");
}

} // namespace
