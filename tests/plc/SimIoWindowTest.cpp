#include "SequenceFixture.h"

#include "plc/PlcSession.h"
#include "plc/SimPlc.h"
#include "plc/StepCoding.h"
#include "plc/ui/SimIoWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

struct SimIoWindowTest : testing::Test {
    SimPlc plc;
    std::unique_ptr<SimIoWindow> window;

    void open()
    {
        window = std::make_unique<SimIoWindow>(plc);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QAbstractButton* lamp(const char* name) const
    {
        return window->findChild<QAbstractButton*>(QStringLiteral("lamp") + name);
    }
    bool lit(const char* name) const { return lamp(name)->property("lit").toBool(); }
    QString text(const char* label) const
    {
        return window->findChild<QLabel*>(QString::fromLatin1(label))->text();
    }
    // The values list as "T50 0.5 1.5 断开" lines.
    QStringList values() const
    {
        QStringList rows;
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("lvwValues"));
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < tree->columnCount(); ++c)
                cells << tree->topLevelItem(i)->text(c);
            rows << cells.join(u' ');
        }
        return rows;
    }
    void click(const char* name) { QTest::mouseClick(lamp(name), Qt::LeftButton); }
};

} // namespace

TEST_F(SimIoWindowTest, ShowsTheModeScansLampsAndTheTimersAndCountersInUse)
{
    plc.setSteppedClock(true);
    storeProgram(plc.controller(),
                 "LD X000; OUT Y030; LD X000; OUT T050; K 01.5; LD X001; OUT C060; K 2; END");
    open();
    EXPECT_EQ(window->objectName(), u"frmSimIo");
    EXPECT_EQ(window->windowTitle(), u"模拟PLC");
    EXPECT_TRUE(lamp("X527") && lamp("Y547"));
    EXPECT_FALSE(lamp("X30") || lamp("Y27"));
    EXPECT_FALSE(lamp("Y30")->isEnabled()); // outputs are the program's, not the user's

    click("X0");
    EXPECT_TRUE(lit("X0"));
    EXPECT_TRUE(plc.engine().input(0));
    ASSERT_TRUE(plc.run());
    plc.advance(510);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labScans") == u"51"; }));
    EXPECT_EQ(text("labMode"), u"运行");
    EXPECT_EQ(text("labTime"), u"0.510 秒");
    EXPECT_TRUE(lit("Y30"));
    EXPECT_FALSE(lit("Y31"));
    EXPECT_EQ(values(), (QStringList{"T50 0.5 1.5 断开", "C60 0 2 断开"}));

    plc.advance(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labScans") == u"151"; }));
    EXPECT_EQ(values().value(0), u"T50 1.5 1.5 接通");
    click("X0"); // a second click switches the input off again
    EXPECT_FALSE(lit("X0"));
    plc.advance(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lit("Y30"); }));
    EXPECT_EQ(values().value(0), u"T50 0.0 1.5 断开");

    plc.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labMode") == u"停止"; }));
}

TEST_F(SimIoWindowTest, InputHeldDownIsAPushButton)
{
    open();
    QAbstractButton* x1 = lamp("X1");
    QTest::mousePress(x1, Qt::LeftButton);
    EXPECT_TRUE(plc.engine().input(1));
    QTest::qWait(SimIoWindow::kHoldMs + 50);
    QTest::mouseRelease(x1, Qt::LeftButton);
    EXPECT_FALSE(plc.engine().input(1));
    EXPECT_FALSE(lit("X1"));
    // A short press is a switch: it stays on.
    click("X1");
    EXPECT_TRUE(plc.engine().input(1));
}

TEST_F(SimIoWindowTest, RefusedRunShowsWhy)
{
    open();
    EXPECT_FALSE(plc.run());
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labFault") == plc.fault(); }));
    EXPECT_EQ(text("labFault"), u"程序无法运行：0000: 程序没有END指令");
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("labFault"))->isVisible());
    EXPECT_EQ(text("labMode"), u"停止");
}

// The session's controller lives on the session's thread: the window reaches it by queued
// calls and takes its pictures as they come.
TEST(SimIoWindowSession, WorksWithTheSessionsControllerOnItsThread)
{
    PlcSession session;
    SimPlc* sim = session.simulator();
    QMetaObject::invokeMethod(
        sim, [sim] { storeProgram(sim->controller(), "LD X002; OUT Y032; END"); },
        Qt::BlockingQueuedConnection);
    SimIoWindow window(*sim);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* x2 = window.findChild<QAbstractButton*>(QStringLiteral("lampX2"));
    auto* y32 = window.findChild<QAbstractButton*>(QStringLiteral("lampY32"));
    QTest::mouseClick(x2, Qt::LeftButton);
    QMetaObject::invokeMethod(
        sim, [sim] { sim->run(); }, Qt::BlockingQueuedConnection);
    EXPECT_TRUE(QTest::qWaitFor([&] { return y32->property("lit").toBool(); }, 5000));
    QMetaObject::invokeMethod(
        sim, [sim] { sim->stop(); }, Qt::BlockingQueuedConnection);
}
