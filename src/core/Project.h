#pragma once

#include "LadderGrid.h"
#include "ProgramStore.h"

#include <QObject>

namespace ladrix {

// The one open program: its instruction list with the project state, and its ladder grid.
// Windows and commands hold a reference and change it through program() and grid(), then
// announce what they changed; views redraw on the signals.
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

    // Announce a change made through program() or grid().
    void notifyStepsChanged();
    void notifyGridChanged();
    // Project name, file, model, current step or block marks changed.
    void notifyStateChanged();
    // The project now matches its file (after new, open or save).
    void markSaved();

signals:
    void stepsChanged();
    void gridChanged();
    void stateChanged();
    void modifiedChanged(bool modified);

private:
    void setModified(bool modified);

    ProgramStore m_program;
    LadderGrid m_grid;
    bool m_modified = false;
};

} // namespace ladrix
