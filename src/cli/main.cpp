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
    const int status = ladrix::cli::runTool(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}
