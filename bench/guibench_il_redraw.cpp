// A full redraw of the instruction-list editor's page: twenty rows, labels and block marks.
#include "GuiBenchMain.h"
#include "core/Project.h"
#include "il/InstrEditor.h"

#include <QScrollBar>

using namespace ladrix;

namespace {

void fillProgram(Project& project)
{
    ProgramStore& store = project.program();
    for (int i = 0; i < 1000; ++i)
        store.step(i) = {"LD", QStringLiteral("X%1").arg(i % 8), QStringLiteral("注释 %1").arg(i)};
    store.blockStart = 100;
    store.blockEnd = 400;
}

// Every page differs from the one before, so each redraw replaces all texts.
void BM_RedrawPage(benchmark::State& state)
{
    Project project;
    fillProgram(project);
    InstrEditor editor(project);
    editor.show();
    int top = 0;
    for (auto _ : state) {
        top = (top + 20) % 960;
        {
            const QSignalBlocker blocker(editor.scrollBar());
            editor.scrollBar()->setValue(top);
        }
        editor.vscChange();
    }
}
BENCHMARK(BM_RedrawPage)->Unit(benchmark::kMicrosecond);

// The same, painted at once, as the screen shows it.
void BM_RedrawAndPaintPage(benchmark::State& state)
{
    Project project;
    fillProgram(project);
    InstrEditor editor(project);
    editor.show();
    int top = 0;
    for (auto _ : state) {
        top = (top + 20) % 960;
        {
            const QSignalBlocker blocker(editor.scrollBar());
            editor.scrollBar()->setValue(top);
        }
        editor.vscChange();
        editor.repaint();
    }
}
BENCHMARK(BM_RedrawAndPaintPage)->Unit(benchmark::kMicrosecond);

// Redraw of an unchanged page, as after a commit that stored the same step.
void BM_RedrawSamePage(benchmark::State& state)
{
    Project project;
    fillProgram(project);
    InstrEditor editor(project);
    editor.show();
    for (auto _ : state)
        editor.vscChange();
}
BENCHMARK(BM_RedrawSamePage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return ladrix::runGuiBenchmarks(argc, argv);
}
