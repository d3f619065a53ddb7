#include "FakeLink.h"

#include "plc/KeyExchange.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace ladrix::plc;
using ladrix::plc::test::displayReply;
using ladrix::plc::test::FakeLink;

namespace {

struct KeyExchangeFixture : testing::Test {
    FakeLink link;
    KeyExchange keys{link};
    void SetUp() override { link.open(); }

    // Runs one exchange and returns it with its duration in ms.
    std::pair<KeyResult, qint64> timed(std::uint8_t key)
    {
        QElapsedTimer t;
        t.start();
        KeyResult r = keys.exchange(key);
        return {r, t.elapsed()};
    }
};

} // namespace

TEST_F(KeyExchangeFixture, ReplyCountsWhenItsFifthByteArrivesAndSetsTheRefinedDisplay)
{
    link.inject("junk"); // stale input is dropped before sending
    const QByteArray reply = displayReply(4, 1, 2, 3);
    link.script({{10, reply.left(3)}, {120, reply.mid(3)}});
    const auto [r, ms] = timed(226);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(link.written(), QByteArray(1, char(226)));
    EXPECT_EQ(r.display, (PlcDisplay{"K", "12.3"}));
    EXPECT_EQ(keys.display(), r.display);
    EXPECT_EQ(link.bytesAvailable(), 0);
    EXPECT_GE(ms, 115);
    EXPECT_LT(ms, 450); // long before the time-out
}

TEST_F(KeyExchangeFixture, SilenceOverlongAndPartialRepliesTimeOutAfterAbout630Ms)
{
    const QByteArray good = displayReply(12, 0, 2, 7);
    const std::pair<const char*, FakeLink::Answer> rows[] = {
        {"silence", {}}, {"overlong", {{0, good + 'x'}}}, {"partial", {{0, good.left(4)}}}};
    for (const auto& [name, answer] : rows) {
        SCOPED_TRACE(name);
        link.script({{0, good}});
        ASSERT_TRUE(keys.exchange(182).ok());
        link.script(answer);
        const auto [r, ms] = timed(227);
        EXPECT_EQ(r.outcome, KeyOutcome::TimedOut);
        EXPECT_GE(ms, 630 + 55); // pacing after the previous exchange, then the reply window
        EXPECT_LT(ms, 630 + 60 + 300);
        EXPECT_EQ(link.bytesAvailable(), 0);                  // what came is discarded
        EXPECT_EQ(keys.display(), (PlcDisplay{"LD", "027"})); // and the display kept
    }
}

TEST_F(KeyExchangeFixture, KeysGoOutAtLeast60MsAfterThePreviousExchangeEnded)
{
    for (int i = 0; i < 3; ++i)
        link.script({{15, displayReply(12, 0, 0, i)}});
    std::vector<qint64> ends;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(keys.exchange(182).ok());
        ends.push_back(link.now());
    }
    const auto& sent = link.writeTimes();
    ASSERT_EQ(sent.size(), 3u);
    for (int i = 1; i < 3; ++i) {
        EXPECT_GE(sent[i] - ends[i - 1], 59) << i;
        EXPECT_LT(sent[i] - ends[i - 1], 160) << i; // and not much later
    }
    // Pacing also runs from a time-out.
    link.script({});
    EXPECT_FALSE(keys.exchange(182).ok());
    const qint64 end = link.now();
    link.script({{0, displayReply(12, 0, 0, 0)}});
    ASSERT_TRUE(keys.exchange(182).ok());
    EXPECT_GE(link.writeTimes().back() - end, 59);
}

TEST_F(KeyExchangeFixture, DeviceLampFollowsDisplayCodeFive)
{
    // A failed exchange (no reply, code -1) also starts with the lamp off.
    for (const auto& [code, on] : {std::pair{5, true}, {0, false}, {5, true}, {-1, false}}) {
        link.script(code < 0 ? FakeLink::Answer{}
                             : FakeLink::Answer{{0, displayReply(code, 0, 3, 0)}});
        EXPECT_EQ(keys.exchange(215).deviceOn, on) << code;
        EXPECT_EQ(keys.deviceOn(), on) << code;
    }
}

TEST_F(KeyExchangeFixture, PortFaultsFailTheExchangeAtOnce)
{
    link.failWrites(true);
    auto [r, ms] = timed(227);
    EXPECT_EQ(r.outcome, KeyOutcome::LinkFailed);
    EXPECT_EQ(r.error, u"write refused");
    EXPECT_LT(ms, 400);

    link.failWrites(false);
    link.script({});
    QTimer::singleShot(150, &link, [this] { link.fault(QStringLiteral("unplugged")); });
    std::tie(r, ms) = timed(227);
    EXPECT_EQ(r.outcome, KeyOutcome::LinkFailed);
    EXPECT_EQ(r.error, u"unplugged");
    EXPECT_LT(ms, 550); // the fault, not the time-out, ended it

    link.close();
    EXPECT_EQ(keys.exchange(227).outcome, KeyOutcome::LinkFailed);
}

TEST_F(KeyExchangeFixture, SecondStartWhileBusyIsRefusedWithoutTouchingTheLink)
{
    link.script({{50, displayReply(12, 0, 0, 1)}});
    QSignalSpy spy(&keys, &KeyExchange::finished);
    ASSERT_TRUE(keys.start(182));
    EXPECT_FALSE(keys.start(227));
    // A nested exchange is refused too, and the running one still gets its own reply.
    EXPECT_EQ(keys.exchange(227).outcome, KeyOutcome::LinkFailed);
    EXPECT_EQ(spy.count(), 0);
    ASSERT_TRUE(spy.wait(1000));
    const KeyResult first = spy.at(0).at(0).value<KeyResult>();
    EXPECT_TRUE(first.ok());
    EXPECT_EQ(first.key, 182);
    EXPECT_EQ(first.display, (PlcDisplay{"LD", "001"}));
    EXPECT_EQ(link.written(), QByteArray(1, char(182)));
}
