// The commands behind the main window's menu items, by item name.
#include "AboutDialog.h"
#include "AppTexts.h"
#include "InstrWindow.h"
#include "InterfaceLanguage.h"
#include "LadderWindow.h"
#include "MainWindow.h"
#include "PrintDialog.h"
#include "ProjectCommands.h"
#include "UserPrompts.h"
#include "core/Project.h"
#include "core/StepEditing.h"
#include "il/FindDialog.h"
#include "il/FindReport.h"
#include "il/InstrEditor.h"
#include "ladder/LadderCompiler.h"
#include "ladder/LadderDrawer.h"
#include "ladder/ui/LadderEditor.h"

namespace ladrix {

void MainWindow::registerCommands()
{
    addFileCommands();
    addInstrCommands();
    addLadderCommands();
    addOnlineCommands();
    addEditCommands();
    addCheckCommands();
    addOtherCommands();
}

void MainWindow::afterSaveQuestion(const std::function<bool()>& command)
{
    m_instr->commitEdits();
    // The steps found belong to the program just replaced; replacing in them would write into
    // the new one.
    if (!m_commands->maybeSave() || !command())
        return;
    // A new, opened or closed project starts a history of its own.
    m_project.resetHistory();
    if (m_find)
        m_find->report()->close();
}

void MainWindow::addFileCommands()
{
    ProjectCommands& c = *m_commands;
    add(QStringLiteral("mnuFNew"),
        [this, &c] { afterSaveQuestion([&c] { return c.newProject(); }); });
    add(QStringLiteral("mnuFOpen"),
        [this, &c] { afterSaveQuestion([&c] { return c.openProject(QString()); }); });
    add(QStringLiteral("mnuFSave"), [this, &c] {
        m_instr->commitEdits();
        c.saveProject(m_project.program().projectFile);
    });
    add(QStringLiteral("mnuFSaveAs"), [this, &c] {
        m_instr->commitEdits();
        c.saveProject(QString());
    });
    add(QStringLiteral("mnuFClose"), [this, &c] {
        afterSaveQuestion([&c] {
            c.closeProject();
            return true;
        });
    });
    add(QStringLiteral("mnuFISaveAs"), [this, &c] {
        m_instr->commitEdits();
        c.saveInstructionListAs();
    });
    add(QStringLiteral("mnuFLSaveAs"), [&c] { c.saveLadderAs(); });
    add(QStringLiteral("mnuFOpenIns"), [&c] { c.loadInstructionList(); });
    add(QStringLiteral("mnuFOpenLad"), [&c] { c.loadLadder(); });
    add(QStringLiteral("mnuFImp"),
        [this, &c] { afterSaveQuestion([&c] { return c.importZk1(QString()); }); });
    add(QStringLiteral("mnuFPrint"), [this] {
        m_instr->commitEdits();
        PrintDialog dialog(m_project, m_prompts, this);
        m_prompts.runDialog(dialog);
    });
    add(QStringLiteral("mnuFExit"), [this] { exitNow(); });
}

void MainWindow::blockCommand(const std::function<void()>& edit, bool stepsChange)
{
    m_instr->commitEdits();
    edit();
    if (stepsChange)
        m_project.notifyStepsChanged();
    m_project.notifyStateChanged();
}

void MainWindow::addInstrCommands()
{
    ProgramStore& store = m_project.program();
    add(QStringLiteral("mnuIView"), [this] { toggleInstrWindow(); });
    add(QStringLiteral("mnuII2L"), [this] {
        m_instr->commitEdits();
        drawLadder(m_project.program(), m_project.grid());
        m_project.notifyGridChanged();
    });
    add(QStringLiteral("mnuIFirst"),
        [this, &store] { blockCommand([&store] { setBlockHead(store); }, false); });
    add(QStringLiteral("mnuILast"),
        [this, &store] { blockCommand([&store] { setBlockTail(store); }, false); });
    add(QStringLiteral("mnuIClear"),
        [this, &store] { blockCommand([&store] { clearBlock(store); }, false); });
    add(QStringLiteral("mnuICopy"),
        [this, &store] { blockCommand([&store] { copyBlock(store); }, false); });
    add(QStringLiteral("mnuICut"), [this, &store] {
        blockCommand(
            [&store] {
                copyBlock(store);
                deleteBlock(store);
            },
            true);
    });
    add(QStringLiteral("mnuIPaste"),
        [this, &store] { blockCommand([&store] { pasteBlock(store); }, true); });
    add(QStringLiteral("mnuIDel"),
        [this, &store] { blockCommand([&store] { deleteBlock(store); }, true); });
    add(QStringLiteral("mnuIFind"), [this] {
        m_instr->commitEdits();
        if (!m_find)
            m_find = new FindDialog(m_project, m_instr->editor(), this);
        m_prompts.runDialog(*m_find);
        // The report shows its steps in the editor, so a hidden editor comes back.
        if (m_find->report()->isVisible())
            m_instr->show();
    });
    // A row being typed is stored first, so the step moves with the others instead of being
    // lost to the redraw.
    add(QStringLiteral("mnuIInsert"), [this] {
        m_instr->commitEdits();
        m_instr->editor().insertIns();
    });
    add(QStringLiteral("mnuIDelete"), [this] {
        m_instr->commitEdits();
        m_instr->editor().deleteIns();
    });
    add(QStringLiteral("mnuIOpen"), [this] {
        m_instr->commitEdits();
        m_commands->insertFile();
    });
    add(QStringLiteral("mnuISaveB"), [this] {
        m_instr->commitEdits();
        m_commands->saveBlockAs();
    });
}

void MainWindow::addLadderCommands()
{
    add(QStringLiteral("mnuLView"), [this] { toggleLadderWindow(); });
    add(QStringLiteral("mnuLTool"), [this] {
        if (m_ladder->paletteShown())
            m_ladder->hidePalette();
        else
            m_ladder->showPalette();
    });
    add(QStringLiteral("mnuLInsert"), [this] { m_ladder->editor().insertLad(); });
    add(QStringLiteral("mnuLDelete"), [this] { m_ladder->editor().deleteLad(); });
    add(QStringLiteral("mnuL2I"), [this] {
        // An empty ladder would compile into an empty program and wipe the one there is.
        if (m_project.grid().isClear()) {
            m_prompts.message(this, QMessageBox::Information, texts::kAppTitle(), tr("梯形图为空"));
            return;
        }
        // The compiled list replaces everything, so a row being typed is dropped, not kept.
        compileLadder(m_project.grid(), m_project.program());
        m_project.notifyStepsChanged();
        m_instr->show();
        m_instr->editor().vscChange();
    });
    add(QStringLiteral("mnuLClear"), [this] {
        m_project.grid().clear();
        m_project.notifyGridChanged();
    });
}

void MainWindow::addOtherCommands()
{
    add(QStringLiteral("mnuHHelp"), [this] { openHelp(helpPage(QStringLiteral("guide.html"))); });
    add(QStringLiteral("mnuHPro"),
        [this] { openHelp(helpPage(QStringLiteral("reference.html"))); });
    add(QStringLiteral("mnuHAbout"), [this] {
        AboutDialog dialog(m_prompts, m_systemInfoTool, this);
        m_prompts.runDialog(dialog);
    });
    // The other language for the next start, or, chosen again, the choice taken back. The
    // message is for the reader of the other language, so it is written in that language.
    add(QStringLiteral("mnuHLang"), [this] {
        const bool switching = !otherLanguageChosen();
        storeLanguage(switching ? otherLanguage() : interfaceLanguage());
        m_menu.value(QStringLiteral("mnuHLang"))->setChecked(switching);
        if (switching)
            m_prompts.message(this, QMessageBox::Information, texts::kAppTitle(),
                              tr("The interface will be in English from the next start."));
    });
}

void MainWindow::toggleInstrWindow()
{
    if (m_instr->isShown())
        m_instr->hide();
    else
        m_instr->show();
}

// The palette comes and goes with the ladder window.
void MainWindow::toggleLadderWindow()
{
    if (m_ladder->isShown()) {
        m_ladder->hide();
        m_ladder->hidePalette();
    } else {
        showLadderWindow();
    }
}

void MainWindow::showLadderWindow()
{
    if (m_ladder->isShown())
        return;
    m_ladder->showPalette();
    m_ladder->show();
}

} // namespace ladrix
