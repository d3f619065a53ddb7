#include "MdiChild.h"

#include "ToolIcons.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace ladrix {

void MdiChild::adopt(QWidget* widget)
{
    m_frame = new QMdiSubWindow;
    // Closing it by its frame only hides it.
    m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_frame->setWidget(widget);
    m_frame->setWindowIcon(appIcon());
    m_area.addSubWindow(m_frame);
    m_frame->hide();
}

bool MdiChild::isShown() const
{
    return m_frame && !m_frame->isHidden();
}

bool MdiChild::show()
{
    if (!m_frame || isShown())
        return false;
    m_frame->show();
    m_frame->widget()->show();
    m_area.setActiveSubWindow(m_frame);
    return true;
}

bool MdiChild::hide()
{
    if (!isShown())
        return false;
    m_frame->hide();
    return true;
}

} // namespace ladrix
