#include "Project.h"

namespace ladrix {

Project::Project(QObject* parent) : QObject(parent) {}

void Project::notifyStepsChanged()
{
    setModified(true);
    emit stepsChanged();
}

void Project::notifyGridChanged()
{
    setModified(true);
    emit gridChanged();
}

void Project::notifyStateChanged()
{
    emit stateChanged();
}

void Project::markSaved()
{
    setModified(false);
}

void Project::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

} // namespace ladrix
