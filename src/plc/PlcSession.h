#pragma once

#include "KeyExchange.h"
#include "SequenceTypes.h"
#include "SimController.h"

#include "core/ProgramStore.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ladrix::plc {

class SequenceRunner;

// The one owner of the link to the controller. It runs the online operations one at a time on
// its own thread, so windows never wait; they get every key, message, progress step and the
// final result as queued signals. A request made while another operation runs is refused
// (the request returns false); an accepted one gets a number, lastRequest(), which its result
// carries, so that each window knows its own results. Cancel takes effect between keys. A
// run-time fault inside an operation ends it with its number and description.
class PlcSession final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlcSession)

public:
    explicit PlcSession(QObject* parent = nullptr);
    ~PlcSession() override;

    // Used when the port is next opened.
    void setKeyTiming(KeyTiming timing);
    void setTransferDelays(TransferDelays delays);
    void setSimFaults(SimFaults faults);

    // Opens the port a setting names (a number, a device path or "sim"), closing any other.
    bool openPort(const QString& setting);
    // Opens the port and checks that the controller answers (166, then CLEAR).
    bool connectPlc(const QString& setting);
    bool closePort();
    // Closes the port once the operation running now has ended (at once when nothing runs).
    void closePortWhenIdle();
    // Cancels what runs and closes the port once it has ended.
    void cancelAndClose();
    // Whether port number n can be opened now; the port this session holds open counts as
    // available. The result is Done or LinkFailed.
    bool probePort(int number);

    bool sendKeys(const std::vector<std::uint8_t>& codes);
    bool writeProgram(const ProgramStore& program, WriteRange range);
    bool readProgram(ReadRange range, int maxStep);
    bool clearOrCopy(ClearCopyOp op);
    bool highSpeedWrite(const ProgramStore& program);
    bool highSpeedRead(int plcType);
    bool verify(const ProgramStore& project);
    bool setRunMode(bool running);
    bool watchDevice(const QString& nodeText);
    bool pollDevice(int monDev);

    void cancel() { m_cancel = true; }
    bool isBusy() const { return m_busy; }
    // The number of the request accepted last; 0 before the first.
    std::uint64_t lastRequest() const { return m_lastRequest; }

signals:
    void keyExchanged(const ladrix::plc::KeyResult& result);
    void message(ladrix::plc::SequenceKind kind, const QString& text);
    void progress(ladrix::plc::SequenceKind kind, int value, int minimum, int maximum);
    void finished(const ladrix::plc::SequenceResult& result);

private:
    struct Worker;
    using Body = std::function<SequenceResult(SequenceRunner&)>;

    // Queues `task` for the session's thread unless an operation is running.
    bool enqueue(SequenceKind kind, std::function<SequenceResult()> task);
    // An operation on an open link.
    bool submit(SequenceKind kind, Body body);
    SequenceResult open(const QString& setting);
    SequenceResult runOnLink(SequenceKind kind, const Body& body);

    QThread m_thread;
    std::unique_ptr<Worker> m_worker;
    std::atomic_bool m_busy{false};
    std::atomic_bool m_cancel{false};
    std::atomic_bool m_closeWhenDone{false};
    std::atomic<std::uint64_t> m_lastRequest{0};
    // Written by the requesting thread only while idle, read by the worker.
    KeyTiming m_timing;
    TransferDelays m_delays;
    SimFaults m_faults;
};

} // namespace ladrix::plc
