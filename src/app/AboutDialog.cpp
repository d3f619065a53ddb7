#include "AboutDialog.h"

#include "AppTexts.h"
#include "UserPrompts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QVBoxLayout>

namespace ladrix {

QString findSystemInfoTool()
{
#if defined(Q_OS_WIN)
    const QStringList candidates{QStringLiteral("msinfo32")};
#else
    const QStringList candidates{
        QStringLiteral("hardinfo"),
        QStringLiteral("hardinfo2"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("ksysguard"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
    };
#endif
    for (const QString& name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

AboutDialog::AboutDialog(UserPrompts& prompts, const QString& systemInfoTool, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_tool(systemInfoTool)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("关于 %1").arg(texts::kAppTitle()));

    auto* product = new QLabel(texts::kAppTitle());
    product->setObjectName(QStringLiteral("lblTitle"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    product->setFont(big);
    auto* description = new QLabel(tr("Orvane QL100/RB1、QL300/RB2 可编程控制器编程软件"));
    description->setObjectName(QStringLiteral("lblDescription"));
    auto* version = new QLabel(tr("版本 %1").arg(texts::kVersion));
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* system = new QLabel(
        tr("操作系统：%1（内核 %2 %3）")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion()));
    system->setObjectName(QStringLiteral("lblSystem"));
    // One line, however wide: wrapped, it broke inside the kernel version at its hyphen.
    system->setWordWrap(false);

    // In the dialog before its default is set, so that the dialog keeps it as its default.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(texts::kOk(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* info = buttons->addButton(tr("系统信息(&S)..."), QDialogButtonBox::ActionRole);
    info->setObjectName(QStringLiteral("cmdSysInfo"));
    info->setVisible(!m_tool.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product);
    layout->addWidget(description);
    layout->addWidget(version);
    layout->addWidget(system);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);
    connect(info, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);
}

void AboutDialog::startSystemInfo()
{
    if (!QProcess::startDetached(m_tool, {}))
        m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(),
                          tr("无法启动系统信息程序：\n%1").arg(m_tool));
}

} // namespace ladrix
