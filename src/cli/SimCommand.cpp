#include "CliArgs.h"
#include "CliInterrupt.h"
#include "CommandRegistry.h"

#include "plc/PtyServer.h"

#include <QCoreApplication>

namespace ladrix::cli {
namespace {

const QString kName = QStringLiteral("sim");

int runSim(const QStringList& args, Io& io)
{
    const QString latencyOption = QStringLiteral("--latency");
    const QString ptyFlag = QStringLiteral("--pty");
    const std::optional<CliArgs> parsed = parseArgs(args, {latencyOption}, kName, io, {ptyFlag});
    if (!parsed)
        return kUsageOrInput;
    if (!parsed->positional.isEmpty())
        return usageError(io, kName,
                          QStringLiteral("unexpected argument \"%1\"").arg(parsed->positional[0]));
    if (!parsed->has(ptyFlag))
        return usageError(io, kName, QStringLiteral("--pty is required"));
    const std::optional<int> latency = intOption(*parsed, latencyOption, 0, 60000, 0, kName, io,
                                                 QStringLiteral("a number of milliseconds"));
    if (!latency)
        return kUsageOrInput;

    // The larger model's memory, so programs of either model fit.
    plc::PtyServer server(2000);
    plc::SimFaults faults;
    faults.latencyMs = *latency;
    server.setFaults(faults);
    if (!server.start()) {
        io.err << "ladrix-cli sim: cannot create a pseudo-terminal: " << server.errorString()
               << "\n";
        return kUsageOrInput;
    }
    const InterruptWatch interrupt([] { QCoreApplication::quit(); });
    if (!interrupt.ok()) {
        io.err << "ladrix-cli sim: cannot set up signal handling\n";
        return kUsageOrInput;
    }
    io.out << server.slavePath() << "\n";
    io.out.flush();
    QCoreApplication::exec();
    return kOk;
}

const CommandRegistration reg{{
    kName,
    QStringLiteral("serve the simulated controller on a pseudo-terminal"),
    QStringLiteral(
        "Usage: ladrix-cli sim --pty [--latency MS]\n"
        "Creates a pseudo-terminal, prints the path of its device on the first line\n"
        "of output and answers on it as the controller does, until interrupted\n"
        "(SIGINT or SIGTERM). The controller holds 2000 steps, enough for either model.\n"
        "--latency delays every reply by MS milliseconds (0 to 60000).\n"),
    runSim,
}};

} // namespace
} // namespace ladrix::cli
