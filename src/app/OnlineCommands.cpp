// The commands of the main window that talk to the controller.
#include "MainWindow.h"
#include "UserPrompts.h"
#include "plc/ui/GetCommDialog.h"

namespace ladrix {

void MainWindow::addOnlineCommands()
{
    add(QStringLiteral("mnuTConn"), [this] { notAvailable(QStringLiteral("mnuTConn")); });
    add(QStringLiteral("mnuTCommS"), [this] {
        plc::GetCommDialog dialog(this);
        m_prompts.runDialog(dialog);
    });
}

} // namespace ladrix
