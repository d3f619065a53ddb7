#include "plc/KeyCodes.h"
#include "plc/KeyExchange.h"
#include "plc/PtyServer.h"
#include "plc/SerialLink.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

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
