#include "ScriptedPty.h"

#include "plc/KeyCodes.h"
#include "plc/PlcSession.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

const QString kSim = QStringLiteral("sim");
const QString kNoPort = QStringLiteral("/dev/ladrix-no-such-port");

// One session shared by several windows: every key and result is recorded in order.
struct Sharing : testing::Test {
    PlcSession session;
    std::vector<SequenceResult> results;
    std::vector<std::uint8_t> keys;

    void SetUp() override
    {
        session.setKeyTiming(KeyTiming{20, 150});
        QObject::connect(&session, &PlcSession::finished, &session,
                         [this](const SequenceResult& r) { results.push_back(r); });
        QObject::connect(&session, &PlcSession::keyExchanged, &session,
                         [this](const KeyResult& k) { keys.push_back(k.key); });
    }
    // Runs one request to its end and returns its result.
    SequenceResult run(const std::function<bool()>& request)
    {
        const std::size_t before = results.size();
        EXPECT_TRUE(request());
        EXPECT_TRUE(QTest::qWaitFor([&] { return results.size() > before; }, 5000));
        return results.size() > before ? results.back() : SequenceResult{};
    }
    bool settled(std::size_t count)
    {
        return QTest::qWaitFor([&] { return results.size() >= count && !session.isBusy(); });
    }
};

} // namespace

TEST_F(Sharing, RequestMadeDuringAPollRunsRightAfterItAndNoPollSlipsIn)
{
    run([&] { return session.usePort(kSim); });
    QSignalSpy accepted(&session, &PlcSession::accepted);
    keys.clear();
    ASSERT_TRUE(session.pollDevice(0));
    const std::uint64_t poll = session.lastRequest();
    ASSERT_TRUE(session.sendKeys({key::Clear}));
    const std::uint64_t waiting = session.lastRequest();
    EXPECT_EQ(session.foregroundRequest(), waiting);
    EXPECT_FALSE(session.acceptsRequest());
    EXPECT_FALSE(session.pollDevice(0));
    EXPECT_FALSE(session.sendKeys({key::Ld})); // one request waits at most
    ASSERT_TRUE(settled(3));
    EXPECT_EQ(keys, (std::vector<std::uint8_t>{key::EndPoint, key::Clear}));
    EXPECT_EQ(results[1].request, poll);
    EXPECT_EQ(results[2].request, waiting);
    EXPECT_TRUE(results[2].ok());
    ASSERT_EQ(accepted.size(), 2);
    EXPECT_EQ(accepted[1].at(0).value<SequenceKind>(), SequenceKind::Keys);
    EXPECT_EQ(accepted[1].at(1).value<std::uint64_t>(), waiting);
}

TEST_F(Sharing, CancelledWaitingRequestEndsWithoutAKey)
{
    run([&] { return session.usePort(kSim); });
    keys.clear();
    ASSERT_TRUE(session.pollDevice(0));
    ASSERT_TRUE(session.sendKeys({key::Clear, key::Ld}));
    const std::uint64_t waiting = session.lastRequest();
    session.cancel(waiting);
    ASSERT_TRUE(settled(3));
    const auto cancelled = std::ranges::find(results, waiting, &SequenceResult::request);
    ASSERT_NE(cancelled, results.end());
    EXPECT_EQ(cancelled->outcome, SequenceOutcome::Cancelled);
    EXPECT_EQ(keys, std::vector<std::uint8_t>{key::EndPoint});
}

TEST_F(Sharing, PortStaysOpenUntilItsLastUserLeaves)
{
    int online = 0;
    int panel = 0;
    session.addPortUser(&online);
    session.addPortUser(&panel);
    run([&] { return session.usePort(kSim); });
    session.removePortUser(&online);
    EXPECT_TRUE(run([&] { return session.sendKeys({key::Clear}); }).ok());
    session.removePortUser(&panel);
    ASSERT_TRUE(settled(3)); // the close
    EXPECT_EQ(run([&] { return session.sendKeys({key::Clear}); }).outcome,
              SequenceOutcome::LinkFailed);
}

// The first window opens the port from its setting; the other uses the port open as it is.
TEST_F(Sharing, KeysOpenAPortOnlyWhenNoneIsOpen)
{
    const SequenceResult failed = run([&] { return session.sendKeys({key::Clear}, kNoPort); });
    EXPECT_EQ(failed.kind, SequenceKind::Open);
    EXPECT_EQ(failed.outcome, SequenceOutcome::LinkFailed);
    EXPECT_FALSE(failed.dialogText.isEmpty());
    EXPECT_TRUE(run([&] { return session.sendKeys({key::Clear}, kSim); }).ok());
    EXPECT_TRUE(run([&] { return session.usePort(kNoPort); }).ok());
    EXPECT_TRUE(run([&] { return session.sendKeys({key::Ld}, kNoPort); }).ok());
    EXPECT_EQ(keys, (std::vector<std::uint8_t>{key::Clear, key::Ld}));
}

TEST_F(Sharing, ModeKeysOfAnyRequestSetTheControllersMode)
{
    QSignalSpy modes(&session, &PlcSession::plcModeChanged);
    run([&] { return session.usePort(kSim); });
    run([&] { return session.sendKeys({cmd::MonitorMode}); });
    EXPECT_TRUE(session.plcRunning());
    run([&] { return session.setRunMode(true); });
    run([&] { return session.setRunMode(false); });
    EXPECT_FALSE(session.plcRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return modes.size() == 2; }));
    EXPECT_TRUE(modes[0].at(0).toBool());
    EXPECT_FALSE(modes[1].at(0).toBool());
}

TEST_F(Sharing, PortThatFailedIsClosedSoTheNextUseOpensAnew)
{
    auto pty = std::make_unique<ScriptedPty>();
    run([&] { return session.usePort(pty->path()); });
    EXPECT_TRUE(run([&] { return session.sendKeys({key::Clear}); }).ok());
    pty.reset();
    EXPECT_EQ(run([&] { return session.sendKeys({key::Clear}); }).outcome,
              SequenceOutcome::LinkFailed);
    run([&] { return session.usePort(kSim); });
    EXPECT_TRUE(run([&] { return session.sendKeys({key::Clear}); }).ok());
}
