// The desktop program's start-up to a shown main window, and opening a full project from it.
#include "../tests/app/FakePrompts.h"
#include "GuiBenchMain.h"
#include "app/MainWindow.h"
#include "app/StartWindow.h"
#include "core/Project.h"
#include "files/ProjectFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

using namespace ladrix;

namespace {

// Processes events until the window is on screen (or a second has passed).
void waitUntilShown(QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// What main() does: the splash shows the main window, then the load runs.
void BM_StartUpToMainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        Project project;
        test::FakePrompts prompts;
        MainWindow window(project, prompts);
        auto* start = new StartWindow(window);
        start->show();
        window.startUp(QString());
        waitUntilShown(window);
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        delete start;
        state.ResumeTiming();
    }
}
// The first run in the process is the cold start a user sees.
BENCHMARK(BM_StartUpToMainWindowShown)
    ->Name("BM_StartUpCold")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

// A project with every step and every cell in use, as large as the file gets.
QString writeFullProject(const QTemporaryDir& dir)
{
    ProgramStore store;
    LadderGrid grid;
    store.plcType = 1;
    for (int i = 0; i < ProgramStore::kFileSteps; ++i)
        store.step(i) = Step{QStringLiteral("LD"), QStringLiteral("M%1").arg(100 + i % 8), {}};
    for (int i = 0; i <= LadderGrid::kLastIndex; ++i)
        grid.cell(i) = Cell{kContact, kPlainEdge, kPlainEdge, QStringLiteral("X%1").arg(i % 8),
                            QStringLiteral("K%1").arg(i)};
    const QString path = dir.filePath(QStringLiteral("full.lrp"));
    saveProject(path, store, grid);
    return path;
}

// The File menu's open, with the dialog answered: read, redraw and menu refresh.
void BM_OpenFullProjectFromWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeFullProject(dir);
    Project project;
    test::FakePrompts prompts;
    MainWindow window(project, prompts);
    window.show();
    waitUntilShown(window);
    for (auto _ : state) {
        prompts.openAnswers = {path};
        window.runCommand(QStringLiteral("mnuFOpen"));
        QCoreApplication::processEvents();
    }
    if (project.program().step(1999).ins != QLatin1String("LD"))
        state.SkipWithError("the project did not open");
}
BENCHMARK(BM_OpenFullProjectFromWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return ladrix::runGuiBenchmarks(argc, argv);
}
