#include "InstrWindow.h"

#include "UserPrompts.h"
#include "il/InstrEditor.h"

namespace ladrix {

InstrWindow::InstrWindow(Project& project, QMdiArea& area, UserPrompts& prompts)
    : QObject(&area), m_project(project), m_prompts(prompts), m_child(area)
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
        m_child.adopt(m_editor);
        connect(m_editor, &InstrEditor::closed, this, [this] {
            m_child.hide();
            emit shownChanged();
        });
    }
    return *m_editor;
}

bool InstrWindow::isShown() const
{
    return m_child.isShown();
}

void InstrWindow::show()
{
    editor();
    if (m_child.show())
        emit shownChanged();
}

void InstrWindow::hide()
{
    if (!isShown())
        return;
    m_editor->commitEdits();
    m_child.hide();
    emit shownChanged();
}

void InstrWindow::commitEdits()
{
    if (m_editor)
        m_editor->commitEdits();
}

} // namespace ladrix
