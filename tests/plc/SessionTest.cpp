#include "SequenceFixture.h"

#include "plc/PlcSession.h"
#include "plc/PtyServer.h"
#include "plc/SimPlc.h"
#include "plc/StepCoding.h"

#include "core/RuntimeError.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

// Sends one request and waits for its result; an empty result when it was refused or never
// came. The result is taken through a queued connection, as a window would take it.
std::optional<SequenceResult> await(PlcSession& session, const std::function<bool()>& request,
                                    int ms = 30000)
{
    std::optional<SequenceResult> result;
    QEventLoop loop;
    QObject::connect(&session, &PlcSession::finished, &loop, [&](const SequenceResult& r) {
        result = r;
        loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    if (request())
        loop.exec();
    return result;
}

struct Session : testing::Test {
    PlcSession session;
    void SetUp() override
    {
        session.setKeyTiming(KeyTiming{2, 150});
        session.setTransferDelays(TransferDelays{}.scaled(0.02));
    }
};

} // namespace

TEST_F(Session, ConnectThenKeyWriteAndKeyReadGiveTheProgramBack)
{
    QSignalSpy messages(&session, &PlcSession::message);
    const auto r = await(session, [&] { return session.connectPlc(QStringLiteral("sim")); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->kind, SequenceKind::Connect);
    EXPECT_TRUE(r->ok());
    EXPECT_EQ(r->message, u"已连接");
    QStringList texts;
    for (const auto& m : messages)
        texts << m.at(1).toString();
    EXPECT_EQ(texts, (QStringList{"正在初始化串行通讯口...", "正在等待PLC的回应...", "已连接"}));

    const ProgramStore program = sampleProgram();
    QSignalSpy progress(&session, &PlcSession::progress);
    const auto written =
        await(session, [&] { return session.writeProgram(program, WriteRange{}); });
    ASSERT_TRUE(written);
    ASSERT_TRUE(written->ok()) << written->dialogText.toStdString();
    EXPECT_EQ(written->message, u"写入已完成");
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(1).toInt(), program.getEndStep()); // the bar ends full

    // The session's simulated controller keeps its program when the port is closed and the
    // session connects to it again, as a real controller keeps its memory.
    ASSERT_TRUE(await(session, [&] { return session.closePort(); }));
    ASSERT_TRUE(await(session, [&] { return session.connectPlc(QStringLiteral("sim")); }));
    const auto read = await(session, [&] { return session.readProgram(ReadRange{}, 999); });
    ASSERT_TRUE(read);
    ASSERT_TRUE(read->ok());
    ProgramStore back;
    applyKeyRead(*read, back);
    for (int i = 0; i <= program.getEndStep(); ++i)
        EXPECT_EQ(back.step(i), program.step(i)) << i;
}

// 运行 of a program the simulated controller cannot run fails with the reason; a sound program
// runs, and the device monitor shows what its scan makes of the inputs.
TEST_F(Session, SimulatorRunsOnlyASoundProgramAndTheMonitorShowsItsDevices)
{
    ASSERT_TRUE(await(session, [&] { return session.connectPlc(QStringLiteral("sim")); }));
    const auto refused = await(session, [&] { return session.setRunMode(true); });
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->outcome, SequenceOutcome::Failed);
    EXPECT_EQ(refused->message, u"程序无法运行：0000: 程序没有END指令");
    EXPECT_FALSE(session.plcRunning());

    const auto written = await(session, [&] {
        return session.writeProgram(programOf("LD X000; OUT Y030; END"), WriteRange{});
    });
    ASSERT_TRUE(written && written->ok());
    SimPlc* sim = session.simulator();
    QMetaObject::invokeMethod(
        sim, [sim] { sim->setInput(0, true); }, Qt::BlockingQueuedConnection);
    const auto running = await(session, [&] { return session.setRunMode(true); });
    ASSERT_TRUE(running && running->ok()) << running->message.toStdString();
    EXPECT_TRUE(session.plcRunning());
    ASSERT_TRUE(await(session, [&] { return session.watchDevice(QStringLiteral("030")); }));
    const auto polled = await(session, [&] { return session.pollDevice(30); });
    ASSERT_TRUE(polled && polled->ok());
    EXPECT_TRUE(polled->deviceOn);
}

TEST_F(Session, PortThatCannotBeOpenedFailsTheConnection)
{
    const auto r = await(
        session, [&] { return session.connectPlc(QStringLiteral("/dev/ladrix-no-such-port")); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, SequenceOutcome::LinkFailed);
    EXPECT_EQ(r->message, u"连接失败");
    EXPECT_FALSE(r->dialogText.isEmpty());
    // Nothing else runs without an open port.
    const auto keys = await(session, [&] { return session.sendKeys({227}); });
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->outcome, SequenceOutcome::LinkFailed);
}

TEST_F(Session, SignalsArriveOnTheRequestingThreadAndBusyRequestsAreRefused)
{
    ASSERT_TRUE(await(session, [&] { return session.openPort(QStringLiteral("sim")); }));
    QThread* keyThread = nullptr;
    QObject::connect(&session, &PlcSession::keyExchanged, &session,
                     [&](const KeyResult&) { keyThread = QThread::currentThread(); });
    const auto done = await(session, [&] {
        const bool accepted = session.sendKeys({227, 182, 228});
        EXPECT_TRUE(session.isBusy());
        EXPECT_FALSE(session.readProgram(ReadRange{}, 999));
        EXPECT_FALSE(session.pollDevice(27));
        return accepted;
    });
    ASSERT_TRUE(done);
    EXPECT_FALSE(session.isBusy());
    EXPECT_EQ(keyThread, QThread::currentThread());
    EXPECT_EQ(done->display.ins, u"LD");
}

TEST_F(Session, CancelStopsAReadBetweenKeys)
{
    ASSERT_TRUE(await(session, [&] { return session.openPort(QStringLiteral("sim")); }));
    QObject::connect(&session, &PlcSession::keyExchanged, &session, [&](const KeyResult& k) {
        if (k.key == key::Plus)
            session.cancel();
    });
    const auto r = await(session, [&] {
        return session.readProgram(ReadRange{0, 999, 0, false}, 999);
    });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, SequenceOutcome::Cancelled);
    EXPECT_EQ(r->message, u"读取已取消");
    EXPECT_LT(r->steps.size(), 10u);
}

TEST(SessionLifetime, DestroyingDuringALongWaitReturnsPromptly)
{
    QElapsedTimer t;
    {
        PlcSession session; // real delays: the clear waits 2 s after deleting
        ASSERT_TRUE(await(session, [&] { return session.openPort(QStringLiteral("sim")); }));
        ASSERT_TRUE(session.writeProgram(sampleProgram(), WriteRange{}));
        QTest::qWait(300);
        t.start();
    }
    EXPECT_LT(t.elapsed(), 1000);
}

TEST(SessionPty, ConnectsAndTransfersThroughAPseudoTerminal)
{
    PtyServer server;
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    PlcSession session;
    session.setKeyTiming(KeyTiming{5, 300});
    session.setTransferDelays(TransferDelays{}.scaled(0.05));
    const auto connected = await(session, [&] { return session.connectPlc(server.slavePath()); });
    ASSERT_TRUE(connected);
    ASSERT_TRUE(connected->ok()) << connected->dialogText.toStdString();

    const auto hs =
        await(session, [&] { return session.highSpeedWrite(programOf("LD X027; OUT Y030; END")); });
    ASSERT_TRUE(hs && hs->ok());
    EXPECT_EQ(server.controller().word(1), encodeStep(step("OUT", "Y030")));
    const auto read = await(session, [&] { return session.readProgram(ReadRange{}, 999); });
    ASSERT_TRUE(read && read->ok());
    ASSERT_EQ(read->steps.size(), 3u);
    EXPECT_EQ(read->steps[0].second, step("LD", "X027"));
    EXPECT_EQ(read->steps[2].second, step("END", ""));
}

// Each window takes only its own results: every accepted request has a new number, and its
// result carries it.
TEST_F(Session, ResultsCarryTheNumberOfTheirRequest)
{
    const std::uint64_t before = session.lastRequest();
    const auto opened = await(session, [&] { return session.openPort(QStringLiteral("sim")); });
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->request, before + 1);
    EXPECT_EQ(session.lastRequest(), before + 1);
    const auto keys = await(session, [&] { return session.sendKeys({227}); });
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->request, before + 2);
}

TEST(SessionFaults, FaultInsideAnOperationEndsItWithItsNumber)
{
    const struct {
        std::function<void()> raise;
        int number;
        const char* text;
    } rows[] = {
        {[] { throw RuntimeError(9, QStringLiteral("下标越界: 步 2001")); }, 9,
         "下标越界: 步 2001"},
        {[] { throw std::bad_alloc(); }, 7, "内存不足"},
        {[] { throw std::runtime_error("odd"); }, 51, "内部错误：odd"},
    };
    for (const auto& row : rows) {
        const SequenceResult r = runGuarded(SequenceKind::Write, [&]() -> SequenceResult {
            row.raise();
            return {};
        });
        EXPECT_EQ(r.kind, SequenceKind::Write);
        EXPECT_EQ(r.outcome, SequenceOutcome::Failed);
        EXPECT_EQ(r.errorNumber, row.number);
        EXPECT_EQ(r.dialogText, QString::fromUtf8(row.text));
    }
}
