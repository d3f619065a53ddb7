#include "FakeLink.h"

#include "plc/KeyCodes.h"
#include "plc/KeyExchange.h"
#include "plc/PtyServer.h"
#include "plc/SerialLink.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace ladrix::plc;

namespace {

struct PtyFixture : testing::Test {
    PtyServer server;
    std::unique_ptr<SerialLink> port;
    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.errorString().toStdString();
        EXPECT_TRUE(server.slavePath().startsWith(u"/dev/pts/"));
        port = std::make_unique<SerialLink>(server.slavePath());
        ASSERT_TRUE(port->open()) << port->errorString().toStdString();
    }
};

} // namespace

TEST_F(PtyFixture, SerialPortExchangesKeysWithTheServedController)
{
    KeyExchange keys(*port);
    const KeyResult hello = keys.exchange(cmd::Hello);
    ASSERT_TRUE(hello.ok()) << hello.error.toStdString();
    EXPECT_EQ(hello.display, (PlcDisplay{"", "151515"}));
    for (std::uint8_t k : {key::Clear, key::Step, key::Nop0, key::Nop0, key::Nop0, key::Instr,
                           key::Out4, key::Nop0, key::Pls3})
        ASSERT_TRUE(keys.exchange(k).ok());
    EXPECT_EQ(keys.display(), (PlcDisplay{"OUT", "1503"})); // the third digit still blank
    ASSERT_TRUE(keys.exchange(key::Nop0).ok());
    EXPECT_EQ(keys.display(), (PlcDisplay{"OUT", "030"}));
}

TEST_F(PtyFixture, LatencyDelaysTheReplyAndSilenceTimesOut)
{
    SimFaults faults;
    faults.latencyMs = 120;
    server.setFaults(faults);
    KeyExchange keys(*port);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(keys.exchange(key::Clear).ok());
    EXPECT_GE(t.elapsed(), 115);
    EXPECT_LT(t.elapsed(), 600);

    faults.silent = true;
    server.setFaults(faults);
    t.restart();
    EXPECT_EQ(keys.exchange(key::Clear).outcome, KeyOutcome::TimedOut);
    EXPECT_GE(t.elapsed(), 60 + 625);
}
