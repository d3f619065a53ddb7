#include "MonitorPage.h"

#include "OnlineTexts.h"
#include "SessionClient.h"

#include "plc/DeviceGroups.h"
#include "widgets/CommonTexts.h"
#include "widgets/RowFont.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

namespace t = onlinetexts;

// The lamp: the display code of an "on" device lights it.
const QColor kLampOn(255, 0, 0);
const QColor kLampOff(128, 128, 128);

void setLamp(QLabel* lamp, const QColor& colour)
{
    QPalette p = lamp->palette();
    p.setColor(QPalette::Window, colour);
    lamp->setPalette(p);
}

QGroupBox* frame(const QString& caption, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    return box;
}

} // namespace

MonitorPage::MonitorPage(SessionClient& client, const OnlinePrompts& prompts, QWidget* parent)
    : QGroupBox(t::kTabMon(), parent), m_client(client), m_prompts(prompts),
      m_run(new QRadioButton(t::kRun())), m_stop(new QRadioButton(t::kStopped())),
      m_tree(new QTreeWidget), m_data(new QLabel(t::kNoData)), m_lamp(new QLabel),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("fmeMonitor"));
    m_run->setObjectName(QStringLiteral("OptRun"));
    m_stop->setObjectName(QStringLiteral("OptStop"));
    m_tree->setObjectName(QStringLiteral("TVDev"));
    m_data->setObjectName(QStringLiteral("labDAta"));
    m_lamp->setObjectName(QStringLiteral("labVer"));
    m_timer->setObjectName(QStringLiteral("timMon"));

    QGroupBox* operation = frame(t::kOperation(), this);
    auto* operationLayout = new QVBoxLayout(operation);
    operationLayout->addWidget(m_run);
    operationLayout->addWidget(m_stop);
    operationLayout->addStretch();

    QGroupBox* devices = frame(t::kDevice(), this);
    auto* devicesLayout = new QVBoxLayout(devices);
    devicesLayout->addWidget(m_tree);
    m_tree->setHeaderHidden(true);
    m_tree->setFont(rowFont());
    buildTree();

    QGroupBox* data = frame(t::kData(), this);
    auto* dataLayout = new QVBoxLayout(data);
    m_data->setFont(rowFont());
    m_data->setAlignment(Qt::AlignCenter);
    m_data->setFrameShape(QFrame::Panel);
    m_data->setFrameShadow(QFrame::Sunken);
    m_data->setMinimumWidth(80);
    m_lamp->setAutoFillBackground(true);
    m_lamp->setFixedSize(24, 24);
    m_lamp->setFrameShape(QFrame::Panel);
    setLamp(m_lamp, kLampOff);
    dataLayout->addWidget(m_data);
    dataLayout->addWidget(m_lamp, 0, Qt::AlignHCenter);
    dataLayout->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(operation);
    side->addWidget(data);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(devices, 1);

    m_timer->setInterval(30);
    m_tree->setEnabled(false);
    // A click that the page refuses must not leave the option looking chosen.
    m_run->setAutoExclusive(false);
    m_stop->setAutoExclusive(false);
    connect(m_run, &QRadioButton::clicked, this, &MonitorPage::onRunClicked);
    connect(m_stop, &QRadioButton::clicked, this, &MonitorPage::onStopClicked);
    connect(m_tree, &QTreeWidget::itemClicked, this, &MonitorPage::onNodeClicked);
    connect(m_timer, &QTimer::timeout, this, &MonitorPage::onTick);
    connect(&m_client, &SessionClient::finished, this, &MonitorPage::onFinished);
    connect(&m_client, &SessionClient::plcModeChanged, this, &MonitorPage::onModeChanged);
}

void MonitorPage::buildTree()
{
    for (const DeviceGroup& group : deviceGroups()) {
        auto* node = new QTreeWidgetItem(m_tree, {group.text});
        node->setData(0, Qt::UserRole, group.key);
        for (const QString& number : group.numbers) {
            auto* child = new QTreeWidgetItem(node, {number});
            child->setData(0, Qt::UserRole, group.key + number);
        }
    }
}

void MonitorPage::setOptionsEnabled(bool on)
{
    m_run->setEnabled(on);
    m_stop->setEnabled(on);
}

void MonitorPage::pageSelected()
{
    if (m_run->isEnabled() && !m_run->isChecked()) {
        m_run->setChecked(true);
        onRunClicked();
    }
}

void MonitorPage::stopPolling()
{
    m_timer->stop();
    m_afterExchange = {};
}

void MonitorPage::showMode()
{
    // Neither option is chosen until the controller has answered one of them.
    m_run->setChecked(m_modeKnown && m_running);
    m_stop->setChecked(m_modeKnown && !m_running);
    m_tree->setEnabled(m_running);
}

// The controller's mode set by any window (the handheld panel's PROGRAM and MONITOR too): the
// options show it, and a stopped controller is not polled.
void MonitorPage::onModeChanged(bool running)
{
    m_running = running;
    m_modeKnown = true;
    if (!running)
        stopPolling();
    showMode();
}

void MonitorPage::onRunClicked()
{
    if (!setMode(true, {}))
        m_prompts.message(window(), commontexts::appTitle(), t::kBusy());
}

void MonitorPage::onStopClicked()
{
    if (!setMode(false, {}))
        m_prompts.message(window(), commontexts::appTitle(), t::kBusy());
}

bool MonitorPage::stopPlc(std::function<void(bool)> done)
{
    return setMode(false, std::move(done));
}

bool MonitorPage::setMode(bool run, std::function<void(bool)> done)
{
    if (!run) {
        stopPolling();
        m_tree->setEnabled(false);
    }
    // A poll or the other mode key may be on its way; this one follows as soon as it is back.
    if (whenExchangeBack([this, run, done] {
            if (!setMode(run, done))
                m_prompts.message(window(), commontexts::appTitle(), t::kBusy());
        })) {
        m_run->setChecked(run);
        m_stop->setChecked(!run);
        return true;
    }
    if (!m_client.request(SequenceKind::RunStop,
                          [run](PlcSession& s) { return s.setRunMode(run); })) {
        showMode();
        return false;
    }
    m_wantRun = run;
    m_afterMode = std::move(done);
    m_run->setChecked(run);
    m_stop->setChecked(!run);
    return true;
}

bool MonitorPage::whenExchangeBack(std::function<void()> then)
{
    static constexpr SequenceKind kOwn[] = {SequenceKind::RunStop, SequenceKind::WatchDevice,
                                            SequenceKind::PollDevice};
    if (!m_client.pending() || std::ranges::find(kOwn, m_client.pendingKind()) == std::end(kOwn))
        return false;
    m_timer->stop();
    m_afterExchange = std::move(then);
    return true;
}

void MonitorPage::onNodeClicked(QTreeWidgetItem* item)
{
    if (!item)
        return;
    m_timer->stop();
    const QString text = item->text(0).trimmed();
    // A poll may be on its way; the device is keyed in as soon as it is back.
    if (!whenExchangeBack([this, text] { watch(text); }))
        watch(text);
}

void MonitorPage::watch(const QString& nodeText)
{
    if (!m_client.request(SequenceKind::WatchDevice,
                          [nodeText](PlcSession& s) { return s.watchDevice(nodeText); }))
        m_prompts.message(window(), commontexts::appTitle(), t::kBusy());
}

void MonitorPage::onTick()
{
    // One exchange at a time: a tick while any other exchange runs is skipped.
    if (m_client.pending() || m_client.sessionBusy())
        return;
    const int device = m_monDev;
    m_client.request(SequenceKind::PollDevice,
                     [device](PlcSession& s) { return s.pollDevice(device); });
}

void MonitorPage::onFinished(const SequenceResult& result)
{
    switch (result.kind) {
    case SequenceKind::RunStop:
        if (result.ok()) {
            m_running = m_wantRun;
            m_modeKnown = true;
        }
        showMode();
        if (!result.ok())
            m_prompts.message(window(), commontexts::appTitle(), result.message);
        if (auto done = std::exchange(m_afterMode, {}))
            done(result.ok());
        break;
    case SequenceKind::WatchDevice:
        if (result.ok()) {
            m_monDev = result.monDev;
            m_timer->start();
        } else {
            m_prompts.message(window(), commontexts::appTitle(), result.message);
        }
        break;
    case SequenceKind::PollDevice:
        if (result.ok()) {
            m_data->setText(result.display.num);
            setLamp(m_lamp, result.deviceOn ? kLampOn : kLampOff);
        }
        break;
    default:
        break;
    }
    if (m_afterExchange && !m_client.pending())
        std::exchange(m_afterExchange, {})();
}

} // namespace ladrix::plc
