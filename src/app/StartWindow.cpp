#include "StartWindow.h"

#include "AppTexts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace ladrix {

StartWindow::StartWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmStart"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("QWidget#frmStart { background: #1e4f8c; border: 2px solid "
                                 "#0f2f57; } QLabel { color: white; }"));

    auto* title = new QLabel(texts::kWindowTitle);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.6);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(tr("可编程控制器编程软件  简体中文版"));
    auto* models = new QLabel(QStringLiteral("Orvane QL100/RB1 · Orvane QL300/RB2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 28);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle, 0, Qt::AlignHCenter);
    layout->addSpacing(10);
    layout->addWidget(models, 0, Qt::AlignHCenter);

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
}

void StartWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    m_mainWindow.show();
    raise();
    m_timer->start();
}

} // namespace ladrix
