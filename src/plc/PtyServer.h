#pragma once

#include "ReplyQueue.h"
#include "SimPlc.h"

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace ladrix::plc {

// Serves the simulated controller, which runs its program, on a pseudo-terminal: a serial port
// at the path of the terminal's slave side (e.g. /dev/pts/3) then talks to it as to a real
// controller.
class PtyServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PtyServer)

public:
    explicit PtyServer(int stepCount = 1000, QObject* parent = nullptr);
    ~PtyServer() override;

    // Creates the terminal; false with errorString() on failure.
    bool start();
    void stop();
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

    SimController& controller() { return m_plc.controller(); }
    SimPlc& simulator() { return m_plc; }
    void setFaults(const SimFaults& faults) { m_faults.setFaults(faults); }

private:
    void onReadable();
    void send(const QByteArray& bytes);

    SimPlc m_plc;
    FaultyReplies m_faults;
    ReplyQueue m_replies;
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_master = -1;
    int m_slave = -1; // held open so the terminal survives clients opening and closing it
    QString m_slavePath;
    QString m_error;
};

} // namespace ladrix::plc
