#include "NormalSizeKeeper.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace ladrix {

NormalSizeKeeper::NormalSizeKeeper(QWidget& widget, QSize size)
    : QObject(&widget), m_widget(widget), m_size(size)
{
}

void NormalSizeKeeper::attach()
{
    QWidget* target = qobject_cast<QMdiSubWindow*>(m_widget.parentWidget());
    if (!target && m_widget.isWindow())
        target = &m_widget;
    if (target != m_window) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = target;
        if (m_window)
            m_window->installEventFilter(this);
    }
    keep();
}

void NormalSizeKeeper::setSize(QSize size)
{
    m_size = size;
    keep();
}

bool NormalSizeKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window &&
        (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
        keep();
    return false;
}

void NormalSizeKeeper::keep()
{
    if (!m_window)
        return;
    const Qt::WindowStates other = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (m_window->windowState() & other)
        return;
    if (m_window->size() != m_size)
        m_window->resize(m_size);
    emit resized();
}

} // namespace ladrix
