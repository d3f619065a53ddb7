// The ladder editor's view: a full redraw of its 100 cells, and one step of the scroll bar,
// over a grid drawn from a program of contacts, branches, timers and boxes.
#include "GuiBenchMain.h"
#include "core/Project.h"
#include "ladder/LadderDrawer.h"
#include "ladder/ui/LadderEditor.h"

#include <QScrollBar>

using namespace ladrix;

namespace {

// Every rung has a parallel branch, a timer coil with its constant and a box after it.
void fillProgram(Project& project)
{
    ProgramStore& store = project.program();
    int s = 0;
    const auto add = [&](const char* ins, const QString& data) {
        store.step(s++) = {ins, data, {}};
    };
    for (int r = 0; s < 1900; ++r) {
        add("LD", QStringLiteral("X%1").arg(r % 8));
        add("OR", QStringLiteral("M%1").arg(100 + r % 8));
        add("AND", QStringLiteral("X%1").arg(10 + r % 8));
        add("ANI", QStringLiteral("M%1").arg(110 + r % 8));
        add("OUT", QStringLiteral("T%1").arg(50 + r % 8));
        add("K", QStringLiteral("%1").arg(10 + r));
        add("LDI", QStringLiteral("T%1").arg(50 + r % 8));
        add("PLS", QStringLiteral("M%1").arg(120 + r % 8));
    }
    store.plcType = 1;
    drawLadder(store, project.grid());
}

void BM_RedrawView(benchmark::State& state)
{
    Project project;
    fillProgram(project);
    LadderEditor editor(project);
    editor.show();
    for (auto _ : state) {
        editor.vscChange();
        editor.repaint();
    }
}
BENCHMARK(BM_RedrawView)->Unit(benchmark::kMicrosecond);

// One click on the scroll bar's arrow: the view moves a row and is painted.
void BM_ScrollStep(benchmark::State& state)
{
    Project project;
    fillProgram(project);
    LadderEditor editor(project);
    editor.show();
    QScrollBar* vsc = editor.scrollBar();
    for (auto _ : state) {
        vsc->setValue(vsc->value() >= 500 ? 0 : vsc->value() + 1);
        editor.repaint();
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return ladrix::runGuiBenchmarks(argc, argv);
}
