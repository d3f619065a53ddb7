#include "CliRunner.h"

#include <QProcess>

CliRun runCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(LADRIX_CLI_PATH), args);
    CliRun run;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
