#include "AppTexts.h"
#include "MainWindow.h"
#include "StartFile.h"
#include "StartWindow.h"
#include "ToolIcons.h"
#include "UserPrompts.h"
#include "core/Project.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ladrix"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QApplication::setWindowIcon(ladrix::appIcon());
    // The toolkit's own dialogs (files, printer) speak Chinese too, where its translations exist.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);

    ladrix::Project project;
    ladrix::WidgetPrompts prompts;
    ladrix::MainWindow window(project, prompts);
    // Closing the main window ends the program even while a palette or report is still open.
    QObject::connect(&window, &ladrix::MainWindow::exited, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    auto* start = new ladrix::StartWindow(window);
    start->show();
    window.startUp(ladrix::commandLinePath(QApplication::arguments().mid(1)));
    return app.exec();
}
