#include "GetCommDialog.h"

#include "SessionClient.h"

#include "plc/PortChoice.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

constexpr int kLastProbedPort = 8;

QString probingText()
{
    return QCoreApplication::translate("GetCommDialog", "正在查询可用的串行通讯口,请稍待...");
}
QString doneText()
{
    return QCoreApplication::translate("GetCommDialog", "检测完成,请选择串行通讯口");
}
QString portEntry(int n)
{
    return QCoreApplication::translate("GetCommDialog", "串行通讯口(COM)%1").arg(n);
}
QString simEntry()
{
    return QCoreApplication::translate("GetCommDialog", "模拟PLC(sim)");
}

} // namespace

GetCommDialog::GetCommDialog(PlcSession& session, QWidget* parent) : GetCommDialog(parent)
{
    m_client = new SessionClient(session, this);
    connect(m_client, &SessionClient::finished, this,
            [this](const SequenceResult& r) { probed(r.ok()); });
}

GetCommDialog::GetCommDialog(Prober probe, QWidget* parent) : GetCommDialog(parent)
{
    m_probe = std::move(probe);
}

GetCommDialog::GetCommDialog(QWidget* parent)
    : QDialog(parent), m_label(new QLabel(this)), m_combo(new QComboBox(this)),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmGetComm"));
    setWindowTitle(QCoreApplication::translate("GetCommDialog", "串口测试"));
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QCoreApplication::translate("GetCommDialog", "确定(&O)"),
                              QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QCoreApplication::translate("GetCommDialog", "取消(&C)"),
                                  QDialogButtonBox::RejectRole);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_timer->setObjectName(QStringLiteral("Timer"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_combo);
    layout->addWidget(buttons);

    m_label->setText(probingText());
    m_ok->setEnabled(false);
    m_cancel->setEnabled(false);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &GetCommDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_timer, &QTimer::timeout, this, &GetCommDialog::onTick);
    m_timer->setInterval(100);
    m_timer->start();
}

void GetCommDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!parentWidget() && screen())
        move(screen()->availableGeometry().center() - rect().center());
}

void GetCommDialog::onTick()
{
    if (m_waiting)
        return;
    if (m_probe) {
        probed(m_probe(m_next));
        return;
    }
    const int n = m_next;
    // A tick while the session is busy tries again on the next one.
    m_waiting = m_client && m_client->request(SequenceKind::Probe,
                                              [n](PlcSession& s) { return s.probePort(n); });
}

void GetCommDialog::probed(bool available)
{
    m_waiting = false;
    const int n = m_next++;
    if (available) {
        m_combo->addItem(portEntry(n), QString::number(n));
        // Off Windows the number stands for a device; show which.
        m_combo->setItemData(m_combo->count() - 1, portNameForNumber(n), Qt::ToolTipRole);
    }
    if (m_next > kLastProbedPort)
        finishProbing();
}

void GetCommDialog::finishProbing()
{
    m_timer->stop();
    m_combo->addItem(simEntry(), QString::fromLatin1(kSimPort));
    // A device stored by its path is offered as it is, so confirming keeps it.
    const QString saved = readPortSetting().trimmed();
    bool isNumber = false;
    saved.toInt(&isNumber);
    if (!isNumber && m_combo->findData(saved) < 0 && !resolvePort(saved).isEmpty())
        m_combo->addItem(saved, saved);
    const int index = m_combo->findData(saved);
    m_combo->setCurrentIndex(index >= 0 ? index : 0);
    m_label->setText(doneText());
    m_ok->setEnabled(true);
    m_cancel->setEnabled(true);
}

void GetCommDialog::onOk()
{
    savePortSetting(m_combo->currentData().toString());
    accept();
}

} // namespace ladrix::plc
