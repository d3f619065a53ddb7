// Undo and redo, find next and go to step: the keys every editor is expected to have.
#include "AppTexts.h"
#include "InstrWindow.h"
#include "MainWindow.h"
#include "UndoHistory.h"
#include "UserPrompts.h"
#include "core/Project.h"
#include "il/FindDialog.h"
#include "il/FindReport.h"
#include "il/InstrEditor.h"

#include <QInputDialog>

namespace ladrix {

void MainWindow::addEditCommands()
{
    // A row being typed is stored first: undo then takes back that row, as the user sees it.
    const auto undo = [this] {
        m_instr->commitEdits();
        m_history->undo();
    };
    const auto redo = [this] {
        m_instr->commitEdits();
        m_history->redo();
    };
    add(QStringLiteral("mnuIUndo"), undo);
    add(QStringLiteral("mnuLUndo"), undo);
    add(QStringLiteral("mnuIRedo"), redo);
    add(QStringLiteral("mnuLRedo"), redo);

    // F3 goes on to the next step found, or asks what to find when nothing was found yet.
    add(QStringLiteral("mnuIFindNext"), [this] {
        if (m_find && !m_find->report()->steps().isEmpty()) {
            m_instr->show();
            m_find->report()->findNext();
            return;
        }
        runCommand(QStringLiteral("mnuIFind"));
    });

    add(QStringLiteral("mnuIGoto"), [this] {
        m_instr->commitEdits();
        const ProgramStore& store = m_project.program();
        QInputDialog dialog(this);
        dialog.setObjectName(QStringLiteral("frmGoto"));
        dialog.setWindowTitle(tr("转到步"));
        dialog.setLabelText(tr("步号 (0 - %1):").arg(store.maxStep()));
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(0, store.maxStep());
        dialog.setIntValue(std::clamp(store.curStep, 0, store.maxStep()));
        dialog.setOkButtonText(texts::kOk());
        dialog.setCancelButtonText(texts::kCancel());
        if (m_prompts.runDialog(dialog) != QDialog::Accepted)
            return;
        m_instr->show();
        m_instr->editor().focusStep(dialog.intValue());
    });
}

} // namespace ladrix
