#include "ScriptedPty.h"
#include "SequenceFixture.h"

#include "core/Project.h"
#include "plc/PlcSession.h"
#include "plc/PortChoice.h"
#include "plc/ui/HandheldPanel.h"
#include "plc/ui/OnlineWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

namespace {

const QString kSim = QStringLiteral("sim");
const QString kWaiting = QStringLiteral("另一窗口正在与PLC通讯，请稍候...");

// The panel on a session with short key timings, against a scripted controller on a
// pseudo-terminal or the simulated one; every key the session exchanges is recorded.
struct HandheldPanelTest : testing::Test {
    PlcSession session;
    ScriptedPty pty;
    Project project;
    QPointer<HandheldPanel> panel;
    QPointer<OnlineWindow> online;
    QStringList messages;
    std::vector<std::uint8_t> keys;
    int results = 0;

    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    void SetUp() override
    {
        session.setKeyTiming(
            KeyTiming{2, 630}); // the default reply time: a loaded machine may be slow
        session.setTransferDelays(TransferDelays{}.scaled(0.01));
        QObject::connect(&session, &PlcSession::keyExchanged, &session,
                         [this](const KeyResult& k) { keys.push_back(k.key); });
        QObject::connect(&session, &PlcSession::finished, &session,
                         [this](const SequenceResult&) { ++results; });
    }
    void TearDown() override
    {
        delete panel;
        delete online;
    }
    void open(const QString& setting)
    {
        savePortSetting(setting);
        const int before = results;
        panel = new HandheldPanel(session);
        panel->setMessageSink(
            [this](QWidget*, const QString&, const QString& text) { messages << text; });
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
        ASSERT_TRUE(idleAfter(before)); // the port opened
    }
    void openOnline()
    {
        online = new OnlineWindow(project, session);
        OnlinePrompts prompts;
        prompts.message = [this](QWidget*, const QString&, const QString& t) { messages << t; };
        prompts.ask = [](QWidget*, const QString&, const QString&) { return QMessageBox::Yes; };
        online->setPrompts(prompts);
        online->show();
        const int before = results;
        click(online, "cmdConn");
        ASSERT_TRUE(QTest::qWaitFor([&] { return text(online, "labConnMsg") == u"已连接"; }));
        // The text comes before the result: until then the panel waits, its buttons disabled.
        ASSERT_TRUE(idleAfter(before));
    }
    // Waits for a result after the `before`-th, and until the session is free and every request
    // it took has had its result (requests are numbered from 1 and each has one result).
    bool idleAfter(int before)
    {
        return QTest::qWaitFor([&] {
            return results > before && !session.isBusy() &&
                   results == static_cast<int>(session.lastRequest());
        });
    }
    template <class T = QWidget> static T* find(QWidget* window, const QString& name)
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QString text(QWidget* window, const char* label)
    {
        return find<QLabel>(window, QString::fromLatin1(label))->text();
    }
    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(window, QString::fromLatin1(name)), Qt::LeftButton,
                          {}, QPoint(8, 8));
    }
    QPushButton* key(int index) const
    {
        return find<QPushButton>(panel, QStringLiteral("cmdButton(%1)").arg(index));
    }
    // Presses panel key `index` and waits for its reply.
    void press(int index)
    {
        const int before = results;
        QTest::mouseClick(key(index), Qt::LeftButton);
        ASSERT_TRUE(idleAfter(before));
    }
    QString shown() const { return text(panel, "labInstr") + u'|' + text(panel, "labData"); }
    QTimer* timMon() const { return panel->findChild<QTimer*>(QStringLiteral("timMon")); }
};

} // namespace

TEST_F(HandheldPanelTest, IsAKeypadWithTheModesAndTheTwoDisplayFields)
{
    open(pty.path());
    EXPECT_EQ(panel->objectName(), u"frmPA");
    EXPECT_EQ(panel->windowTitle(), u"手持编程器");
    const char* captions[] = {
        "DEL",   "INS",   "STEP",           "INSTR",           "LD",           "AND",
        "OR",    "-",     "LDI/7",          "ANI/8",           "ORI/9",        "+",
        "OUT/4", "ANB/5", "ORB/6",          "K/SEARCH",        "RST/1",        "SFT/2",
        "PLS/3", "CLEAR", "NOP/0/S/MC/CJP", "END/./R/MCR/EJP", "WRITE/MONITOR"};
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(key(i)->text(), QString::fromLatin1(captions[i])) << i;
    // The digit block: 7 8 9 over 4 5 6 over 1 2 3, in columns, below the editing keys.
    const int block[3][3] = {{8, 9, 10}, {12, 13, 14}, {16, 17, 18}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(key(block[r][c])->y(), key(block[r][0])->y());
            EXPECT_EQ(key(block[r][c])->x(), key(block[0][c])->x());
            EXPECT_GT(key(block[r][c])->y(), key(4)->y());
        }
    }
    EXPECT_GT(key(16)->y(), key(12)->y());
    EXPECT_GT(key(22)->width(), key(20)->width());
    EXPECT_EQ(find<QRadioButton>(panel, QStringLiteral("OptMode(0)"))->text(), u"PROGRAM");
    EXPECT_EQ(find<QRadioButton>(panel, QStringLiteral("OptMode(1)"))->text(), u"MONITOR");
    EXPECT_TRUE(find<QRadioButton>(panel, QStringLiteral("OptMode(0)"))->isChecked());
    EXPECT_EQ(panel->paMode(), 1);
    EXPECT_FALSE(timMon()->isActive());
    const QList<QGroupBox*> frames = panel->findChildren<QGroupBox*>();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->title(), u"INSTR");
    EXPECT_NE(frames[0]->findChild<QLabel*>(QStringLiteral("labInstr")), nullptr);
    EXPECT_EQ(frames[1]->title(), u"DATA");
    EXPECT_NE(frames[1]->findChild<QLabel*>(QStringLiteral("labData")), nullptr);
}

TEST_F(HandheldPanelTest, EachPressIsOneKeyAndShowsTheDisplayWithBlankPlacesBlank)
{
    open(pty.path());
    const struct {
        int index;
        const char* shown;
    } rows[] = {{4, "LD|"}, {20, "LD|  0"}, {17, "LD| 02"}, {8, "LD|027"},
                {19, "|"},  {15, "K|"},     {16, "K|  1"},  {11, "|"}};
    QByteArray expected;
    for (const auto& row : rows) {
        press(row.index);
        expected += char(panelKeys()[row.index].code);
        EXPECT_EQ(shown(), QString::fromUtf8(row.shown)) << row.index;
    }
    EXPECT_EQ(pty.received(), expected);
    EXPECT_TRUE(messages.isEmpty());
}

// The refined display: mnemonics told apart by the number, K hidden in MONITOR mode, and a
// time-out that leaves the display as it was.
TEST_F(HandheldPanelTest, ShowsTheRefinedDisplayAndKeepsItAfterATimeOut)
{
    open(pty.path());
    pty.plusDisplays = {ScriptedPty::display(4, 1, 2, 3), ScriptedPty::display(7, 1, 2, 0),
                        ScriptedPty::display(2, 5, 7, 5), ScriptedPty::display(10, 6, 0, 0)};
    for (const char* expected : {"K|12.3", "MC|120", "RET|575", "STL|600"}) {
        press(11);
        EXPECT_EQ(shown(), QString::fromUtf8(expected));
    }
    click(panel, "OptMode(1)");
    // CLEAR K 1 0 0 in one go, so no poll comes between them; the polls show "K 100" then.
    for (int index : {19, 15, 16, 20, 20})
        QTest::mouseClick(key(index), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pty.received().endsWith("\xe4\xd7\xd7"); }));
    EXPECT_EQ(shown(), u"|100");
    pty.silent = true;
    const int before = results;
    click(panel, "OptMode(0)");
    ASSERT_TRUE(idleAfter(before));
    press(4);
    EXPECT_EQ(shown(), u"|100");
    EXPECT_EQ(text(panel, "labState"), u"PLC连接超时");
}

TEST_F(HandheldPanelTest, KeyboardKeysPressTheButtonsTheirToolTipsName)
{
    open(pty.path());
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code; // -1: nothing is sent
    } rows[] = {
        {Qt::Key_7, {}, 117},
        {Qt::Key_0, Qt::KeypadModifier, 228},
        {Qt::Key_Period, {}, 215},
        {Qt::Key_Delete, {}, 210},
        {Qt::Key_Insert, {}, 178},
        {Qt::Key_Plus, {}, 115},
        {Qt::Key_Minus, {}, 179},
        {Qt::Key_Return, {}, 183},
        {Qt::Key_Enter, {}, 183},
        {Qt::Key_L, {}, 182},
        {Qt::Key_A, Qt::ShiftModifier, 118},
        {Qt::Key_O, {}, 231},
        {Qt::Key_K, {}, 226},
        {Qt::Key_C, {}, 227},
        {Qt::Key_E, {}, 215},
        {Qt::Key_R, {}, 215},
        {Qt::Key_W, {}, 183},
        {Qt::Key_D, {}, 210},
        {Qt::Key_S, {}, -1},
        {Qt::Key_I, {}, -1},
        {Qt::Key_L, Qt::ControlModifier, -1},
    };
    for (const auto& row : rows) {
        pty.clearReceived();
        const int before = results;
        QTest::keyClick(panel, Qt::Key(row.key), row.modifiers);
        if (row.code < 0) {
            QTest::qWait(30);
            EXPECT_TRUE(pty.received().isEmpty()) << row.key;
            continue;
        }
        ASSERT_TRUE(idleAfter(before)) << row.key;
        EXPECT_EQ(pty.received(), QByteArray(1, char(row.code))) << row.key;
    }
    const char* tips[][2] = {{"22", "键盘：Enter、W"},
                             {"0", "键盘：Delete、D"},
                             {"21", "键盘：.、E、R"},
                             {"8", "键盘：7"},
                             {"2", ""}};
    for (const auto& [index, tip] : tips)
        EXPECT_EQ(key(QString::fromLatin1(index).toInt())->toolTip(), QString::fromUtf8(tip));
}

TEST_F(HandheldPanelTest, PollingStopsForAKeyPressAndResumesAfterIt)
{
    open(pty.path());
    click(panel, "OptMode(1)");
    EXPECT_EQ(panel->paMode(), 2);
    EXPECT_TRUE(timMon()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pty.received().count('\xd7') >= 3; }));
    QTest::mouseClick(key(4), Qt::LeftButton);
    EXPECT_FALSE(timMon()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pty.received().contains("\xd7\xb6\xd7\xd7"); }));
    EXPECT_TRUE(timMon()->isActive());
    EXPECT_EQ(pty.received().count('\xb6'), 1);
    EXPECT_EQ(pty.received().at(0), char(cmd::MonitorMode));
    click(panel, "OptMode(0)");
    EXPECT_FALSE(timMon()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pty.received().endsWith(char(cmd::ProgramMode)); }));
}

// The online window's write stops the controller that the panel set running: the panel waits
// through both, polls never come between their keys, and it is in PROGRAM mode afterwards.
TEST_F(HandheldPanelTest, WaitsWhileTheOnlineWindowWritesAndFollowsTheStoppedController)
{
    open(kSim);
    openOnline();
    click(panel, "OptMode(1)");
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::ranges::count(keys, key::EndPoint) >= 3; }));
    project.program() = programOf("LD X000; OUT Y030; END");
    online->findChild<QTabBar*>()->setCurrentIndex(2);
    keys.clear();
    click(online, "CmdWrite");
    EXPECT_FALSE(key(4)->isEnabled());
    EXPECT_FALSE(find(panel, QStringLiteral("OptMode(0)"))->isEnabled());
    EXPECT_EQ(text(panel, "labState"), kWaiting);
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(online, "labWriteMsg") == u"写入已完成"; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return key(4)->isEnabled(); }));
    EXPECT_TRUE(text(panel, "labState").isEmpty());
    EXPECT_EQ(panel->paMode(), 1);
    EXPECT_TRUE(find<QRadioButton>(panel, QStringLiteral("OptMode(0)"))->isChecked());
    EXPECT_FALSE(timMon()->isActive());
    // A poll may have been on its way: then the stop and the write follow it.
    const auto stop = std::ranges::find(keys, cmd::ProgramMode);
    ASSERT_NE(stop, keys.end());
    EXPECT_LE(stop - keys.begin(), 1);
    EXPECT_EQ(std::count(stop, keys.end(), key::EndPoint), 1); // the END step's key
    EXPECT_EQ(keys.back(), key::WriteMonitor);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(HandheldPanelTest, OpensInMonitorModeWhenTheControllerRunsAlready)
{
    savePortSetting(kSim);
    ASSERT_TRUE(session.usePort(kSim));
    ASSERT_TRUE(idleAfter(0));
    ASSERT_TRUE(session.sendKeys({cmd::MonitorMode}));
    ASSERT_TRUE(idleAfter(1));
    keys.clear();
    open(kSim);
    EXPECT_EQ(panel->paMode(), 2);
    EXPECT_TRUE(find<QRadioButton>(panel, QStringLiteral("OptMode(1)"))->isChecked());
    EXPECT_TRUE(timMon()->isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::ranges::count(keys, key::EndPoint) >= 2; }));
    EXPECT_EQ(std::ranges::count(keys, cmd::MonitorMode), 0); // not sent again
}

TEST_F(HandheldPanelTest, ProgramKeyedInOnThePanelIsReadBackAndRunsWithTheOnlineWindowFollowing)
{
    open(kSim);
    openOnline();
    for (const char* mode : {"OptMode(1)", "OptMode(0)"}) { // the controller in PROGRAM mode
        const int before = results;
        click(panel, mode);
        ASSERT_TRUE(idleAfter(before));
    }
    keys.clear();
    for (int index : {2, 20, 20, 20, 3}) // STEP 0 0 0 INSTR: to step 0
        QTest::mouseClick(key(index), Qt::LeftButton);
    for (const char c : QByteArray("L000\n4030\nE\n"))
        QTest::keyClick(panel, c == '\n' ? Qt::Key_Return : Qt::Key(c));
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() >= 17 && !session.isBusy(); }));
    EXPECT_EQ(keys.size(), 17u);
    project.program() = ProgramStore{};
    online->findChild<QTabBar*>()->setCurrentIndex(1);
    click(online, "cmdRead");
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(online, "labReadMsg") == u"读取完成"; }));
    EXPECT_EQ(project.program().step(0), step("LD", "X000"));
    EXPECT_EQ(project.program().step(1), step("OUT", "Y030"));
    EXPECT_EQ(project.program().step(2), step("END", ""));

    // The panel's mode is the controller's: the online window's monitor page follows it.
    auto* run = find<QRadioButton>(online, QStringLiteral("OptRun"));
    auto* stop = find<QRadioButton>(online, QStringLiteral("OptStop"));
    for (const auto& [mode, running] : {std::pair{"OptMode(1)", true}, {"OptMode(0)", false}}) {
        const int before = results;
        click(panel, mode);
        ASSERT_TRUE(idleAfter(before));
        ASSERT_TRUE(QTest::qWaitFor([&] { return run->isChecked() == running; })) << mode;
        EXPECT_EQ(stop->isChecked(), !running) << mode;
        EXPECT_EQ(find(online, QStringLiteral("TVDev"))->isEnabled(), running) << mode;
    }
}

TEST_F(HandheldPanelTest, ClosingOneWindowKeepsThePortForTheOtherAndClosingBothClosesIt)
{
    open(kSim);
    openOnline();
    std::vector<SequenceResult> raw;
    QObject::connect(&session, &PlcSession::finished, &session,
                     [&](const SequenceResult& r) { raw.push_back(r); });
    // A key of no window, once the session takes it.
    auto rawKey = [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return session.sendKeys({key::Clear}); }));
        const std::uint64_t request = session.lastRequest();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !raw.empty() && raw.back().request == request; }));
        return raw.back().outcome;
    };
    online->close();
    EXPECT_EQ(rawKey(), SequenceOutcome::Done);
    panel->close();
    EXPECT_EQ(rawKey(), SequenceOutcome::LinkFailed);
}

TEST_F(HandheldPanelTest, PortThatCannotBeOpenedIsReportedAndAnotherCanBeChosen)
{
    const char* rows[][2] = {
        {"", "没有选择串行通讯口，请用\"串口设置\"选择。"},
        {"/dev/ladrix-no-such-port", "无法打开串行通讯口 /dev/ladrix-no-such-port："}};
    for (const auto& [setting, message] : rows) {
        messages.clear();
        open(QString::fromUtf8(setting));
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(message))) << setting;
        EXPECT_EQ(text(panel, "labState"), u"连接失败");
        delete panel;
    }
    open(QStringLiteral("/dev/ladrix-no-such-port"));
    savePortSetting(pty.path());
    panel->reloadPortSetting();
    press(4);
    EXPECT_EQ(pty.received(), QByteArray(1, char(key::Ld)));
    EXPECT_TRUE(text(panel, "labState").isEmpty());
}
