#include "CliArgs.h"
#include "CliInterrupt.h"
#include "CommandRegistry.h"

#include "plc/PtyServer.h"
#include "plc/SimScript.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>
#include <utility>

namespace ladrix::cli {
namespace {

const QString kName = QStringLiteral("sim");

// Reads the control lines from standard input and answers each on standard output.
class ControlLines final {
public:
    ControlLines(plc::SimPlc& plc, Io& io)
        : m_console(plc), m_io(io), m_notifier(STDIN_FILENO, QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { readSome(); });
    }

private:
    void readSome()
    {
        char buf[4096];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (n <= 0) {
            // Without a controlling input the controller goes on serving the terminal.
            m_notifier.setEnabled(false);
            return;
        }
        m_pending.append(buf, n);
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
            if (std::exchange(m_overlong, false))
                continue; // the end of a line answered already
            const QString reply = m_console.handle(line);
            if (!reply.isEmpty())
                answer(reply);
        }
        // A line that never ends is refused once, rather than kept growing.
        if (m_pending.size() > kLongestLine) {
            if (!m_overlong)
                answer(QStringLiteral("error: line longer than %1 bytes").arg(kLongestLine));
            m_overlong = true;
            m_pending.clear();
        }
    }

    void answer(const QString& text)
    {
        m_io.out << text << "\n";
        m_io.out.flush();
    }

    static constexpr qsizetype kLongestLine = 4096;

    plc::SimConsole m_console;
    Io& m_io;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
    bool m_overlong = false;
};

int runSim(const QStringList& args, Io& io)
{
    const QString latencyOption = QStringLiteral("--latency");
    const QString ptyFlag = QStringLiteral("--pty");
    const QString steppedFlag = QStringLiteral("--stepped");
    const std::optional<CliArgs> parsed =
        parseArgs(args, {latencyOption}, kName, io, {ptyFlag, steppedFlag});
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
    server.simulator().setSteppedClock(parsed->has(steppedFlag));
    QObject::connect(&server.simulator(), &plc::SimPlc::runRefused, [&io](const QString& why) {
        io.err << "ladrix-cli sim: " << why << "\n";
        io.err.flush();
    });
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
    const ControlLines control(server.simulator(), io);
    QCoreApplication::exec();
    return kOk;
}

const CommandRegistration reg{{
    kName,
    QStringLiteral("serve the simulated controller on a pseudo-terminal"),
    QStringLiteral(
        "Usage: ladrix-cli sim --pty [--latency MS] [--stepped]\n"
        "Creates a pseudo-terminal, prints the path of its device on the first line\n"
        "of output and answers on it as the controller does, until interrupted\n"
        "(SIGINT or SIGTERM). The controller holds 2000 steps, enough for either model.\n"
        "In MONITOR mode (key 161, as plc run sends it) it runs the program it holds, one\n"
        "scan per 10 ms of simulated time, which follows the wall clock; a program that\n"
        "cannot run keeps it in PROGRAM mode and the reason goes to stderr.\n"
        "--latency delays every reply by MS milliseconds (0 to 60000).\n"
        "--stepped lets simulated time move only by step lines (below), for exact tests.\n\n"
        "Standard input takes control lines; each gets one answer line on standard output:\n"
        "  X0 1 | X0 0 | X0 on | X0 off   switch an input                  ok\n"
        "  D700 -12                        set a data register              ok\n"
        "  ? DEVICE                        Y30 1 | T50 1 12 | D700 -12\n"
        "                                  (state, and the value the device monitor shows\n"
        "                                  for a timer or counter)\n"
        "  step TIME                       move a --stepped clock on by TIME (1.5, 1.5s,\n"
        "                                  500ms), running the scans of that time   ok\n"
        "  run | stop                      switch mode as keys 161 and 145 do\n"
        "                                  ok, or error: and why the program cannot run\n"
        "  mode                            run, or stop and why the last run was refused\n"
        "  time                            simulated seconds and scans of the run: 1.230 123\n"
        "Anything else is answered with error: and what is wrong. Blank lines and lines\n"
        "starting with # get no answer. The end of standard input ends no service.\n"),
    runSim,
}};

} // namespace
} // namespace ladrix::cli
