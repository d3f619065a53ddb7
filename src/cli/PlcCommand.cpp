#include "CommandRegistry.h"

#include "plc/PlcSession.h"

#include <QEventLoop>

namespace ladrix::cli {
namespace {

// Runs one session request to its result.
plc::SequenceResult await(plc::PlcSession& session, const std::function<bool()>& request)
{
    plc::SequenceResult result;
    QEventLoop loop;
    QObject::connect(&session, &plc::PlcSession::finished, &loop,
                     [&](const plc::SequenceResult& r) {
                         result = r;
                         loop.quit();
                     });
    if (request())
        loop.exec();
    return result;
}

int runPlc(const QStringList& args, Io& io)
{
    QString port;
    int i = 0;
    if (i + 1 < args.size() && args[i] == u"--port") {
        port = args[i + 1];
        i += 2;
    }
    if (port.isEmpty() || i >= args.size() || args[i] != u"keys" || i + 1 >= args.size()) {
        io.err << "plc: usage: ladrix-cli plc --port PORT keys CODE...\n";
        return kUsageOrInput;
    }
    std::vector<std::uint8_t> codes;
    for (++i; i < args.size(); ++i) {
        bool ok = false;
        const int code = args[i].toInt(&ok, 10);
        if (!ok || code < 0 || code > 255) {
            io.err << "plc: a key code is a number from 0 to 255, not " << args[i] << "\n";
            return kUsageOrInput;
        }
        codes.push_back(static_cast<std::uint8_t>(code));
    }

    plc::PlcSession session;
    const plc::SequenceResult opened = await(session, [&] { return session.openPort(port); });
    if (!opened.ok()) {
        io.err << "plc: cannot open port " << port << ": " << opened.dialogText << "\n";
        return kUsageOrInput;
    }
    bool timedOut = false;
    // Taken on this thread, in order, before the sequence's result.
    QObject::connect(
        &session, &plc::PlcSession::keyExchanged, &session, [&](const plc::KeyResult& k) {
            if (k.ok()) {
                const QString ins = k.display.ins.isEmpty() ? QStringLiteral("-") : k.display.ins;
                io.out << k.key << ' ' << ins << ' ' << k.display.num << "\n";
            } else {
                io.out << k.key << " Error\n";
                timedOut = true;
            }
            io.out.flush();
        });
    const plc::SequenceResult sent = await(session, [&] { return session.sendKeys(codes); });
    if (sent.outcome == plc::SequenceOutcome::LinkFailed) {
        io.err << "plc: port " << port << " failed, remaining keys not sent: " << sent.dialogText
               << "\n";
        return kUsageOrInput;
    }
    return timedOut ? kFaultsFound : kOk;
}

const CommandRegistration reg{{
    QStringLiteral("plc"),
    QStringLiteral("send keys to the controller and show its display"),
    QStringLiteral(
        "Usage: ladrix-cli plc --port PORT keys CODE...\n"
        "PORT is a device path (/dev/ttyUSB0, /dev/pts/3), a port number (the n-th serial\n"
        "port) or sim for the built-in simulated controller. Each CODE is a decimal key\n"
        "code, sent in order. One line per key: the code, the instruction field (- when\n"
        "empty) and the number field, or the code and Error when no reply came in time.\n"
        "Exit status: 0 all keys answered, 1 a key timed out, 2 bad usage or the port\n"
        "cannot be opened or failed on the way (no keys are sent after that).\n"),
    runPlc,
}};

} // namespace
} // namespace ladrix::cli
