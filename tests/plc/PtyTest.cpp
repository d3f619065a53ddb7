#include "plc/KeyCodes.h"
#include "plc/KeyExchange.h"
#include "plc/PtyServer.h"
#include "plc/SerialLink.h"

#include <QElapsedTimer>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace ladrix::plc;

// The serial port exchanges keys with the served controller, late when it is slow.
TEST(PtySerial, SerialPortGetsRepliesLateWithLatencyAndNoneWhenSilent)
{
    PtyServer server;
    ASSERT_TRUE(server.start()) << server.errorString().toStdString();
    EXPECT_TRUE(server.slavePath().startsWith(u"/dev/pts/"));
    SimFaults faults;
    faults.latencyMs = 120;
    server.setFaults(faults);
    SerialLink port(server.slavePath());
    ASSERT_TRUE(port.open()) << port.errorString().toStdString();
    KeyExchange keys(port);
    QElapsedTimer t;
    t.start();
    const KeyResult hello = keys.exchange(cmd::Hello);
    ASSERT_TRUE(hello.ok()) << hello.error.toStdString();
    EXPECT_EQ(hello.display, (PlcDisplay{"", "151515"}));
    EXPECT_GE(t.elapsed(), 115);
    EXPECT_LT(t.elapsed(), 600);

    faults.silent = true;
    server.setFaults(faults);
    t.restart();
    EXPECT_EQ(keys.exchange(key::Clear).outcome, KeyOutcome::TimedOut);
    EXPECT_GE(t.elapsed(), 60 + 625);
}

// Bytes the driver holds but the port has not yet taken in are dropped too, so a late reply
// to an earlier key cannot count as the reply to the next one.
TEST(PtySerial, DiscardDropsInputTheDriverStillHolds)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    SerialLink port(QString::fromLocal8Bit(ptsname(master)));
    ASSERT_TRUE(port.open()) << port.errorString().toStdString();
    ASSERT_EQ(::write(master, "\0\x0c\0\x02\x07", 5), 5);
    ::usleep(50000); // the bytes reach the terminal; no event lets the port take them in
    port.discardInput();
    QTest::qWait(100);
    EXPECT_EQ(port.bytesAvailable(), 0);
    port.close();
    ::close(master);
}

// The controller's end going away mid-session (cable pulled, server ended) fails the exchange
// once, closes the port and never loops on the driver's repeated read errors.
TEST(PtySerial, PeerGoneFailsTheExchangeAndClosesThePort)
{
    auto server = std::make_unique<PtyServer>();
    ASSERT_TRUE(server->start()) << server->errorString().toStdString();
    SerialLink port(server->slavePath());
    ASSERT_TRUE(port.open()) << port.errorString().toStdString();
    KeyExchange keys(port);
    ASSERT_TRUE(keys.exchange(cmd::Hello).ok());
    server.reset();
    const KeyResult gone = keys.exchange(key::Clear);
    EXPECT_NE(gone.outcome, KeyOutcome::Ok);
    const KeyResult after = keys.exchange(key::Clear);
    EXPECT_EQ(after.outcome, KeyOutcome::LinkFailed);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.errorString(), u"串行通讯口已断开");
}
