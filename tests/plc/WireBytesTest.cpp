#include "ScriptedPty.h"
#include "SequenceFixture.h"

#include "plc/PlcSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

// The exact bytes of each operation, through the serial port, against a controller played from
// a script (not the program's own simulated controller).
namespace {

using Bytes = std::vector<int>;

QByteArray bytesOf(const Bytes& bytes)
{
    QByteArray out;
    for (int b : bytes)
        out += char(b);
    return out;
}

std::optional<SequenceResult> await(PlcSession& session, const std::function<bool()>& request)
{
    std::optional<SequenceResult> result;
    QEventLoop loop;
    QObject::connect(&session, &PlcSession::finished, &loop, [&](const SequenceResult& r) {
        result = r;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (request())
        loop.exec();
    return result;
}

const Bytes kClearOld = {214, 227, 211, 228, 211, 214, 214, 214, 210, 227};

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct WireBytes : testing::Test {
    ScriptedPty plc;
    PlcSession session;

    void SetUp() override
    {
        ASSERT_FALSE(plc.path().isEmpty());
        session.setKeyTiming(KeyTiming{5, 300});
        session.setTransferDelays(TransferDelays{}.scaled(0.05));
        const auto opened = await(session, [&] { return session.openPort(plc.path()); });
        ASSERT_TRUE(opened && opened->ok()) << (opened ? opened->dialogText.toStdString() : "");
    }
    SequenceResult run(const std::function<bool()>& request)
    {
        plc.clearReceived();
        const auto r = await(session, request);
        EXPECT_TRUE(r.has_value());
        // A closing byte may still be on its way through the terminal.
        for (qsizetype seen = -1; seen != plc.received().size();) {
            seen = plc.received().size();
            QTest::qWait(20);
        }
        return r.value_or(SequenceResult{});
    }
};

} // namespace

TEST_F(WireBytes, KeyWritesAndReads)
{
    const auto program = programOf("LD X027; OUT Y030; ANB; END; NOP; LD X001; OUT Y031");
    const struct {
        const char* what;
        std::function<bool(PlcSession&)> request;
        Bytes expected;
    } rows[] = {
        {"write from 0 to END at step 3",
         [&](PlcSession& s) {
             return s.writeProgram(program, WriteRange{0, 999, true});
         },
         kClearOld + Bytes{211, 228, 228, 228, 119} + Bytes{182, 228, 180, 117, 183} +
             Bytes{229, 228, 116, 228, 183} + Bytes{213, 228, 228, 228, 183} +
             Bytes{215, 228, 228, 228, 183}},
        {"write steps 5 and 6 from txtWFrom 5",
         [&](PlcSession& s) {
             return s.writeProgram(program, WriteRange{5, 6, false});
         },
         kClearOld + Bytes{211, 228, 228, 213, 119} + Bytes{182, 228, 228, 212, 183} +
             Bytes{229, 228, 116, 212, 183}},
        {"read into txtRStart 10 up to END",
         [](PlcSession& s) {
             return s.readProgram(ReadRange{0, 999, 10, true}, 999);
         },
         Bytes{227, 211, 214, 214, 214, 119, 119, 115, 115, 115}},
        {"read from step 5",
         [](PlcSession& s) {
             return s.readProgram(ReadRange{5, 6, 0, false}, 999);
         },
         Bytes{227, 211, 228, 228, 229, 119, 119, 115, 115}},
        {"connect", [](PlcSession& s) { return s.connectPlc(QString()); }, Bytes{}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        plc.plusDisplays = {ScriptedPty::display(12, 0, 2, 7), ScriptedPty::display(7, 0, 0, 0),
                            ScriptedPty::display(2, 15, 15, 15)};
        const SequenceResult r = run([&] { return row.request(session); });
        if (row.expected.empty())
            continue; // a connect to no port sends nothing and fails
        EXPECT_TRUE(r.ok()) << r.dialogText.toStdString();
        EXPECT_EQ(plc.received(), bytesOf(row.expected));
    }
}

// A read stores the displays from its destination step on; a keyed NOP stays NOP, while the same step
// read at high speed becomes an empty step.
TEST_F(WireBytes, ReadsStoreFromTheDestinationAndNopDiffersByPath)
{
    plc.plusDisplays = {ScriptedPty::display(12, 0, 2, 7), ScriptedPty::display(7, 0, 0, 0),
                        ScriptedPty::display(2, 15, 15, 15)};
    SequenceResult r = run([&] { return session.readProgram(ReadRange{0, 999, 10, true}, 999); });
    ProgramStore keyed;
    keyed.step(0) = step("LD", "X000");
    applyKeyRead(r, keyed);
    EXPECT_EQ(keyed.step(0), step("", ""));
    EXPECT_EQ(keyed.step(10), step("LD", "X027"));
    EXPECT_EQ(keyed.step(11), step("NOP", ""));
    EXPECT_EQ(keyed.step(12), step("END", ""));

    plc.programWords = QByteArray("\x22\x7A\x20\x00\x20\x0D", 6);
    r = run([&] { return session.highSpeedRead(0); });
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(plc.received(), bytesOf({254, 171, 166}));
    ProgramStore fast;
    applyHighSpeedRead(r, fast);
    EXPECT_EQ(fast.step(0), step("LD", "X027"));
    EXPECT_EQ(fast.step(1), step("", ""));
    EXPECT_EQ(fast.step(2), step("END", ""));
}

TEST_F(WireBytes, MonitorKeysTheNodeAndPollsWithTheKeyOfItsKind)
{
    const struct {
        const char* node;
        Bytes watch;
        int monDev;
        int poll;
    } rows[] = {{"027", {227, 228, 180, 117, 183}, 27, 215},
                {"712", {227, 117, 212, 180, 215, 183}, 712, 226}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.node);
        const SequenceResult w = run([&] { return session.watchDevice(row.node); });
        EXPECT_EQ(plc.received(), bytesOf(row.watch));
        EXPECT_EQ(w.monDev, row.monDev);
        run([&] { return session.pollDevice(w.monDev); });
        EXPECT_EQ(plc.received(), bytesOf({row.poll}));
    }
}

TEST_F(WireBytes, HighSpeedWriteFramesTheWordsAndAReadOfSilenceDecodesNothing)
{
    ProgramStore program = programOf("LD X027; OUT Y030; END");
    program.plcType = 1;
    SequenceResult r = run([&] { return session.highSpeedWrite(program); });
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(plc.received(), bytesOf({254, 174, 0x22, 0x7A, 0x23, 0x04, 0x20, 0x0D, 166, 254}));

    QElapsedTimer t;
    t.start();
    r = run([&] { return session.highSpeedRead(0); });
    EXPECT_EQ(r.outcome, SequenceOutcome::TimedOut);
    EXPECT_TRUE(r.words.isEmpty());
    EXPECT_EQ(plc.received(), bytesOf({254, 171, 166}));
    // The lead-in, then two checks that find nothing new (scaled to 50 and 2 x 25 ms here).
    EXPECT_GE(t.elapsed(), 50 + 2 * 25);
    EXPECT_LT(t.elapsed(), 1000);
}
