#include "SequenceFixture.h"

#include "core/Project.h"
#include "plc/PlcSession.h"
#include "plc/PortChoice.h"
#include "plc/SimPlc.h"
#include "plc/StepCoding.h"
#include "plc/ui/OnlineWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace ladrix;
using namespace ladrix::plc;
using namespace ladrix::plc::test;

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The online window over a project, talking to the simulated controller with short timings;
// every box is recorded instead of shown.
struct OnlineWindowTest : testing::Test {
    Project project;
    PlcSession session;
    QPointer<OnlineWindow> window;
    QStringList messages;
    QStringList warnings;
    QList<QMessageBox::StandardButton> answers;
    int questions = 0;
    bool keepProgram = false; // the answer of the save question before a read
    int reads = 0;
    std::vector<std::uint8_t> keys;

    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }

    void SetUp() override
    {
        savePortSetting(QStringLiteral("sim"));
        session.setKeyTiming(
            KeyTiming{2, 630}); // the default reply time: a loaded machine may be slow
        session.setTransferDelays(TransferDelays{}.scaled(0.01));
        QObject::connect(&session, &PlcSession::keyExchanged, &session,
                         [this](const KeyResult& k) { keys.push_back(k.key); });
        project.program() = sampleProgram();
        project.program().projectName = QStringLiteral("pump");
        open();
    }

    void TearDown() override { delete window; }

    void open()
    {
        OnlineHooks hooks{{}, [this] { return !keepProgram; }, [this] { ++reads; }};
        window = new OnlineWindow(project, session, hooks);
        OnlinePrompts prompts;
        prompts.message = [this](QWidget*, const QString&, const QString& text) {
            messages << text;
        };
        prompts.warning = [this](QWidget*, const QString&, const QString& text) {
            warnings << text;
        };
        prompts.ask = [this](QWidget*, const QString&, const QString&) {
            ++questions;
            return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
        };
        window->setPrompts(prompts);
        window->show();
    }

    template <class T> T* find(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    // Clicks near the left end, where an option's circle and text are, however wide it is.
    void click(const char* name)
    {
        QAbstractButton* b = find<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {},
                          QPoint(std::min(10, b->width() / 2), b->height() / 2));
    }
    void tab(int index) { find<QTabBar>("TabStrip")->setCurrentIndex(index); }
    // Waits until `label` shows `expected`.
    bool waitFor(const char* label, const QString& expected, int ms = 10000)
    {
        return QTest::qWaitFor([&] { return text(label) == expected; }, ms);
    }
    // Waits until the transfer running has ended (its last message comes first).
    bool finished()
    {
        return QTest::qWaitFor([&] { return find<QPushButton>("CmdExit")->isEnabled(); });
    }
    // Waits until the monitor page has the controller running and its device tree enabled.
    bool monitorRunning()
    {
        return QTest::qWaitFor([&] { return find<QTreeWidget>("TVDev")->isEnabled(); }, 10000);
    }
    // Runs `use` on the session's simulated controller, on its thread.
    void onSimulator(const std::function<void(SimPlc&)>& use)
    {
        SimPlc* sim = session.simulator();
        QMetaObject::invokeMethod(
            sim, [&] { use(*sim); }, Qt::BlockingQueuedConnection);
    }
    // The simulated controller runs only a sound program: X27 drives Y30.
    void connectSim()
    {
        onSimulator([](SimPlc& sim) { storeProgram(sim.controller(), "LD X027; OUT Y030; END"); });
        click("cmdConn");
        ASSERT_TRUE(waitFor("labConnMsg", QStringLiteral("已连接")));
        // The text comes just before the result that enables the transfers.
        ASSERT_TRUE(QTest::qWaitFor([&] { return find<QPushButton>("CmdWrite")->isEnabled(); }));
    }
};

} // namespace

TEST_F(OnlineWindowTest, OpensWithTheDefaultsOfTheConnectionPage)
{
    EXPECT_EQ(window->objectName(), u"frmOnline");
    EXPECT_EQ(window->windowTitle(), u"连接PLC");
    auto* tabs = find<QTabBar>("TabStrip");
    const char* rows[][3] = {
        {"连接PLC", "tabConn", "fmeConn"},         {"从PLC读取程序", "tabRead", "fmeRead"},
        {"把程序写入PLC", "tabWrite", "fmeWrite"}, {"清除或拷贝程序", "mnuCFun", "fmeFUN"},
        {"高速读写", "TabHRW", "fmeHRW"},          {"联机监控", "tabMon", "fmeMonitor"},
    };
    ASSERT_EQ(tabs->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(rows[i][0]));
        EXPECT_EQ(tabs->tabData(i).toString(), QString::fromUtf8(rows[i][1]));
        auto* frame = find<QGroupBox>(rows[i][2]);
        EXPECT_EQ(frame->title(), QString::fromUtf8(rows[i][0]));
        EXPECT_EQ(frame->isVisible(), i == 0) << rows[i][2];
    }
    const char* captions[][2] = {
        {"Label1", "传输率: 19200bps"},
        {"cmdConn", "连接"},
        {"labConnMsg", "未连接"},
        {"ChkREnd", "END语句为程序的结束步"},
        {"cmdRead", "读取"},
        {"cmdRCancel", "取消"},
        {"labReadMsg", "停止"},
        {"ChkWEnd", "END语句为程序的结束步"},
        {"CmdWrite", "写入"},
        {"CmdWCancel", "取消"},
        {"labWriteMsg", "停止"},
        {"OptCopy(0)", "清除 PLC 中当前的程序"},
        {"OptCopy(1)", "从PLC EEPROM中把程序拷贝到 PLC RAM中"},
        {"OptCopy(2)", "从PLC RAM中把程序拷贝到 PLC EEPROM中"},
        {"cmdFUNOK", "开始"},
        {"cmdHRead", "读取(&R)"},
        {"cmdHWrite", "写入(&W)"},
        {"CmdExit", "退出"},
        {"OptRun", "运行"},
        {"OptStop", "停止"},
        {"labDAta", "000"},
    };
    for (const auto& [name, caption] : captions) {
        QWidget* w = find<QWidget>(name);
        const QVariant shown = w->property("text");
        EXPECT_EQ(shown.toString(), QString::fromUtf8(caption)) << name;
    }
    const char* fields[][3] = {{"txtRFrom", "udRFrom", "0"},   {"txtRTo", "udRTo", "999"},
                               {"txtWFrom", "udWFrom", "0"},   {"txtWTo", "udWTo", "999"},
                               {"txtRStart", "UDRStart", "0"}, {"txtWStart", "UDWStart", "0"}};
    for (const auto& [text, upDown, value] : fields) {
        EXPECT_EQ(find<QLineEdit>(text)->text(), QString::fromUtf8(value)) << text;
        EXPECT_EQ(find<QSpinBox>(upDown)->maximum(), 999);
    }
    EXPECT_TRUE(find<QCheckBox>("ChkREnd")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("ChkWEnd")->isChecked());
    for (const char* command :
         {"CmdWrite", "cmdRead", "cmdFUNOK", "cmdHWrite", "cmdHRead", "OptRun", "OptStop"})
        EXPECT_FALSE(find<QWidget>(command)->isEnabled()) << command;
    EXPECT_FALSE(find<QComboBox>("cmbComm")->isEnabled());
    EXPECT_EQ(find<QComboBox>("cmbComm")->currentText(), u"模拟PLC(sim)");
}

TEST_F(OnlineWindowTest, PortBoxNamesTheStoredPort)
{
    const char* rows[][2] = {{"7", "串行通讯口 COM7"},
                             {"/dev/ttyUSB0", "串行通讯口 /dev/ttyUSB0"},
                             {"", "串行通讯口 COM"},
                             {"sim", "模拟PLC(sim)"}};
    for (const auto& [setting, shown] : rows) {
        savePortSetting(QString::fromUtf8(setting));
        window->reloadPortSetting();
        EXPECT_EQ(find<QComboBox>("cmbComm")->currentText(), QString::fromUtf8(shown));
    }
}

TEST_F(OnlineWindowTest, ConnectEnablesTheCommandsAndASilentControllerTimesOut)
{
    connectSim();
    EXPECT_TRUE(find<QPushButton>("CmdWrite")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("OptRun")->isEnabled());
    session.setSimFaults(faults(&SimFaults::silent, true));
    click("cmdConn");
    ASSERT_TRUE(waitFor("labConnMsg", QStringLiteral("PLC连接超时")));
    EXPECT_FALSE(find<QPushButton>("CmdWrite")->isEnabled());
    // A port that names no device fails before anything is opened, and says why.
    savePortSetting(QString());
    window->reloadPortSetting();
    click("cmdConn");
    EXPECT_EQ(text("labConnMsg"), u"连接失败");
    EXPECT_EQ(messages.value(0), u"没有选择串行通讯口，请用\"串口设置\"选择。");
}

TEST_F(OnlineWindowTest, WriteThenReadReplacesTheProgramAndShowsIt)
{
    const ProgramStore written = project.program();
    project.grid().cell(5) = Cell{kContact, kPlainEdge, kPlainEdge, QStringLiteral("X000"), {}};
    connectSim();
    tab(2);
    click("CmdWrite");
    EXPECT_FALSE(find<QPushButton>("CmdExit")->isEnabled());
    ASSERT_TRUE(waitFor("labWriteMsg", QStringLiteral("写入已完成")));
    EXPECT_TRUE(finished());
    EXPECT_EQ(find<QProgressBar>("psbWrite")->value(), written.getEndStep());

    project.program().clearSteps();
    int changes = 0; // the read is one change of the history, taken back whole by undo
    QObject::connect(&project, &Project::changeRecorded, &project, [&] { ++changes; });
    tab(1);
    click("cmdRead");
    ASSERT_TRUE(waitFor("labReadMsg", QStringLiteral("读取完成")) && finished());
    EXPECT_EQ(changes, 1);
    for (int i = 0; i <= written.getEndStep(); ++i)
        EXPECT_EQ(project.program().step(i), written.step(i)) << i;
    EXPECT_TRUE(project.grid().isClear());
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(find<QProgressBar>("PsbRead")->value(), 0);
}

// A read replaces the program only when it ends as asked: a kept program (the save question
// cancelled) sends nothing, and a read that times out changes nothing.
TEST_F(OnlineWindowTest, ReadThatIsRefusedOrTimesOutLeavesTheProgram)
{
    const ProgramStore before = project.program();
    session.setSimFaults(faults(&SimFaults::dropEvery, 9)); // the read's seventh key
    connectSim();
    tab(1);
    keepProgram = true;
    keys.clear();
    click("cmdRead");
    QTest::qWait(50);
    EXPECT_TRUE(keys.empty());
    keepProgram = false;
    click("cmdRead");
    ASSERT_TRUE(waitFor("labReadMsg", QStringLiteral("PLC连接超时")) && finished());
    EXPECT_EQ(project.program().step(0), before.step(0));
    EXPECT_EQ(reads, 0);
}

TEST_F(OnlineWindowTest, CancelStopsTheReadAfterTheCurrentStepAndKeepsWhatWasRead)
{
    connectSim();
    tab(1);
    find<QCheckBox>("ChkREnd")->setChecked(false);
    click("cmdRead");
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labReadMsg").startsWith(u"正在读出"); }));
    click("cmdRCancel");
    ASSERT_TRUE(waitFor("labReadMsg", QStringLiteral("读取已取消")) && finished());
    // Step 0 was read before the cancel ("正在读出" follows each step read).
    EXPECT_EQ(project.program().step(0), step("LD", "X027"));
    EXPECT_EQ(reads, 1);
}

TEST_F(OnlineWindowTest, RefusedStepIsReportedAndASecondStartIsRefused)
{
    project.program() = programOf("ANB; K 1000; END");
    connectSim();
    tab(2);
    click("CmdWrite");
    tab(1);
    click("cmdRead"); // while the write runs
    tab(2);
    ASSERT_TRUE(waitFor("labWriteMsg", QStringLiteral("写入失败")) && finished());
    EXPECT_EQ(messages, (QStringList{"PLC正在执行另一项操作，请等它结束后再试。",
                                     "无法写入第 1步   \n指令:K  数据:1000"}));
    EXPECT_TRUE(find<QPushButton>("CmdWrite")->isEnabled());
}

// After "运行" a transfer asks first: Cancel sends nothing, Yes stops the controller and then
// writes, No writes with the controller running (which refuses to store the steps).
TEST_F(OnlineWindowTest, TransferWhileRunningAsksWhetherToStopFirst)
{
    connectSim();
    tab(5);
    ASSERT_TRUE(monitorRunning());
    EXPECT_EQ(keys.back(), cmd::MonitorMode);
    tab(2);
    const struct {
        QMessageBox::StandardButton answer;
        std::vector<std::uint8_t> first;
        const char* end;
    } rows[] = {{QMessageBox::Cancel, {}, ""},
                {QMessageBox::No, {key::Ori9}, "写入失败"},
                {QMessageBox::Yes, {cmd::ProgramMode, key::Ori9}, "写入已完成"}};
    int asked = 0;
    for (const auto& row : rows) {
        keys.clear();
        answers = {row.answer};
        find<QLabel>("labWriteMsg")->clear();
        click("CmdWrite"); // asks once the controller has answered "运行"
        ASSERT_TRUE(QTest::qWaitFor([&] { return questions == asked + 1; }));
        ++asked;
        ASSERT_TRUE(waitFor("labWriteMsg", QString::fromUtf8(row.end)));
        ASSERT_TRUE(finished());
        keys.resize(std::min(keys.size(), row.first.size()));
        EXPECT_EQ(keys, row.first);
    }
    EXPECT_EQ(questions, 3);
    EXPECT_TRUE(find<QRadioButton>("OptStop")->isChecked());
    click("CmdWrite"); // stopped now: no question
    EXPECT_EQ(questions, 3);
}

// Leaving the monitor and at once connecting or writing: the window's own poll on its way is
// not another operation; the command runs as soon as the poll is back.
TEST_F(OnlineWindowTest, CommandRightAfterTheMonitorWaitsForItsLastPoll)
{
    session.setKeyTiming(KeyTiming{100, 630}); // a poll takes a while, as on the wire
    project.program() = programOf("LD X0; END");
    connectSim();
    const struct {
        int tab;
        const char* button;
        const char* label;
        const char* end;
    } rows[] = {{2, "CmdWrite", "labWriteMsg", "写入已完成"},
                {0, "cmdConn", "labConnMsg", "已连接"}};
    for (const auto& row : rows) {
        tab(5);
        auto* tree = find<QTreeWidget>("TVDev");
        ASSERT_TRUE(monitorRunning());
        find<QLabel>("labDAta")->clear();
        emit tree->itemClicked(tree->topLevelItem(0)->child(23), 0);
        ASSERT_TRUE(waitFor("labDAta", QStringLiteral("027")));         // polled once
        ASSERT_TRUE(QTest::qWaitFor([&] { return session.isBusy(); })); // the next poll
        answers = {QMessageBox::Yes};                                   // stop the controller first
        tab(row.tab);
        find<QLabel>(row.label)->clear();
        click(row.button);
        EXPECT_TRUE(waitFor(row.label, QString::fromUtf8(row.end))) << row.button;
        EXPECT_TRUE(finished());
    }
    EXPECT_EQ(messages, QStringList{});
}

TEST_F(OnlineWindowTest, RunOfAProgramThatCannotRunSaysWhyAndLeavesTheTreeOff)
{
    connectSim();
    onSimulator([](SimPlc& sim) { sim.controller().setWord(2, encodeStep(step("NOP", ""))); });
    tab(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages, QStringList{"程序无法运行：0002: 程序没有END指令"});
    EXPECT_FALSE(find<QTreeWidget>("TVDev")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("OptRun")->isChecked());
}

TEST_F(OnlineWindowTest, CopiesWarnFirstAndClearDoesNot)
{
    connectSim();
    tab(3);
    const struct {
        const char* option;
        const char* done;
        int warnings;
    } rows[] = {{"OptCopy(2)", "拷贝已完成", 1},
                {"OptCopy(0)", "清除已完成", 1},
                {"OptCopy(1)", "拷贝已完成", 2}};
    for (const auto& row : rows) {
        click(row.option);
        find<QLabel>("labFUNMSG")->clear();
        click("cmdFUNOK");
        EXPECT_FALSE(find<QRadioButton>("OptCopy(0)")->isEnabled());
        ASSERT_TRUE(waitFor("labFUNMSG", QString::fromUtf8(row.done)));
        EXPECT_TRUE(finished());
        EXPECT_TRUE(find<QRadioButton>("OptCopy(0)")->isEnabled());
        EXPECT_EQ(warnings.size(), row.warnings);
    }
    EXPECT_TRUE(warnings.front().startsWith(u"注意！此操作只有在CPU存储器设置为EEPROM状态下有效"));
}

TEST_F(OnlineWindowTest, HighSpeedWriteVerifyAndReadOnTheirPage)
{
    connectSim();
    tab(4);
    click("cmdHWrite");
    EXPECT_FALSE(find<QPushButton>("cmdHRead")->isEnabled());
    ASSERT_TRUE(waitFor("labHWrite", QStringLiteral("写入已完成！")) && finished());
    click("cmdHVerify");
    ASSERT_TRUE(waitFor("labHVerify", QStringLiteral("程序一致")) && finished());
    EXPECT_EQ(find<QTreeWidget>("lvwVerify")->topLevelItemCount(), 0);

    project.program().step(1).data = QStringLiteral("X002");
    project.program().step(40) = step("LD", "X007"); // past END: not the controller's
    click("cmdHVerify");
    ASSERT_TRUE(waitFor("labHVerify", QStringLiteral("有 1 步不一致")) && finished());
    QTreeWidgetItem* row = find<QTreeWidget>("lvwVerify")->topLevelItem(0);
    EXPECT_EQ((QStringList{row->text(0), row->text(1), row->text(2)}),
              (QStringList{"1", "AND X002", "AND X001"}));

    click("cmdHRead");
    ASSERT_TRUE(waitFor("labHRead", QStringLiteral("读取已完成!")) && finished());
    EXPECT_EQ(project.program().step(1), step("AND", "X001"));
    EXPECT_TRUE(project.program().step(40).isEmpty());
    EXPECT_EQ(reads, 1);
}

TEST_F(OnlineWindowTest, MonitorPollsThePickedDeviceUntilAnotherPageOrStop)
{
    onSimulator([](SimPlc& sim) {
        sim.setInput(27, true);
        sim.setData(712, 345);
    });
    // Keys paced longer than the timer's tick, as on the wire: a poll is nearly always running.
    session.setKeyTiming(KeyTiming{100, 630});
    connectSim();
    tab(5);
    auto* tree = find<QTreeWidget>("TVDev");
    ASSERT_TRUE(monitorRunning());
    ASSERT_EQ(tree->topLevelItemCount(), 8);
    const struct {
        int group;
        int child;
        const char* shown;
        QColor lamp;
    } rows[] = {{0, 23, "027", QColor(255, 0, 0)}, {6, 10, "345", QColor(128, 128, 128)}};
    for (const auto& row : rows) {
        QTreeWidgetItem* node = tree->topLevelItem(row.group)->child(row.child);
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
        ASSERT_TRUE(waitFor("labDAta", QString::fromUtf8(row.shown)));
        QTest::qWait(50);
        EXPECT_EQ(find<QLabel>("labVer")->palette().color(QPalette::Window), row.lamp);
    }
    tab(0);
    QTest::qWait(200); // the poll on its way when the page changed
    keys.clear();
    QTest::qWait(250);
    EXPECT_TRUE(keys.empty()); // polling stopped
    tab(5);
    emit tree->itemClicked(tree->topLevelItem(0)->child(23), 0);
    ASSERT_TRUE(waitFor("labDAta", QStringLiteral("027")));
    // 停止 while a poll is on its way goes out right after it, and the polling ends.
    QTest::qWait(50); // the next poll has started and waits for its key's turn
    click("OptStop");
    EXPECT_FALSE(tree->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !keys.empty() && keys.back() == cmd::ProgramMode; }));
    keys.clear();
    QTest::qWait(250);
    EXPECT_TRUE(keys.empty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(OnlineWindowTest, ClosingDuringATransferCancelsItAndClosesThePort)
{
    connectSim();
    tab(1);
    find<QCheckBox>("ChkREnd")->setChecked(false);
    click("cmdRead");
    ASSERT_TRUE(QTest::qWaitFor([&] { return text("labReadMsg").startsWith(u"正在读出"); }));
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.isBusy(); }));
    QTest::qWait(20);
    std::optional<SequenceResult> after;
    QObject::connect(&session, &PlcSession::finished, &session,
                     [&](const SequenceResult& r) { after = r; });
    ASSERT_TRUE(session.sendKeys({227}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return after.has_value(); }));
    EXPECT_EQ(after->outcome, SequenceOutcome::LinkFailed);
    EXPECT_EQ(reads, 0);
}

// Keys reach controller steps 0 to 999: on the second model a range past it says so.
TEST_F(OnlineWindowTest, RangePastTheKeyedStepsPointsToTheHighSpeedPage)
{
    project.program().plcType = 1;
    project.notifyStateChanged();
    auto* writeNote = find<QLabel>("labWNote");
    auto* readNote = find<QLabel>("labRNote");
    EXPECT_EQ(find<QSpinBox>("udWTo")->maximum(), 1999);
    find<QSpinBox>("udRTo")->setValue(1500);
    find<QCheckBox>("ChkWEnd")->setChecked(false);
    find<QSpinBox>("udWTo")->setValue(1000);
    EXPECT_FALSE(writeNote->isHidden());
    EXPECT_FALSE(readNote->isHidden());
    EXPECT_EQ(writeNote->text(), u"按键写入只能写到第 999 步，其后的程序请用高速写入");
    find<QCheckBox>("ChkWEnd")->setChecked(true); // END at step 27
    find<QSpinBox>("udRTo")->setValue(999);
    EXPECT_TRUE(writeNote->isHidden());
    EXPECT_TRUE(readNote->isHidden());
}
