#include "UndoHistory.h"

#include "core/Project.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <memory>

namespace ladrix {

namespace {

// A change already made when it is pushed: its first redo is the edit itself.
class ChangeCommand final : public QUndoCommand {
public:
    ChangeCommand(Project& project, std::shared_ptr<const ProjectChange> change)
        : m_project(project), m_change(std::move(change))
    {
        setText(QCoreApplication::translate("UndoHistory", "编辑"));
    }

    void undo() override { m_project.applyChange(*m_change, true); }
    void redo() override
    {
        if (m_done)
            m_project.applyChange(*m_change, false);
        m_done = true;
    }

private:
    Project& m_project;
    std::shared_ptr<const ProjectChange> m_change;
    bool m_done = false;
};

} // namespace

UndoHistory::UndoHistory(Project& project, QObject* parent) : QObject(parent), m_project(project)
{
    connect(&project, &Project::changeRecorded, this,
            [this](std::shared_ptr<const ProjectChange> change) {
                m_stack.push(new ChangeCommand(m_project, std::move(change)));
            });
    // A program that was never saved (an import) stays unsaved at every point of its history.
    connect(&project, &Project::historyReset, this, [this] {
        const bool modified = m_project.isModified();
        m_stack.clear();
        if (modified)
            m_stack.resetClean();
        m_project.setModified(modified);
    });
    connect(&project, &Project::saved, &m_stack, &QUndoStack::setClean);
    connect(&m_stack, &QUndoStack::indexChanged, this,
            [this] { m_project.setModified(!m_stack.isClean()); });
}

void UndoHistory::undo()
{
    m_stack.undo();
}

void UndoHistory::redo()
{
    m_stack.redo();
}

} // namespace ladrix
