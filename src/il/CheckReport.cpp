#include "CheckReport.h"

#include "CheckTexts.h"
#include "InstrEditor.h"
#include "ReportKeys.h"
#include "core/Project.h"
#include "widgets/RowFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ladrix {

CheckReport::CheckReport(Project& project, InstrEditor& editor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_project(project), m_editor(editor)
{
    using namespace checktexts;
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(kCheckTitle);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(rowFont());

    auto* header = new QLabel(kCheckHeader, this);
    header->setObjectName(QStringLiteral("labHeader"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstCheck"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("labCount"));
    auto* exit = new QPushButton(kExit, this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1);
    bottom->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(m_list);
    layout->addLayout(bottom);

    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CheckReport::showSelected);
    m_list->installEventFilter(this);
    // The findings follow the program while the report is open, and go with the project.
    connect(&m_project, &Project::stepsChanged, this, [this] {
        if (isVisible())
            runCheck();
    });
    connect(&m_project, &Project::stateChanged, this, [this] {
        if (!m_project.isOpen())
            close();
    });
    resize(560, 320);
}

bool CheckReport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && isEnterKey(event)) {
        showSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CheckReport::runCheck()
{
    const int row = m_list->currentRow();
    m_messages = checkProgram(m_project.program());
    m_list->clear();
    for (const CheckMessage& message : m_messages)
        m_list->addItem(checkLine(message));
    // After an edit the user goes on from the line they were at.
    if (row >= 0 && row < m_list->count())
        m_list->setCurrentRow(row);
    m_count->setText(m_messages.isEmpty() ? checktexts::kCheckClean
                                          : checktexts::kCheckCount.arg(m_messages.size()));
}

void CheckReport::showSelected()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int line = m_list->row(selected.first());
    if (line < 0 || line >= m_messages.size())
        return;
    showStepInEditor(m_editor, m_messages[line].step);
}

} // namespace ladrix
