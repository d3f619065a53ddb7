#pragma once

#include <QObject>
#include <QUndoStack>

namespace ladrix {

class Project;

// The project's one undo history: every change the project records becomes a command on the
// stack; New, Open and Close clear it; the stack's clean state is the project's saved state,
// so undoing back to it shows the project as saved.
class UndoHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UndoHistory)

public:
    explicit UndoHistory(Project& project, QObject* parent = nullptr);
    // The stack clears itself as it goes; nobody hears of it any more.
    ~UndoHistory() override { m_stack.disconnect(); }

    QUndoStack& stack() { return m_stack; }
    void undo();
    void redo();

private:
    Project& m_project;
    QUndoStack m_stack;
};

} // namespace ladrix
