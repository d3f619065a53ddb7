#include "Project.h"

namespace ladrix {

Project::Project(QObject* parent) : QObject(parent)
{
    m_recorded.take(m_program, m_grid);
}

void Project::notifyStepsChanged()
{
    setModified(true);
    emit stepsChanged();
    if (m_editDepth == 0)
        record();
}

void Project::notifyGridChanged()
{
    setModified(true);
    emit gridChanged();
    if (m_editDepth == 0)
        record();
}

void Project::notifyStateChanged()
{
    emit stateChanged();
}

void Project::markSaved()
{
    setModified(false);
    emit saved();
}

void Project::beginEdit()
{
    ++m_editDepth;
}

void Project::endEdit()
{
    if (m_editDepth > 0 && --m_editDepth == 0)
        record();
}

void Project::record()
{
    auto change = std::make_shared<ProjectChange>(m_recorded.takeChange(m_program, m_grid));
    if (!change->isEmpty())
        emit changeRecorded(change);
}

void Project::applyChange(const ProjectChange& change, bool undo)
{
    change.apply(m_program, m_grid, undo);
    // The snapshot follows, so the change written back is not recorded as a new one.
    m_recorded.takeChange(m_program, m_grid);
    if (!change.steps.empty())
        emit stepsChanged();
    if (!change.cells.empty())
        emit gridChanged();
    emit stateChanged();
}

void Project::resetHistory()
{
    m_recorded.take(m_program, m_grid);
    emit historyReset();
}

void Project::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

} // namespace ladrix
