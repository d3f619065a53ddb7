// The commands of the main window that talk to the controller.
#include "InstrWindow.h"
#include "MainWindow.h"
#include "ProjectCommands.h"
#include "UserPrompts.h"
#include "plc/PlcSession.h"
#include "plc/PortChoice.h"
#include "plc/ui/GetCommDialog.h"
#include "plc/ui/HandheldPanel.h"
#include "plc/ui/OnlineWindow.h"
#include "plc/ui/SimIoWindow.h"

namespace ladrix {

namespace {

plc::OnlineWindow* onlineWindowOf(const QWidget* mainWindow)
{
    return mainWindow->findChild<plc::OnlineWindow*>(QStringLiteral("frmOnline"),
                                                     Qt::FindDirectChildrenOnly);
}

plc::HandheldPanel* panelOf(const QWidget* mainWindow)
{
    return mainWindow->findChild<plc::HandheldPanel*>(QStringLiteral("frmPA"),
                                                      Qt::FindDirectChildrenOnly);
}

plc::SimIoWindow* simWindowOf(const QWidget* mainWindow)
{
    return mainWindow->findChild<plc::SimIoWindow*>(QStringLiteral("frmSimIo"),
                                                    Qt::FindDirectChildrenOnly);
}

bool simulatorChosen()
{
    return plc::resolvePort(plc::readPortSetting()) == QLatin1String(plc::kSimPort);
}

// A second command brings the open window back to the front.
void bringToFront(QWidget* window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::addOnlineCommands()
{
    add(QStringLiteral("mnuTConn"), [this] {
        plc::OnlineWindow* online = onlineWindowOf(this);
        if (!online) {
            plc::OnlineHooks hooks{
                [this] { m_instr->commitEdits(); },
                // A read replaces the program: unsaved changes are offered for saving first.
                [this] {
                    m_instr->commitEdits();
                    return m_commands->maybeSave();
                },
                [this] { m_instr->show(); },
            };
            online = new plc::OnlineWindow(m_project, *m_session, std::move(hooks), this);
            plc::OnlinePrompts prompts;
            prompts.message = [this](QWidget* parent, const QString& title, const QString& text) {
                m_prompts.message(parent, QMessageBox::Information, title, text);
            };
            prompts.warning = [this](QWidget* parent, const QString& title, const QString& text) {
                m_prompts.message(parent, QMessageBox::Warning, title, text);
            };
            online->setPrompts(std::move(prompts));
        }
        bringToFront(online);
    });
    add(QStringLiteral("mnuTPA"), [this] {
        plc::HandheldPanel* panel = panelOf(this);
        if (!panel) {
            panel = new plc::HandheldPanel(*m_session, this);
            panel->setMessageSink(
                [this](QWidget* parent, const QString& title, const QString& text) {
                    m_prompts.message(parent, QMessageBox::Information, title, text);
                });
        }
        bringToFront(panel);
    });
    add(QStringLiteral("mnuTSim"), [this] {
        plc::SimIoWindow* sim = simWindowOf(this);
        if (!sim)
            sim = new plc::SimIoWindow(*m_session->simulator(), this);
        bringToFront(sim);
    });
    add(QStringLiteral("mnuTCommS"), [this] {
        plc::GetCommDialog dialog(*m_session, this);
        if (m_prompts.runDialog(dialog) != QDialog::Accepted)
            return;
        if (plc::OnlineWindow* online = onlineWindowOf(this))
            online->reloadPortSetting();
        if (plc::HandheldPanel* panel = panelOf(this))
            panel->reloadPortSetting();
        m_simChosen = simulatorChosen();
    });
    m_simChosen = simulatorChosen();
}

} // namespace ladrix
