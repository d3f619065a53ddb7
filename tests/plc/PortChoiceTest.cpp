#include "plc/PortChoice.h"
#include "plc/SimLink.h"
#include "plc/SimPlc.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ladrix::plc;

namespace {

// Settings go to a private folder; QSettings must learn it before any settings are made.
struct PortSettings : testing::Test {
    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    QSettings raw{QSettings::NativeFormat, QSettings::UserScope,
                  QStringLiteral("VB and VBA Program Settings"), QStringLiteral("LADRX20")};
    void SetUp() override
    {
        raw.clear();
        raw.sync();
    }
};

} // namespace

TEST(PortOrder, UsbAdaptersFirstThenBuiltInPortsByNumber)
{
    const QStringList ordered =
        orderedPortNames({"/dev/ttyS10", "/dev/rfcomm0", "/dev/ttyS2", "/dev/ttyACM0",
                          "/dev/ttyUSB10", "/dev/ttyUSB1", "/dev/ttyAMA0", "/dev/ttyUSB0"});
    EXPECT_EQ(ordered, (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB10", "/dev/ttyACM0",
                                    "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyAMA0", "/dev/rfcomm0"}));
}

TEST(ResolvePort, AcceptsSimPathsAndNumbersOfExistingPorts)
{
    EXPECT_EQ(resolvePort(QStringLiteral(" SIM ")), u"sim");
    EXPECT_EQ(resolvePort(QStringLiteral("/dev/pts/3")), u"/dev/pts/3");
    QString error;
    EXPECT_TRUE(resolvePort(QStringLiteral("250"), &error).isEmpty());
    EXPECT_TRUE(error.contains(u"250"));
    error.clear();
    EXPECT_TRUE(resolvePort(QString(), &error).isEmpty()); // a saved empty value: no port 0
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(resolvePort(QStringLiteral("banana")).isEmpty());
    const QStringList ports = portNames();
    if (!ports.isEmpty()) {
        EXPECT_EQ(resolvePort(QStringLiteral("1")), ports.first());
    }
    EXPECT_FALSE(probePort(250));
}

TEST(MakeLink, BuildsTheRightKindOfLink)
{
    QString error;
    SimPlc simulator;
    auto sim = makeLink(QStringLiteral("sim"), simulator, &error);
    ASSERT_TRUE(sim);
    EXPECT_EQ(sim->description(), u"sim");
    EXPECT_EQ(qobject_cast<SimLink*>(sim.get())->simulator(), &simulator);
    EXPECT_TRUE(sim->open());

    auto missing = makeLink(QStringLiteral("/dev/ladrix-no-such-port"), simulator, &error);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->open());
    EXPECT_FALSE(missing->errorString().isEmpty());

    EXPECT_FALSE(makeLink(QStringLiteral("250"), simulator, &error));
}

TEST_F(PortSettings, DefaultsThenStoresTheChoice)
{
    EXPECT_EQ(readPortSetting(), portNames().isEmpty() ? u"sim" : u"1");
    savePortSetting(QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(readPortSetting(), u"/dev/ttyUSB0");
    raw.sync();
    EXPECT_EQ(raw.value(QStringLiteral("Settings/CommPort")).toString(), u"/dev/ttyUSB0");
}

TEST_F(PortSettings, OldKeySpellingIsReadAndReplacedOnSave)
{
    raw.setValue(QStringLiteral("Settings/Commport"), QStringLiteral("7"));
    raw.sync();
    EXPECT_EQ(readPortSetting(), u"7");
    savePortSetting(QStringLiteral("sim"));
    raw.sync();
    EXPECT_EQ(raw.allKeys(), QStringList{QStringLiteral("Settings/CommPort")});
    EXPECT_EQ(readPortSetting(), u"sim");
}
