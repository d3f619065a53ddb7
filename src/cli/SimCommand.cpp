#include "CommandRegistry.h"

#include "plc/PtyServer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace ladrix::cli {
namespace {

int g_signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop notices the byte and ends cleanly.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], &byte, 1);
}

int runSim(const QStringList& args, Io& io)
{
    bool pty = false;
    int latency = 0;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--pty") {
            pty = true;
        } else if (args[i] == u"--latency") {
            bool ok = false;
            latency = ++i < args.size() ? args[i].toInt(&ok) : 0;
            if (!ok || latency < 0 || latency > 60000) {
                io.err << "sim: --latency needs a number of milliseconds from 0 to 60000\n";
                return kUsageOrInput;
            }
        } else {
            io.err << "sim: unexpected argument " << args[i] << "\n";
            return kUsageOrInput;
        }
    }
    if (!pty) {
        io.err << "sim: --pty is required\n";
        return kUsageOrInput;
    }

    // The larger model's memory, so programs of either model fit.
    plc::PtyServer server(2000);
    plc::SimFaults faults;
    faults.latencyMs = latency;
    server.setFaults(faults);
    if (!server.start()) {
        io.err << "sim: cannot create a pseudo-terminal: " << server.errorString() << "\n";
        return kUsageOrInput;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) {
        io.err << "sim: cannot set up signal handling\n";
        return kUsageOrInput;
    }
    QSocketNotifier notifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    io.out << server.slavePath() << "\n";
    io.out.flush();
    QCoreApplication::exec();

    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    return kOk;
}

const CommandRegistration reg{{
    QStringLiteral("sim"),
    QStringLiteral("serve the simulated controller on a pseudo-terminal"),
    QStringLiteral(
        "Usage: ladrix-cli sim --pty [--latency MS]\n"
        "Creates a pseudo-terminal, prints the path of its device on the first line\n"
        "of output and answers on it as the controller does, until interrupted\n"
        "(SIGINT or SIGTERM). The controller holds 2000 steps, enough for either model.\n"
        "--latency delays every reply by MS milliseconds.\n"),
    runSim,
}};

} // namespace
} // namespace ladrix::cli
