#include "CommandRegistry.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    ladrix::cli::Io io{out, err};
    int status = ladrix::cli::runTool(app.arguments().mid(1), io);
    out.flush();
    // A listing lost to a full disk or a closed pipe must not pass for a success in a script.
    if (out.status() != QTextStream::Ok || std::ferror(stdout) != 0) {
        err << "ladrix-cli: the output could not be written\n";
        status = ladrix::cli::kUsageOrInput;
    }
    err.flush();
    return status;
}
