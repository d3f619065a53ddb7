#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Result of one run of ladrix-cli.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built ladrix-cli with `args` and waits for it (30 s at most).
CliRun runCli(const QStringList& args);
