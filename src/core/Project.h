#pragma once

#include "LadderGrid.h"
#include "ProgramStore.h"
#include "ProjectChange.h"

#include <QObject>
#include <memory>

namespace ladrix {

// The one open program: its instruction list with the project state, and its ladder grid.
// Windows and commands hold a reference and change it through program() and grid(), then
// announce what they changed; views redraw on the signals.
//
// Every announced change of steps or cells is recorded as a ProjectChange for the undo history:
// the edits between beginEdit() and the matching endEdit() make one change, and outside such a
// scope each announcement makes its own.
class Project final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Project)

public:
    explicit Project(QObject* parent = nullptr);

    ProgramStore& program() { return m_program; }
    const ProgramStore& program() const { return m_program; }
    LadderGrid& grid() { return m_grid; }
    const LadderGrid& grid() const { return m_grid; }

    bool isOpen() const { return !m_program.projectName.isEmpty(); }
    // True when steps or cells changed since the project was created, opened or saved.
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // Announce a change made through program() or grid().
    void notifyStepsChanged();
    void notifyGridChanged();
    // Project name, file, model, current step or block marks changed.
    void notifyStateChanged();
    // The project now matches its file (after new, open or save).
    void markSaved();

    // Edits up to the matching endEdit() are recorded as one change; scopes nest.
    void beginEdit();
    void endEdit();
    // Writes one side of a recorded change back and announces it, without recording it again.
    void applyChange(const ProjectChange& change, bool undo);
    // The program as it is now has no history (after new, open, close).
    void resetHistory();

signals:
    void stepsChanged();
    void gridChanged();
    void stateChanged();
    void modifiedChanged(bool modified);
    void saved();
    void changeRecorded(std::shared_ptr<const ProjectChange> change);
    void historyReset();

private:
    void record();

    ProgramStore m_program;
    LadderGrid m_grid;
    ProjectSnapshot m_recorded;
    int m_editDepth = 0;
    bool m_modified = false;
};

// Makes the edits of its lifetime one change of the project.
class EditScope final {
public:
    explicit EditScope(Project& project) : m_project(project) { m_project.beginEdit(); }
    ~EditScope() { m_project.endEdit(); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    Project& m_project;
};

} // namespace ladrix
