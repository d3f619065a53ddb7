#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>

// `ladrix-cli sim --pty` running as its own process, as a user would start it.
struct SimProcess {
    QProcess process;
    QString path;

    explicit SimProcess(QStringList extra = {})
    {
        process.start(QStringLiteral(LADRIX_CLI_PATH), QStringList{"sim", "--pty"} + extra);
        if (process.waitForStarted(5000) && process.waitForReadyRead(5000))
            path = QString::fromUtf8(process.readLine()).trimmed();
    }
    // Sends one control line on standard input and returns its answer line; empty when none
    // came within a few seconds.
    QString control(const QString& line)
    {
        process.write((line + u'\n').toUtf8());
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(5000))
                return {};
        }
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    // Sends `signal` and returns the exit code of a normal exit, or -1.
    int stop(int signal)
    {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        if (!process.waitForFinished(5000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    ~SimProcess()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};
