#include "InterfaceLanguage.h"
#include "MainWindow.h"
#include "StartFile.h"
#include "StartWindow.h"
#include "ToolIcons.h"
#include "UserPrompts.h"
#include "core/Project.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ladrix"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QApplication::setWindowIcon(ladrix::appIcon());
    // The language asked for on the command line, chosen in the help menu or the system's; the
    // toolkit's own dialogs (files, printer) follow it.
    QStringList arguments = QApplication::arguments().mid(1);
    ladrix::setInterfaceLanguage(
        ladrix::startLanguage(arguments, ladrix::storedLanguage(), QLocale::system()));

    ladrix::Project project;
    ladrix::WidgetPrompts prompts;
    ladrix::MainWindow window(project, prompts);
    // Closing the main window ends the program even while a palette or report is still open.
    QObject::connect(&window, &ladrix::MainWindow::exited, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    auto* start = new ladrix::StartWindow(window);
    start->show();
    window.startUp(ladrix::commandLinePath(arguments));
    return app.exec();
}
