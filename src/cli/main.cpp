#include "CommandRegistry.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>
#ifdef LADRIX_CLI_PRINT
#include <QGuiApplication>
#endif

namespace {

// Printing lays out text, which needs the GUI's fonts; it draws on no screen.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
#ifdef LADRIX_CLI_PRINT
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    ladrix::cli::Io io{out, err};
    int status = ladrix::cli::runTool(app->arguments().mid(1), io);
    out.flush();
    // A listing lost to a full disk or a closed pipe must not pass for a success in a script.
    if (out.status() != QTextStream::Ok || std::ferror(stdout) != 0) {
        err << "ladrix-cli: the output could not be written\n";
        status = ladrix::cli::kUsageOrInput;
    }
    err.flush();
    return status;
}
