#include "OnlineWindow.h"

#include "MonitorPage.h"
#include "OnlineTexts.h"
#include "SessionClient.h"

#include "core/Project.h"
#include "core/RuntimeError.h"
#include "plc/PlcTexts.h"
#include "plc/PortChoice.h"
#include "widgets/CommonTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedLayout>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

namespace t = onlinetexts;

// Pages in tab order: caption and key of the tab.
struct TabEntry {
    QString (*caption)(); // looked up when the window is made, in the interface's language
    const char* key;
};
constexpr TabEntry kTabs[] = {
    {t::kTabConn, "tabConn"}, {t::kTabRead, "tabRead"}, {t::kTabWrite, "tabWrite"},
    {t::kTabFun, "mnuCFun"},  {t::kTabHrw, "TabHRW"},   {t::kTabMon, "tabMon"},
};
constexpr int kMonitorTab = 5;
constexpr int kLastKeyedStep = 999;

// The port as the connection page names it.
QString portText(const QString& setting)
{
    const QString s = setting.trimmed();
    if (s.compare(QLatin1String(kSimPort), Qt::CaseInsensitive) == 0)
        return t::kSimPort();
    bool number = false;
    s.toInt(&number);
    if (number || s.isEmpty())
        return t::kPortPrefix() + QStringLiteral(" COM") + s;
    return t::kPortPrefix() + u' ' + s;
}

} // namespace

OnlineWindow::OnlineWindow(Project& project, PlcSession& session, OnlineHooks hooks,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_project(project), m_hooks(std::move(hooks)),
      m_client(new SessionClient(session, this))
{
    setObjectName(QStringLiteral("frmOnline"));
    setWindowTitle(t::kTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    // The port stays open while this window or the handheld panel is there.
    m_client->holdPort();
    buildWindow();
    connectSignals();

    // Defaults on load.
    for (QSpinBox* box : {m_c.txtWFrom, m_c.txtRFrom, m_c.txtWStart, m_c.txtRStart})
        box->setValue(0);
    updateLimits();
    m_c.txtWTo->setValue(m_project.program().maxStep());
    m_c.txtRTo->setValue(m_project.program().maxStep());
    m_c.ChkREnd->setChecked(true);
    m_c.ChkWEnd->setChecked(true);
    m_c.labConnMsg->setText(text::notConnected());
    m_c.labReadMsg->setText(t::kStopped());
    m_c.labWriteMsg->setText(t::kStopped());
    nSetMode(2);
    reloadPortSetting();
    updateNotes();
}

OnlineWindow::~OnlineWindow() = default;

void OnlineWindow::buildWindow()
{
    m_tabs = new QTabBar;
    m_tabs->setObjectName(QStringLiteral("TabStrip"));
    m_tabs->setExpanding(false);
    for (const TabEntry& tab : kTabs)
        m_tabs->setTabData(m_tabs->addTab(tab.caption()), QString::fromLatin1(tab.key));

    m_pages = new QStackedLayout;
    m_pages->addWidget(buildConnPage(m_c));
    m_pages->addWidget(buildReadPage(m_c));
    m_pages->addWidget(buildWritePage(m_c));
    m_pages->addWidget(buildFunPage(m_c));
    m_pages->addWidget(buildHighSpeedPage(m_c));
    m_monitor = new MonitorPage(*m_client, m_prompts);
    m_pages->addWidget(m_monitor);

    m_exit = new QPushButton(t::kExit());
    m_exit->setObjectName(QStringLiteral("CmdExit"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(m_pages, 1);
    layout->addLayout(bottom);
    resize(560, 420);
}

void OnlineWindow::connectSignals()
{
    connect(m_tabs, &QTabBar::currentChanged, this, &OnlineWindow::onTabChanged);
    connect(m_c.cmdConn, &QPushButton::clicked, this, &OnlineWindow::nOnline);
    connect(m_c.cmdRead, &QPushButton::clicked, this, &OnlineWindow::startRead);
    connect(m_c.CmdWrite, &QPushButton::clicked, this, &OnlineWindow::startWrite);
    connect(m_c.cmdFUNOK, &QPushButton::clicked, this, &OnlineWindow::startClearOrCopy);
    connect(m_c.cmdHWrite, &QPushButton::clicked, this, &OnlineWindow::startHighSpeedWrite);
    connect(m_c.cmdHRead, &QPushButton::clicked, this, &OnlineWindow::startHighSpeedRead);
    connect(m_c.cmdHVerify, &QPushButton::clicked, this, &OnlineWindow::startVerify);
    // Cancel takes effect after the current step; it stops only the transfer of its page.
    connect(m_c.cmdRCancel, &QPushButton::clicked, this, [this] {
        if (m_client->pending() && m_client->pendingKind() == SequenceKind::Read)
            m_client->cancel();
    });
    connect(m_c.CmdWCancel, &QPushButton::clicked, this, [this] {
        if (m_client->pending() && m_client->pendingKind() == SequenceKind::Write)
            m_client->cancel();
    });
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    connect(m_client, &SessionClient::message, this, &OnlineWindow::onMessage);
    connect(m_client, &SessionClient::progress, this, &OnlineWindow::onProgress);
    connect(m_client, &SessionClient::finished, this, &OnlineWindow::onFinished);

    connect(&m_project, &Project::stateChanged, this, &OnlineWindow::updateLimits);
    connect(&m_project, &Project::stepsChanged, this, &OnlineWindow::updateNotes);
    for (QSpinBox* box : {m_c.txtWTo, m_c.txtRTo})
        connect(box, &QSpinBox::valueChanged, this, &OnlineWindow::updateNotes);
    connect(m_c.ChkWEnd, &QCheckBox::toggled, this, &OnlineWindow::updateNotes);
}

void OnlineWindow::onTabChanged(int index)
{
    m_pages->setCurrentIndex(index);
    if (index == kMonitorTab)
        m_monitor->pageSelected();
    else
        m_monitor->stopPolling();
}

void OnlineWindow::updateLimits()
{
    const int maxStep = m_project.program().maxStep();
    for (QSpinBox* box :
         {m_c.txtRStart, m_c.txtRFrom, m_c.txtRTo, m_c.txtWStart, m_c.txtWFrom, m_c.txtWTo})
        box->setRange(0, maxStep);
    updateNotes();
}

// Keys reach controller steps 0 to 999: a range past that is said to need the high-speed page.
void OnlineWindow::updateNotes()
{
    const int writeTo =
        m_c.ChkWEnd->isChecked() ? m_project.program().getEndStep() : m_c.txtWTo->value();
    m_c.labWNote->setText(text::keysWriteTo999());
    m_c.labWNote->setVisible(writeTo > kLastKeyedStep);
    m_c.labRNote->setText(text::keysReadTo999());
    m_c.labRNote->setVisible(m_c.txtRTo->value() > kLastKeyedStep);
}

void OnlineWindow::reloadPortSetting()
{
    const QString setting = readPortSetting().trimmed();
    if (setting == m_portSetting && m_c.cmbComm->count() > 0)
        return;
    const bool changed = m_c.cmbComm->count() > 0;
    m_portSetting = setting;
    m_c.cmbComm->clear();
    m_c.cmbComm->addItem(portText(setting));
    bool number = false;
    const int n = setting.toInt(&number);
    m_c.cmbComm->setToolTip(number ? portNameForNumber(n) : QString());
    if (changed) {
        m_client->cancelAndClose();
        nSetMode(2);
        m_c.labConnMsg->setText(text::notConnected());
    }
}

void OnlineWindow::nSetMode(int mode)
{
    const bool on = mode == 1;
    for (QPushButton* b :
         {m_c.CmdWrite, m_c.cmdRead, m_c.cmdFUNOK, m_c.cmdHWrite, m_c.cmdHRead, m_c.cmdHVerify})
        b->setEnabled(on);
    m_monitor->setOptionsEnabled(on);
}

void OnlineWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Opened over the middle of the main window, where the user looks.
    if (!m_placed && parentWidget()) {
        m_placed = true;
        move(parentWidget()->frameGeometry().center() - rect().center());
    }
}

void OnlineWindow::closeEvent(QCloseEvent* event)
{
    // Whatever runs stops after its current step, and the port closes behind it unless the
    // handheld panel still uses it. The result is dropped: a read the user walked away from
    // does not replace the program.
    m_monitor->stopPolling();
    disconnect(m_client, nullptr, this, nullptr);
    disconnect(m_client, nullptr, m_monitor, nullptr);
    m_client->leave();
    event->accept();
}

bool OnlineWindow::submit(SequenceKind kind, const std::function<bool(PlcSession&)>& call)
{
    if (m_client->request(kind, call))
        return true;
    m_prompts.message(this, commontexts::appTitle(), t::kBusy());
    return false;
}

void OnlineWindow::whenReady(const std::function<void()>& start)
{
    // The monitor's last exchange may still be on its way after its page was left: the
    // transfer waits for it rather than calling the window's own exchange another operation.
    // Queued, so that a question it asks is not opened inside the poll's result.
    if (m_monitor->whenExchangeBack([this, start] {
            QMetaObject::invokeMethod(
                this, [this, start] { whenReady(start); }, Qt::QueuedConnection);
        }))
        return;
    if (m_client->pending() || m_client->sessionBusy()) {
        m_prompts.message(this, commontexts::appTitle(), t::kBusy());
        return;
    }
    // Whichever window set the controller running (this one's monitor or the handheld panel).
    if (!m_client->plcRunning()) {
        start();
        return;
    }
    switch (m_prompts.ask(this, commontexts::appTitle(), t::kStopFirst())) {
    case QMessageBox::Yes:
        // The transfer starts once the controller has answered "停止".
        if (!m_monitor->stopPlc([start](bool stopped) {
                if (stopped)
                    start();
            }))
            m_prompts.message(this, commontexts::appTitle(), t::kBusy());
        break;
    case QMessageBox::No:
        start();
        break;
    default:
        break;
    }
}

void OnlineWindow::nOnline()
{
    if (resolvePort(m_portSetting).isEmpty()) {
        m_c.labConnMsg->setText(text::connectFailed());
        nSetMode(2);
        m_prompts.message(this, commontexts::appTitle(), t::kNoPortChosen());
        return;
    }
    if (m_monitor->whenExchangeBack([this] { nOnline(); }))
        return;
    if (m_client->pending() || m_client->sessionBusy()) {
        m_prompts.message(this, commontexts::appTitle(), t::kBusy());
        return;
    }
    const QString setting = m_portSetting;
    submit(SequenceKind::Connect, [setting](PlcSession& s) { return s.connectPlc(setting); });
}

bool OnlineWindow::askBeforeRead()
{
    if (!m_hooks.beforeRead)
        return true;
    const bool go = m_hooks.beforeRead();
    // The question belongs to the main window, which the window manager raised with it.
    raise();
    activateWindow();
    return go;
}

void OnlineWindow::startRead()
{
    whenReady([this] {
        if (!askBeforeRead())
            return;
        const ReadRange range{m_c.txtRFrom->value(), m_c.txtRTo->value(), m_c.txtRStart->value(),
                              m_c.ChkREnd->isChecked()};
        const int maxStep = m_project.program().maxStep();
        if (submit(SequenceKind::Read,
                   [range, maxStep](PlcSession& s) { return s.readProgram(range, maxStep); }))
            setTransferring(SequenceKind::Read, true);
    });
}

void OnlineWindow::startWrite()
{
    whenReady([this] {
        if (m_hooks.beforeSend)
            m_hooks.beforeSend();
        const WriteRange range{m_c.txtWFrom->value(), m_c.txtWTo->value(),
                               m_c.ChkWEnd->isChecked()};
        const ProgramStore& program = m_project.program();
        if (submit(SequenceKind::Write,
                   [&program, range](PlcSession& s) { return s.writeProgram(program, range); }))
            setTransferring(SequenceKind::Write, true);
    });
}

void OnlineWindow::startClearOrCopy()
{
    whenReady([this] {
        ClearCopyOp op = ClearCopyOp::Clear;
        if (m_c.OptCopy[1]->isChecked())
            op = ClearCopyOp::EepromToRam;
        else if (m_c.OptCopy[2]->isChecked())
            op = ClearCopyOp::RamToEeprom;
        else if (!m_c.OptCopy[0]->isChecked())
            return;
        if (op != ClearCopyOp::Clear)
            m_prompts.warning(this, t::kCopyWarningTitle(), t::kCopyWarning());
        if (submit(SequenceKind::ClearCopy, [op](PlcSession& s) { return s.clearOrCopy(op); }))
            setTransferring(SequenceKind::ClearCopy, true);
    });
}

void OnlineWindow::startHighSpeedWrite()
{
    whenReady([this] {
        if (m_hooks.beforeSend)
            m_hooks.beforeSend();
        const ProgramStore& program = m_project.program();
        if (submit(SequenceKind::HighSpeedWrite,
                   [&program](PlcSession& s) { return s.highSpeedWrite(program); }))
            setTransferring(SequenceKind::HighSpeedWrite, true);
    });
}

void OnlineWindow::startHighSpeedRead()
{
    whenReady([this] {
        if (!askBeforeRead())
            return;
        const int plcType = m_project.program().plcType;
        if (submit(SequenceKind::HighSpeedRead,
                   [plcType](PlcSession& s) { return s.highSpeedRead(plcType); }))
            setTransferring(SequenceKind::HighSpeedRead, true);
    });
}

void OnlineWindow::startVerify()
{
    whenReady([this] {
        if (m_hooks.beforeSend)
            m_hooks.beforeSend();
        m_c.lvwVerify->clear();
        const ProgramStore& program = m_project.program();
        if (submit(SequenceKind::Verify, [&program](PlcSession& s) { return s.verify(program); }))
            setTransferring(SequenceKind::Verify, true);
    });
}

void OnlineWindow::setTransferring(SequenceKind kind, bool on)
{
    m_exit->setEnabled(!on);
    const bool connected = m_c.cmdRead->isEnabled();
    switch (kind) {
    case SequenceKind::Write:
        m_c.CmdWrite->setEnabled(!on && connected);
        for (QWidget* w : std::initializer_list<QWidget*>{m_c.txtWFrom, m_c.txtWTo, m_c.ChkWEnd})
            w->setEnabled(!on);
        break;
    case SequenceKind::ClearCopy:
        for (QRadioButton* option : m_c.OptCopy)
            option->setEnabled(!on);
        break;
    case SequenceKind::HighSpeedWrite:
    case SequenceKind::HighSpeedRead:
    case SequenceKind::Verify:
        for (QPushButton* b : {m_c.cmdHWrite, m_c.cmdHRead, m_c.cmdHVerify})
            b->setEnabled(!on && connected);
        break;
    default:
        break;
    }
}

void OnlineWindow::onMessage(SequenceKind kind, const QString& text)
{
    switch (kind) {
    case SequenceKind::Connect:
        m_c.labConnMsg->setText(text);
        break;
    case SequenceKind::Read:
        m_c.labReadMsg->setText(text);
        break;
    case SequenceKind::Write:
        m_c.labWriteMsg->setText(text);
        break;
    case SequenceKind::ClearCopy:
        m_c.labFUNMSG->setText(text);
        break;
    case SequenceKind::HighSpeedWrite:
        m_c.labHWrite->setText(text);
        break;
    case SequenceKind::HighSpeedRead:
        m_c.labHRead->setText(text);
        break;
    case SequenceKind::Verify:
        m_c.labHVerify->setText(text);
        break;
    default:
        break;
    }
}

void OnlineWindow::onProgress(SequenceKind kind, int value, int minimum, int maximum)
{
    QProgressBar* bar = nullptr;
    switch (kind) {
    case SequenceKind::Read:
        bar = m_c.PsbRead;
        break;
    case SequenceKind::Write:
        bar = m_c.psbWrite;
        break;
    case SequenceKind::HighSpeedWrite:
        bar = m_c.PSBHWrite;
        break;
    case SequenceKind::HighSpeedRead:
        bar = m_c.PSBHRead;
        break;
    default:
        return;
    }
    bar->setRange(minimum, maximum);
    bar->setValue(value);
}

void OnlineWindow::onFinished(const SequenceResult& result)
{
    switch (result.kind) {
    case SequenceKind::Connect:
        m_c.labConnMsg->setText(result.message);
        nSetMode(result.ok() ? 1 : 2);
        break;
    case SequenceKind::Read:
    case SequenceKind::Write:
    case SequenceKind::ClearCopy:
    case SequenceKind::HighSpeedWrite:
    case SequenceKind::HighSpeedRead:
    case SequenceKind::Verify:
        setTransferring(result.kind, false);
        onMessage(result.kind, result.message);
        applyRead(result);
        showVerify(result);
        break;
    default:
        return; // the monitor's own
    }
    report(result);
}

void OnlineWindow::applyRead(const SequenceResult& result)
{
    // Only a read that ended as asked (completed, or cancelled: what was read so far) replaces
    // the program; a failed one leaves it as it was.
    const bool keyRead = result.kind == SequenceKind::Read;
    if ((!keyRead && result.kind != SequenceKind::HighSpeedRead) ||
        (!result.ok() && result.outcome != SequenceOutcome::Cancelled))
        return;
    {
        // One change of the project's history, which undo takes back whole.
        const EditScope edit(m_project);
        if (keyRead) {
            applyKeyRead(result, m_project.program());
            m_project.grid().clear();
            m_project.notifyGridChanged();
        } else {
            applyHighSpeedRead(result, m_project.program());
        }
        m_project.notifyStepsChanged();
    }
    if (m_hooks.afterRead)
        m_hooks.afterRead();
    if (keyRead) {
        m_c.PsbRead->setValue(m_c.PsbRead->minimum());
        m_c.PsbRead->setRange(0, 1);
        m_c.PsbRead->setValue(0);
        showMinimized();
    }
}

void OnlineWindow::showVerify(const SequenceResult& result)
{
    if (result.kind != SequenceKind::Verify || !result.ok())
        return;
    for (const StepDifference& d : result.differences)
        new QTreeWidgetItem(m_c.lvwVerify, {QString::number(d.step), d.pc, d.plc});
}

void OnlineWindow::report(const SequenceResult& result)
{
    if (result.outcome == SequenceOutcome::LinkFailed) {
        nSetMode(2);
        if (result.kind != SequenceKind::Connect)
            m_c.labConnMsg->setText(text::connectFailed());
    }
    if (result.dialogText.isEmpty())
        return;
    QString text = result.dialogText;
    if (result.kind == SequenceKind::Connect && result.outcome == SequenceOutcome::LinkFailed)
        text = t::kCannotOpen().arg(resolvePort(m_portSetting), result.dialogText);
    const QString title =
        result.errorNumber != 0 ? errorTitle(result.errorNumber) : commontexts::appTitle();
    m_prompts.message(this, title, text);
}

} // namespace ladrix::plc
