#include "StepListWindow.h"

#include "IlTexts.h"
#include "ReportKeys.h"
#include "core/Project.h"
#include "widgets/RowFont.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ladrix {

StepListWindow::StepListWindow(Project& project, InstrEditor& editor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_project(project), m_editor(editor)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(rowFont());
    connect(&m_project, &Project::stepsChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(&m_project, &Project::stateChanged, this, [this] {
        if (!m_project.isOpen())
            close();
    });
}

void StepListWindow::setView(QAbstractItemView* view, QWidget* header)
{
    m_view = view;
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->installEventFilter(this);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] { showSelected(); });
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("labCount"));
    auto* exit = new QPushButton(iltexts::kExit(), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1);
    bottom->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    if (header)
        layout->addWidget(header);
    layout->addWidget(m_view);
    layout->addLayout(bottom);
}

void StepListWindow::setCount(const QString& text)
{
    m_count->setText(text);
}

void StepListWindow::showStep(int step)
{
    showStepInEditor(m_editor, step);
}

bool StepListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && isEnterKey(event)) {
        showSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ladrix
