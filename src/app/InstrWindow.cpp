#include "InstrWindow.h"

#include "ToolIcons.h"
#include "UserPrompts.h"
#include "il/InstrEditor.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace ladrix {

InstrWindow::InstrWindow(Project& project, QMdiArea& area, UserPrompts& prompts)
    : QObject(&area), m_project(project), m_area(area), m_prompts(prompts)
{
}

InstrEditor& InstrWindow::editor()
{
    if (!m_editor) {
        m_editor = new InstrEditor(m_project);
        m_editor->setMessageSink(
            [this](QWidget* parent, const QString& title, const QString& text) {
                m_prompts.message(parent, QMessageBox::Information, title, text);
            });
        m_frame = new QMdiSubWindow;
        // Kept when closed, so that the scroll position survives hiding and showing.
        m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
        m_frame->setWidget(m_editor);
        m_frame->setWindowIcon(appIcon());
        m_area.addSubWindow(m_frame);
        m_frame->hide();
        connect(m_editor, &InstrEditor::closed, this, [this] {
            m_frame->hide();
            emit shownChanged();
        });
    }
    return *m_editor;
}

bool InstrWindow::isShown() const
{
    return m_frame && !m_frame->isHidden();
}

void InstrWindow::show()
{
    editor();
    if (isShown())
        return;
    m_frame->show();
    m_editor->show();
    m_area.setActiveSubWindow(m_frame);
    emit shownChanged();
}

void InstrWindow::hide()
{
    if (!isShown())
        return;
    m_editor->commitEdits();
    m_frame->hide();
    emit shownChanged();
}

void InstrWindow::commitEdits()
{
    if (m_editor)
        m_editor->commitEdits();
}

} // namespace ladrix
