#pragma once

#include "MdiChild.h"
#include "ladder/ui/LadderEditor.h"
#include "ladder/ui/LadderToolPalette.h"

#include <QObject>
#include <QPointer>

class QMdiArea;

namespace ladrix {

class Project;
class UserPrompts;

// Owns the ladder editor's place in the main window and its tool palette. The editor is made
// once on first use and then shown and hidden, so its cursor keeps its cell while the window
// is closed; each showing starts at the top of the grid. The palette floats beside it.
class LadderWindow final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LadderWindow)

public:
    LadderWindow(Project& project, QMdiArea& area, UserPrompts& prompts, QWidget* paletteOwner);

    // The editor, created (hidden) when it does not exist yet.
    LadderEditor& editor();
    bool isShown() const;
    void show();
    void hide();

    bool paletteShown() const;
    void showPalette();
    void hidePalette();
    LadderToolPalette* palette() const { return m_palette; }

signals:
    void shownChanged();

private:
    // Beside the editor's frame: level with its top after a resize, lower when first shown.
    void placePalette(bool firstShow);

    Project& m_project;
    UserPrompts& m_prompts;
    QWidget* m_paletteOwner;
    QPointer<LadderEditor> m_editor;
    MdiChild m_child;
    QPointer<LadderToolPalette> m_palette;
};

} // namespace ladrix
