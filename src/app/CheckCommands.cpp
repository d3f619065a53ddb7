// The program check and the cross-reference of the instruction-list menu.
#include "InstrWindow.h"
#include "MainWindow.h"
#include "il/CheckReport.h"
#include "il/XrefWindow.h"

namespace ladrix {

namespace {

// The window is made once and kept, so that it keeps its place and size between uses.
template <typename Window> Window& windowOf(MainWindow& main, Project& project, InstrEditor& editor)
{
    if (auto* window = main.findChild<Window*>(QString(), Qt::FindDirectChildrenOnly))
        return *window;
    return *new Window(project, editor, &main);
}

} // namespace

void MainWindow::addCheckCommands()
{
    add(QStringLiteral("mnuICheck"), [this] {
        m_instr->commitEdits();
        auto& report = windowOf<CheckReport>(*this, m_project, m_instr->editor());
        report.runCheck();
        // The report shows its steps in the editor, so a hidden editor comes back.
        m_instr->show();
        report.show();
        report.raise();
    });
    add(QStringLiteral("mnuIXref"), [this] {
        m_instr->commitEdits();
        auto& table = windowOf<XrefWindow>(*this, m_project, m_instr->editor());
        table.refresh();
        m_instr->show();
        table.show();
        table.raise();
    });
}

} // namespace ladrix
