#include "AppFixture.h"

#include "plc/PlcSession.h"
#include "plc/PortChoice.h"
#include "plc/ui/HandheldPanel.h"
#include "plc/ui/OnlineWindow.h"
#include "plc/ui/SimIoWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>

namespace ladrix::test {
namespace {

class OnlineCommandsTest : public AppFixture {
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        plc::savePortSetting(QStringLiteral("sim"));
    }
    plc::OnlineWindow* online() const
    {
        return window->findChild<plc::OnlineWindow*>(QStringLiteral("frmOnline"));
    }
    plc::HandheldPanel* panel() const
    {
        return window->findChild<plc::HandheldPanel*>(QStringLiteral("frmPA"));
    }
    template <class T> T* control(const char* name) const
    {
        return online()->findChild<T*>(QString::fromLatin1(name));
    }
    bool labelShows(const char* name, const QString& text) const
    {
        return QTest::qWaitFor([&] { return control<QLabel>(name)->text() == text; }, 10000);
    }
};

TEST_F(OnlineCommandsTest, ConnectCommandOpensOneOnlineWindowAndBringsItBack)
{
    newProject();
    clickTool("mnuConn");
    plc::OnlineWindow* first = online();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    first->showMinimized();
    choose("mnuTConn");
    EXPECT_EQ(online(), first);
    EXPECT_FALSE(first->isMinimized());
}

// The panel opens the saved port (here the simulated controller) and shares it.
TEST_F(OnlineCommandsTest, PanelCommandOpensOneHandheldPanelAndBringsItBack)
{
    newProject();
    window->session().setKeyTiming(plc::KeyTiming{2, 630});
    choose("mnuTPA");
    plc::HandheldPanel* first = panel();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->windowTitle(), u"手持编程器"_s);
    QTest::mouseClick(first->findChild<QPushButton*>(u"cmdButton(4)"_s), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return first->findChild<QLabel*>(u"labInstr"_s)->text() == u"LD"_s; }, 10000));
    first->showMinimized();
    choose("mnuTPA");
    EXPECT_EQ(panel(), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(window->findChildren<plc::HandheldPanel*>().size(), 1);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// With the simulated controller chosen, 模拟PLC shows it, with or without a project.
TEST_F(OnlineCommandsTest, SimulatorCommandOpensOneWindowOfTheSessionsController)
{
    ASSERT_TRUE(menu("mnuTSim")->isEnabled());
    choose("mnuTSim");
    auto* first = window->findChild<plc::SimIoWindow*>(u"frmSimIo"_s);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    first->showMinimized();
    choose("mnuTSim");
    EXPECT_EQ(window->findChildren<plc::SimIoWindow*>().size(), 1);
    EXPECT_FALSE(first->isMinimized());
}

// A read replaces the program: unsaved changes are offered for saving first (cancel keeps
// everything), and the program read is shown in the instruction-list editor.
TEST_F(OnlineCommandsTest, ReadAsksAboutUnsavedChangesAndShowsTheProgramRead)
{
    newProject();
    fillSteps(3);
    window->instrWindow().hide();
    window->session().setKeyTiming(plc::KeyTiming{2, 630});
    choose("mnuTConn");
    QTest::mouseClick(control<QPushButton>("cmdConn"), Qt::LeftButton);
    ASSERT_TRUE(labelShows("labConnMsg", u"已连接"_s));
    // The text comes just before the result that enables the transfers.
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QPushButton>("cmdRead")->isEnabled(); }));
    control<QTabBar>("TabStrip")->setCurrentIndex(1);
    control<QSpinBox>("udRTo")->setValue(2);

    prompts.saveChoices = {UserPrompts::SaveChoice::Cancel};
    QTest::mouseClick(control<QPushButton>("cmdRead"), Qt::LeftButton);
    EXPECT_EQ(prompts.saveQuestions, QStringList{u"motor"_s});
    EXPECT_EQ(control<QLabel>("labReadMsg")->text(), u"停止"_s);
    EXPECT_EQ(project.program().step(0).data, u"M100"_s);

    prompts.saveChoices = {UserPrompts::SaveChoice::Discard};
    QTest::mouseClick(control<QPushButton>("cmdRead"), Qt::LeftButton);
    ASSERT_TRUE(labelShows("labReadMsg", u"读取完成"_s));
    EXPECT_EQ(project.program().step(0).ins, u"NOP"_s);
    EXPECT_TRUE(window->instrWindow().isShown());
    EXPECT_TRUE(project.isModified());
}

} // namespace
} // namespace ladrix::test
