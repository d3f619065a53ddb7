#include "plc/ScanEngine.h"
#include "plc/SimScript.h"

#include "core/ProgramEvaluator.h"

#include <QHash>

#include <QStringList>
#include <gtest/gtest.h>

using namespace ladrix;
using namespace ladrix::plc;

namespace {

// "LD X0; OUT Y30; END": one step per part, mnemonic and operand.
std::vector<Step> program(const char* text)
{
    std::vector<Step> steps;
    for (const QString& part : QString::fromUtf8(text).split(u';')) {
        const QStringList fields = part.split(u' ', Qt::SkipEmptyParts);
        steps.push_back({fields.value(0), fields.value(1), {}});
    }
    return steps;
}

// The output changes of a run with the inputs of `script` ("0 X0 1; 500ms X0 0"), in ms:
// "0 Y30 1, 500 Y30 0".
std::string trace(const char* steps, const char* script, qint64 untilMs)
{
    ScanEngine engine;
    if (!engine.load(program(steps)))
        return "refused: " + engine.fault().toStdString();
    QString error;
    const auto events = parseInputScript(QString::fromUtf8(script).replace(u';', u'\n'), &error);
    if (!events)
        return "script: " + error.toStdString();
    QStringList changes;
    const bool ran = runWithInputs(engine, *events, untilMs, [&](const SimChange& c) {
        changes << QStringLiteral("%1 Y%2 %3").arg(c.atMs).arg(c.number).arg(int(c.on));
    });
    return ran ? changes.join(u", ").toStdString() : "stopped: " + engine.fault().toStdString();
}

TEST(ScanEngine, ProgramsGiveTheirOutputTraces)
{
    const struct {
        const char* name;
        const char* program;
        const char* inputs;
        qint64 untilMs;
        const char* expected;
    } cases[] = {
        {"self-holding circuit", "LD X0; OR Y30; ANI X1; OUT Y30; END",
         "0 X0 1; 100ms X0 0; 500ms X1 1; 600ms X1 0", 800, "0 Y30 1, 500 Y30 0"},
        {"1 s timer", "LD X0; OUT T50; K 1; LD T50; OUT Y30; END", "0 X0 1; 2 X0 0", 3000,
         "1000 Y30 1, 2000 Y30 0"},
        {"timer restarts from 0 after a break", "LD X0; OUT T50; K 0.5; LD T50; OUT Y30; END",
         "0 X0 1; 300ms X0 0; 400ms X0 1", 1000, "900 Y30 1"},
        {"counter with reset", "LD X0; OUT C60; K 3; LD X1; RST C60; LD C60; OUT Y30; END",
         "0 X0 1; 50ms X0 0; 100ms X0 1; 150ms X0 0; 200ms X0 1; 300ms X1 1", 400,
         "200 Y30 1, 300 Y30 0"},
        {"PLS is on for one scan", "LD X0; PLS M100; LD M100; OUT Y30; END",
         "100ms X0 1; 300ms X0 0; 400ms X0 1", 500, "100 Y30 1, 110 Y30 0, 400 Y30 1, 410 Y30 0"},
        {"SFT moves the chain on a rising edge",
         "LD X0; OUT M100; LD X1; SFT M100; LD M101; OUT Y30; LD M102; OUT Y31; END",
         "0 X0 1; 100ms X1 1; 150ms X1 0; 160ms X0 0; 200ms X1 1", 300,
         "100 Y30 1, 200 Y30 0, 200 Y31 1"},
        {"MC/MCR gates the outputs between them",
         "LD X0; MC M100; LD X1; OUT Y30; MCR M100; LD X1; OUT Y31; END",
         "0 X1 1; 100ms X0 1; 200ms X0 0", 300, "0 Y31 1, 100 Y30 1, 200 Y30 0"},
        {"CJP skips to its EJP and the skipped outputs hold",
         "LD X0; CJP D700; LD X1; OUT Y30; EJP D700; LD X1; OUT Y31; END",
         "0 X1 1; 100ms X0 1; 200ms X1 0; 300ms X0 0", 400,
         "0 Y30 1, 0 Y31 1, 200 Y31 0, 300 Y30 0"},
        {"STL chain has one active state",
         "LD M71; S S600; STL S600; OUT Y30; LD X0; S S601; STL S601; OUT Y31; LD X1; S S600; "
         "RET; END",
         "100ms X0 1; 150ms X0 0; 200ms X1 1", 300,
         "0 Y30 1, 100 Y31 1, 110 Y30 0, 210 Y30 1, 210 Y31 0"},
        {"S and R hold the output between them", "LD X0; S Y30; LD X1; R Y30; END",
         "0 X0 1; 50ms X0 0; 100ms X1 1", 200, "0 Y30 1, 100 Y30 0"},
        {"1 s clock and always-on relay", "LD M73; AND M70; OUT Y30; END", "", 1200,
         "0 Y30 1, 500 Y30 0, 1000 Y30 1"},
        {"0.1 s clock", "LD M72; OUT Y30; END", "", 140, "0 Y30 1, 50 Y30 0, 100 Y30 1"},
        {"nested MC: the inner one gates within the outer",
         "LD X0; MC M100; LD X1; MC M101; LD X2; OUT Y30; MCR M101; LD X2; OUT Y31; MCR M100; END",
         "0 X2 1; 100ms X0 1; 200ms X1 1; 300ms X0 0", 400,
         "100 Y31 1, 200 Y30 1, 300 Y30 0, 300 Y31 0"},
        {"a counter does not count while its MC is off",
         "LD X1; MC M100; LD X0; OUT C60; K 1; MCR M100; LD C60; OUT Y30; END",
         "0 X0 1; 50ms X0 0; 100ms X1 1; 150ms X0 1", 200, "150 Y30 1"},
        {"a timer skipped by CJP holds its count",
         "LD X1; CJP D700; LD X0; OUT T50; K 1; EJP D700; LD T50; OUT Y30; END",
         "0 X0 1; 500ms X1 1; 2s X1 0", 3000, "2500 Y30 1"},
        {"RST switches a relay off", "LD X0; S M100; LD X1; RST M100; LD M100; OUT Y30; END",
         "0 X0 1; 50ms X0 0; 100ms X1 1", 200, "0 Y30 1, 100 Y30 0"},
        {"contacts after an output go on with its condition",
         "LD X0; OUT Y30; AND X1; OUT Y31; END", "0 X1 1; 100ms X0 1", 200, "100 Y30 1, 100 Y31 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trace(c.program, c.inputs, c.untilMs), c.expected) << c.name;
    }
}

TEST(ScanEngine, BlocksCombineAsTheirTruthTables)
{
    const struct {
        const char* program;
        bool (*expected)(bool, bool, bool, bool);
    } cases[] = {
        {"LD X0; AND X1; LD X2; AND X3; ORB; OUT Y30; END",
         [](bool a, bool b, bool c, bool d) { return (a && b) || (c && d); }},
        {"LD X0; OR X1; LD X2; OR X3; ANB; OUT Y30; END",
         [](bool a, bool b, bool c, bool d) { return (a || b) && (c || d); }},
        {"LDI X0; ORI X1; ANI X2; OR X3; OUT Y30; END",
         [](bool a, bool b, bool c, bool d) { return ((!a || !b) && !c) || d; }},
    };
    for (const auto& c : cases) {
        ScanEngine engine;
        ASSERT_TRUE(engine.load(program(c.program))) << engine.fault().toStdString();
        engine.start();
        for (int bits = 0; bits < 16; ++bits) {
            for (int i = 0; i < 4; ++i)
                engine.setInput(i, bits & (1 << i));
            ASSERT_TRUE(engine.scan());
            EXPECT_EQ(engine.isOn(30), c.expected(bits & 1, bits & 2, bits & 4, bits & 8))
                << c.program << " inputs " << bits;
        }
    }
}

// One meaning of a program: a scan drives the outputs as the evaluator of the ladder
// conversions says, for every combination of the inputs.
TEST(ScanEngine, ScanAgreesWithTheConversionsEvaluator)
{
    const char* programs[] = {
        "LD X0; AND X1; LD X2; ANI X3; ORB; OR X0; OUT Y30; AND X3; OUT Y31; END",
        "LDI X0; LD X1; OR X2; LDI X3; ORB; ANB; OUT Y30; LD Y30; ANI X1; OUT Y31; END",
        "LD X0; OUT Y30; OUT Y31; LD X1; ORI X2; AND X3; OUT Y31; END",
    };
    for (const char* text : programs) {
        const std::vector<Step> steps = program(text);
        ScanEngine engine;
        ASSERT_TRUE(engine.load(steps)) << engine.fault().toStdString();
        engine.start();
        for (int bits = 0; bits < 16; ++bits) {
            QHash<QString, bool> image;
            for (int i = 0; i < 4; ++i) {
                engine.setInput(i, bits & (1 << i));
                image.insert(QStringLiteral("X%1").arg(i), bits & (1 << i));
            }
            const ProgramEvaluator evaluator(
                [&](const QString& dev) { return image.value(dev); },
                [&](const OutputAction& a) { image.insert(a.dev, a.power); });
            ASSERT_TRUE(evaluator.run(steps).ok);
            ASSERT_TRUE(engine.scan());
            for (int y : {30, 31}) {
                EXPECT_EQ(engine.isOn(y), image.value(QStringLiteral("Y%1").arg(y)))
                    << text << " inputs " << bits << " Y" << y;
            }
        }
    }
}

TEST(ScanEngine, ProgramThatCannotRunIsRefusedWithTheChecksReason)
{
    const struct {
        const char* program;
        const char* fault;
    } cases[] = {
        {"LD X0; OUT Y30", "0002: 程序没有END指令"},
        {"LD X0; LD X1; OUT Y30; END", "0001: LD X1开始的块没有用ANB或ORB连接"},
        {"LD X0; ORB; OUT Y30; END", "0001: ORB之前没有两个可以连接的块"},
        {"LD X0; CJP D700; OUT Y30; END", "0001: CJP D700之后没有对应的EJP"},
        {"LD X0; OUT T50; LD T50; OUT Y30; END", "0001: OUT T50之后没有K步"},
        {"STL S600; OUT Y30; END", "0000: STL S600开始的步进梯形图没有RET"},
        {"LD Y50; OUT Y30; END", "0000: 无效的器件号"},
    };
    for (const auto& c : cases) {
        ScanEngine engine;
        EXPECT_FALSE(engine.load(program(c.program))) << c.program;
        EXPECT_TRUE(engine.fault().startsWith(QString::fromUtf8(c.fault)))
            << c.program << ": " << engine.fault().toStdString();
        EXPECT_FALSE(engine.hasProgram());
        EXPECT_FALSE(engine.scan());
    }
}

TEST(ScanEngine, DoubleCoilRunsAndTheLastOutputWins)
{
    EXPECT_EQ(trace("LD X0; OUT Y30; LD X1; OUT Y30; END", "0 X0 1; 100ms X1 1; 200ms X0 0", 300),
              "100 Y30 1");
}

TEST(ScanEngine, ValuesAreCountedInTheUnitsTheMonitorShows)
{
    ScanEngine engine;
    ASSERT_TRUE(engine.load(program(
        "LD X0; OUT T50; K 12.3; LD X0; OUT T51; K 5; LD X1; OUT C60; K 2; LD T51; OUT Y30; END")));
    EXPECT_FALSE(engine.setData(700, 40000));
    EXPECT_FALSE(engine.setData(30, 1));
    ASSERT_TRUE(engine.setData(712, -12));
    engine.start();
    engine.setInput(0, true);
    for (int i = 0; i < 251; ++i) // the scans of 0 to 2.5 s
        ASSERT_TRUE(engine.scan());
    EXPECT_EQ(engine.value(50), 25); // tenths of a second: K has a point
    EXPECT_EQ(engine.value(51), 2);  // whole seconds
    EXPECT_FALSE(engine.isOn(51));
    engine.setInput(1, true);
    ASSERT_TRUE(engine.scan());
    EXPECT_EQ(engine.value(60), 1);
    EXPECT_EQ(engine.value(712), -12);
    EXPECT_EQ(engine.value(30), 0);
    ASSERT_EQ(engine.timersAndCounters().size(), 3u);
    EXPECT_EQ(engine.timersAndCounters()[0].preset, u"12.3");
    EXPECT_EQ(engine.timersAndCounters()[2].number, 60);
}

TEST(ScanEngine, StartClearsTheRunButKeepsInputsAndDataRegisters)
{
    ScanEngine engine;
    ASSERT_TRUE(engine.load(program("LD X0; S Y30; LD X0; OUT C60; K 5; END")));
    engine.setInput(0, true);
    engine.setData(700, 7);
    engine.start();
    ASSERT_TRUE(engine.scan());
    ASSERT_TRUE(engine.isOn(30) && engine.value(60) == 1);
    engine.start();
    EXPECT_EQ(engine.scanCount(), 0);
    EXPECT_FALSE(engine.isOn(30));
    EXPECT_EQ(engine.value(60), 0);
    EXPECT_TRUE(engine.isOn(0));
    EXPECT_EQ(engine.value(700), 7);
    engine.outputsOff();
    ASSERT_TRUE(engine.scan());
    EXPECT_TRUE(engine.isOn(30));
    EXPECT_EQ(engine.timeMs(), ScanEngine::kCycleMs);
}

} // namespace
