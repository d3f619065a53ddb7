#pragma once

#include "CommandRegistry.h"

#include "plc/PlcSession.h"

#include <functional>

namespace ladrix::cli {

// Runs a plc command's operations on the session: opens or connects the port, waits for each
// result while the event loop runs, shows the operation's progress on stderr (a bar on a
// terminal, one line per message otherwise) and turns Ctrl-C into a cancel after the current
// step.
class PlcRunner final {
public:
    PlcRunner(const QString& port, const QString& command, Io& io);
    PlcRunner(const PlcRunner&) = delete;
    PlcRunner& operator=(const PlcRunner&) = delete;

    plc::PlcSession& session() { return m_session; }

    // Opens the port without any key; false after saying why.
    bool open();
    // The handshake of the connect button (166, then CLEAR): kOk, or the exit status after
    // saying why (1 no answer, 2 the port failed).
    int connect();
    // Sends one request and waits for its result; progress goes to stderr meanwhile.
    plc::SequenceResult run(const std::function<bool(plc::PlcSession&)>& request);
    // The exit status of a finished operation: 0 done, 1 refused, timed out or cancelled, 2 the
    // port failed or a fault ended it. Anything but 0 is explained on stderr.
    int status(const plc::SequenceResult& result);
    // Whether the user asked to stop (Ctrl-C).
    bool interrupted() const { return m_interrupted; }

private:
    void showMessage(const QString& text);
    void showProgress(int value, int minimum, int maximum);
    void drawBar();
    void endBar();

    plc::PlcSession m_session;
    QString m_port;
    QString m_command;
    Io& m_io;
    bool m_terminal;
    bool m_barShown = false;
    bool m_interrupted = false;
    QString m_text;
    int m_value = 0, m_minimum = 0, m_maximum = 0;
};

} // namespace ladrix::cli
