#include "CheckReport.h"

#include "CheckTexts.h"
#include "core/Project.h"

#include <QLabel>
#include <QListWidget>

namespace ladrix {

CheckReport::CheckReport(Project& project, InstrEditor& editor, QWidget* parent)
    : StepListWindow(project, editor, parent)
{
    using namespace checktexts;
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(kCheckTitle());
    auto* header = new QLabel(kCheckHeader(), this);
    header->setObjectName(QStringLiteral("labHeader"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstCheck"));
    setView(m_list, header);
    resize(560, 320);
}

void CheckReport::refresh()
{
    const int row = m_list->currentRow();
    m_messages = checkProgram(project().program());
    m_list->clear();
    for (const CheckMessage& message : m_messages)
        m_list->addItem(checkLine(message));
    // After an edit the user goes on from the line they were at.
    if (row >= 0 && row < m_list->count())
        m_list->setCurrentRow(row);
    setCount(m_messages.isEmpty() ? checktexts::kCheckClean()
                                  : checktexts::kCheckCount().arg(m_messages.size()));
}

void CheckReport::showSelected()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int line = m_list->row(selected.first());
    if (line < 0 || line >= m_messages.size())
        return;
    showStep(m_messages[line].step);
}

} // namespace ladrix
