#include "HandheldPanel.h"

#include "OnlineTexts.h"
#include "PanelKeyboard.h"
#include "PanelTexts.h"
#include "SessionClient.h"

#include "core/RuntimeError.h"
#include "plc/KeyCodes.h"
#include "plc/PlcSession.h"
#include "plc/PlcTexts.h"
#include "plc/PortChoice.h"
#include "widgets/CommonTexts.h"
#include "widgets/RowFont.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

namespace t = paneltexts;

// Where each key sits on the keypad (row, column, columns spanned): the editing keys and the
// instruction keys on top, below them the digit block (7 8 9 / 4 5 6 / 1 2 3 / 0 .) with +,
// K/SEARCH and CLEAR beside it and WRITE as the wide key at the bottom.
struct Place {
    int row;
    int column;
    int span;
};
constexpr Place kPlaces[HandheldPanel::kKeyCount] = {
    {0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1}, // DEL INS STEP INSTR
    {1, 0, 1}, {1, 1, 1}, {1, 2, 1}, {1, 3, 1}, // LD AND OR -
    {3, 0, 1}, {3, 1, 1}, {3, 2, 1}, {3, 3, 1}, // 7 8 9 +
    {4, 0, 1}, {4, 1, 1}, {4, 2, 1}, {4, 3, 1}, // 4 5 6 K/SEARCH
    {5, 0, 1}, {5, 1, 1}, {5, 2, 1}, {5, 3, 1}, // 1 2 3 CLEAR
    {6, 0, 1}, {6, 1, 1}, {6, 2, 2},            // 0 . WRITE
};
constexpr int kGapRow = 2;

// Key groups by colour: editing, instruction, digit, the others, WRITE.
QColor keyColour(int index)
{
    if (index <= 3)
        return QColor(0xd8, 0xd8, 0xd8);
    if (index <= 6)
        return QColor(0xc6, 0xdc, 0xf2);
    if (index == 22)
        return QColor(0xc4, 0xe6, 0xc0);
    if (index == 19)
        return QColor(0xf2, 0xcc, 0xc6);
    if (index == 7 || index == 11 || index == 15)
        return QColor(0xe4, 0xe4, 0xe4);
    return QColor(0xfa, 0xfa, 0xf6);
}

// One field of the handheld's display: light figures on a dark glass.
QLabel* displayField(const QString& name, int characters, Qt::Alignment alignment)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    QFont font = rowFont();
    font.setPointSize(26);
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(0x1e, 0x2a, 0x1e));
    p.setColor(QPalette::WindowText, QColor(0x9c, 0xf5, 0x8c));
    label->setPalette(p);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setMargin(6);
    const QFontMetrics metrics(font);
    label->setMinimumSize(metrics.horizontalAdvance(QString(characters, u'8')) + 16,
                          metrics.height() + 16);
    return label;
}

QGroupBox* frameAround(const QString& caption, QWidget* content)
{
    auto* box = new QGroupBox(caption);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

HandheldPanel::HandheldPanel(PlcSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_client(new SessionClient(session, this)),
      m_monitor(new QTimer(this)), m_setting(readPortSetting().trimmed())
{
    setObjectName(QStringLiteral("frmPA"));
    setWindowTitle(t::kTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    buildWindow();

    m_monitor->setObjectName(QStringLiteral("timMon"));
    m_monitor->setInterval(30);
    connect(m_monitor, &QTimer::timeout, this, &HandheldPanel::onTick);
    connect(m_client, &SessionClient::finished, this, &HandheldPanel::onFinished);
    connect(m_client, &SessionClient::otherAccepted, this, &HandheldPanel::onOtherAccepted);
    connect(m_client, &SessionClient::otherFinished, this, &HandheldPanel::onOtherFinished);
    connect(m_client, &SessionClient::plcModeChanged, this, &HandheldPanel::onModeChanged);

    // Load: the port is opened unless another window has it open already.
    m_client->holdPort();
    if (const std::uint64_t other = m_client->otherRequest()) {
        m_waitingFor = other;
        setWaiting(true);
    }
    // A controller another window set running is shown in MONITOR mode, and polled.
    if (m_client->plcRunning())
        onModeChanged(true);
    pump();
}

HandheldPanel::~HandheldPanel()
{
    // Deleted without being closed: the client, which goes later with the children, no longer
    // reports to what is left of the panel.
    leave();
}

void HandheldPanel::buildWindow()
{
    auto* modes = new QButtonGroup(this);
    auto* modeRow = new QHBoxLayout;
    const QString captions[] = {t::kProgram, t::kMonitor};
    for (int i = 0; i < 2; ++i) {
        m_modes[i] = new QRadioButton(captions[i]);
        m_modes[i]->setObjectName(QStringLiteral("OptMode(%1)").arg(i));
        m_modes[i]->setFocusPolicy(Qt::NoFocus);
        modes->addButton(m_modes[i], i);
        modeRow->addWidget(m_modes[i]);
    }
    // PROGRAM is shown at first; the controller is sent no mode until one is chosen.
    m_modes[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        connect(m_modes[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                chooseMode(i);
        });
    }
    modeRow->addStretch();

    m_instr = displayField(QStringLiteral("labInstr"), 3, Qt::AlignLeft);
    m_data = displayField(QStringLiteral("labData"), 6, Qt::AlignRight);
    auto* display = new QHBoxLayout;
    display->addWidget(frameAround(t::kInstr, m_instr), 1);
    display->addWidget(frameAround(t::kData, m_data), 2);

    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("labState"));
    m_state->setMinimumHeight(m_state->fontMetrics().lineSpacing() + 4);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modeRow);
    layout->addLayout(display);
    layout->addWidget(buildKeypad());
    // A status line under the keys: it stays out of the way while empty.
    layout->addWidget(m_state);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* HandheldPanel::buildKeypad()
{
    auto* keypad = new QWidget;
    auto* grid = new QGridLayout(keypad);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setSpacing(5);
    grid->setRowMinimumHeight(kGapRow, 8);
    int widest = 0;
    for (int i = 0; i < kKeyCount; ++i) {
        const PanelKey& key = panelKeys()[i];
        auto* button = new QPushButton(QString::fromLatin1(key.caption));
        button->setObjectName(QStringLiteral("cmdButton(%1)").arg(i));
        // The keyboard reaches the keys; a key with the focus would take Enter and the blank.
        button->setFocusPolicy(Qt::NoFocus);
        QPalette p = button->palette();
        p.setColor(QPalette::Button, keyColour(i));
        button->setPalette(p);
        const QString keys = keyboardKeysOf(i, t::kKeySeparator());
        if (!keys.isEmpty())
            button->setToolTip(t::kKeyboardTip(keys));
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(button->text()));
        connect(button, &QPushButton::clicked, this, [this, i] { pressKey(i); });
        const Place& place = kPlaces[i];
        grid->addWidget(button, place.row, place.column, 1, place.span);
        m_keys[i] = button;
    }
    for (QPushButton* button : m_keys)
        button->setMinimumSize(widest + 20, 40);
    return keypad;
}

void HandheldPanel::reloadPortSetting()
{
    const QString setting = readPortSetting().trimmed();
    if (setting == m_setting)
        return;
    m_setting = setting;
    m_open = Open::Anew;
    pump();
}

void HandheldPanel::keyPressEvent(QKeyEvent* event)
{
    const int index =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
            ? -1
            : panelIndexOfKey(event->key());
    if (index < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down is one press, as on the handheld.
    QPushButton* button = m_keys[index];
    if (event->isAutoRepeat() || !button->isEnabled())
        return;
    button->setDown(true);
    QTimer::singleShot(120, button, [button] { button->setDown(false); });
    pressKey(index);
}

void HandheldPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Opened beside the middle of the main window, clear of the online window over its middle.
    if (!m_placed && parentWidget()) {
        m_placed = true;
        const QRect main = parentWidget()->frameGeometry();
        move(main.center().x() + 40, main.top() + 60);
    }
    setFocus();
}

void HandheldPanel::closeEvent(QCloseEvent* event)
{
    // What runs for the panel ends after its current key; the port closes behind it unless the
    // online window still uses it.
    leave();
    event->accept();
}

void HandheldPanel::leave()
{
    m_monitor->stop();
    disconnect(m_client, nullptr, this, nullptr);
    m_client->leave();
}

void HandheldPanel::pressKey(int index)
{
    if (index < 0 || index >= kKeyCount)
        return;
    if (m_monitor->isActive()) {
        m_monitor->stop();
        m_resumePolling = true;
    }
    m_queue.push_back(Press{panelKeys()[index].code, true, m_paMode});
    pump();
}

void HandheldPanel::chooseMode(int index)
{
    m_paMode = index == 1 ? 2 : 1;
    if (m_paMode == 2) {
        m_monitor->start();
        m_queue.push_back(Press{cmd::MonitorMode, false, 2});
    } else {
        setPolling(false);
        m_queue.push_back(Press{cmd::ProgramMode, false, 1});
    }
    pump();
}

void HandheldPanel::setPolling(bool on)
{
    m_resumePolling = false;
    if (on)
        m_monitor->start();
    else
        m_monitor->stop();
}

// Sends what is next, one request at a time: the port when it is to be opened, else the key
// pressed first; with nothing left, the polling stopped for the keys starts again.
void HandheldPanel::pump()
{
    if (m_waitingFor != 0 || m_client->pending())
        return;
    const QString setting = m_setting;
    if (m_open != Open::No) {
        const bool anew = m_open == Open::Anew;
        if (m_client->request(SequenceKind::Open, [&](PlcSession& s) {
                return anew ? s.openPort(setting) : s.usePort(setting);
            }))
            m_open = Open::No;
        return;
    }
    if (m_queue.empty()) {
        if (std::exchange(m_resumePolling, false) && m_paMode == 2)
            m_monitor->start();
        return;
    }
    const Press next = m_queue.front();
    // Refused only while another window's request runs; tried again once it has ended.
    if (m_client->request(SequenceKind::Keys,
                          [&](PlcSession& s) { return s.sendKeys({next.code}, setting); })) {
        m_queue.pop_front();
        m_sent = next;
    }
}

void HandheldPanel::onTick()
{
    if (m_paMode != 2 || m_waitingFor != 0 || m_client->pending() || !m_queue.empty())
        return;
    // Refused while anything else runs: this tick is then skipped.
    if (m_client->request(SequenceKind::PollDevice, [](PlcSession& s) { return s.pollDevice(0); }))
        m_sent = Press{key::EndPoint, true, m_paMode};
}

void HandheldPanel::onFinished(const SequenceResult& result)
{
    switch (result.outcome) {
    case SequenceOutcome::Done:
        m_state->clear();
        if (m_sent.shown && result.kind != SequenceKind::Open)
            showDisplay(result);
        break;
    case SequenceOutcome::TimedOut:
        // The display keeps what it showed.
        m_state->setText(text::timedOut());
        break;
    case SequenceOutcome::LinkFailed:
        reportLinkFailure(result);
        break;
    case SequenceOutcome::Failed:
    case SequenceOutcome::Cancelled:
        if (result.errorNumber != 0)
            m_sink(this, errorTitle(result.errorNumber), result.dialogText);
        break;
    }
    pump();
}

void HandheldPanel::showDisplay(const SequenceResult& result)
{
    QString ins = result.display.ins;
    if (ins.trimmed() == u"K" && m_sent.mode == 2)
        ins.clear();
    m_instr->setText(ins);
    m_data->setText(shownNumber(result.reply));
}

void HandheldPanel::reportLinkFailure(const SequenceResult& result)
{
    // Keys cannot go out: those still waiting are dropped; the next press opens the port anew.
    m_queue.clear();
    if (result.kind == SequenceKind::PollDevice && m_monitor->isActive()) {
        m_monitor->stop();
        m_resumePolling = true;
    }
    m_state->setText(result.message.isEmpty() ? text::connectFailed() : result.message);
    if (result.kind == SequenceKind::Open) {
        const QString port = resolvePort(m_setting);
        m_sink(this, commontexts::appTitle(),
               port.isEmpty() ? onlinetexts::kNoPortChosen()
                              : onlinetexts::kCannotOpen().arg(port, result.dialogText));
    } else if (!result.dialogText.isEmpty()) {
        m_sink(this, commontexts::appTitle(), result.dialogText);
    }
}

void HandheldPanel::onOtherAccepted(SequenceKind kind, std::uint64_t request)
{
    // Another window's poll gives way to the panel's keys: only its other requests are waited for.
    if (kind == SequenceKind::PollDevice)
        return;
    m_waitingFor = request;
    setWaiting(true);
}

void HandheldPanel::onOtherFinished(std::uint64_t request)
{
    if (request == m_waitingFor) {
        m_waitingFor = 0;
        setWaiting(false);
    }
    pump();
}

void HandheldPanel::setWaiting(bool on)
{
    for (QPushButton* button : m_keys)
        button->setEnabled(!on);
    for (QRadioButton* mode : m_modes)
        mode->setEnabled(!on);
    m_state->setText(on ? t::kWaiting() : QString());
}

// The controller's mode set by any window: the panel shows it, and polls only in MONITOR mode
// (in PROGRAM mode the point key would key in END).
void HandheldPanel::onModeChanged(bool running)
{
    const int mode = running ? 2 : 1;
    if (mode == m_paMode)
        return;
    m_paMode = mode;
    {
        const QSignalBlocker program(m_modes[0]);
        const QSignalBlocker monitor(m_modes[1]);
        m_modes[running ? 1 : 0]->setChecked(true);
    }
    setPolling(running);
}

} // namespace ladrix::plc
