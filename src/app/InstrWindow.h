#pragma once

#include "MdiChild.h"
#include "il/InstrEditor.h"

#include <QObject>
#include <QPointer>

class QMdiArea;

namespace ladrix {

class Project;
class UserPrompts;

// Owns the instruction-list editor's place in the main window: created once on first use,
// then shown and hidden; closing it by its frame only hides it.
class InstrWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InstrWindow)

public:
    InstrWindow(Project& project, QMdiArea& area, UserPrompts& prompts);

    // The editor, created (hidden) when it does not exist yet.
    InstrEditor& editor();
    bool exists() const { return m_editor != nullptr; }
    bool isShown() const;
    void show();
    void hide();
    // Commits a row the user is typing in, so that it is part of what is saved.
    void commitEdits();

signals:
    void shownChanged();

private:
    Project& m_project;
    UserPrompts& m_prompts;
    QPointer<InstrEditor> m_editor;
    MdiChild m_child;
};

} // namespace ladrix
