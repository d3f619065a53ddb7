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
#include <mutex>
#include <optional>
#include <set>
#include <vector>

namespace ladrix::plc {

class SequenceRunner;
class SimPlc;

// The one owner of the link to the controller. It runs the online operations one at a time on
// its own thread, so windows never wait; they get every key, message, progress step and the
// final result as queued signals. A request made while another operation runs is refused
// (the request returns false), except that a poll gives way: one request made while a poll
// runs waits for it and runs next, and no poll is accepted while a request waits. An accepted
// request gets a number, lastRequest(), which accepted() and its result carry, so that each
// window knows its own results and sees the others' requests. Cancel takes effect between
// keys. A run-time fault inside an operation ends it with its number and description.
//
// Windows that share the port count themselves as its users: the port stays open while any
// of them is there, and closes once the last one has left.
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
    // Opens the port a setting names when no port is open; a port open already is used as it is.
    bool usePort(const QString& setting);
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

    // With `openSetting`, a port is first opened from it when none is open; when that fails,
    // the result is the open's (kind Open).
    bool sendKeys(const std::vector<std::uint8_t>& codes, const QString& openSetting = {});
    bool writeProgram(const ProgramStore& program, WriteRange range);
    bool readProgram(ReadRange range, int maxStep);
    bool clearOrCopy(ClearCopyOp op);
    bool highSpeedWrite(const ProgramStore& program);
    bool highSpeedRead(int plcType);
    bool verify(const ProgramStore& project);
    bool setRunMode(bool running);
    bool watchDevice(const QString& nodeText);
    // A poll: it gives way to any other request.
    bool pollDevice(int monDev);

    // The simulated controller that the port "sim" reaches; it keeps its program while the
    // session lives. It lives on the session's thread: take its signals, call it through
    // QMetaObject::invokeMethod.
    SimPlc* simulator() const;

    // Cancels what runs now.
    void cancel() { m_cancel = true; }
    // Cancels one request: between keys while it runs, before it starts while it waits.
    void cancel(std::uint64_t request);
    bool isBusy() const { return m_busy; }
    // Whether a request other than a poll would be accepted now.
    bool acceptsRequest() const;
    // The request other than a poll that runs or waits now; 0 for none.
    std::uint64_t foregroundRequest() const;
    // The number of the request accepted last; 0 before the first.
    std::uint64_t lastRequest() const { return m_lastRequest; }
    // Whether the controller was last sent to MONITOR mode (run) rather than PROGRAM mode, by
    // anyone's keys; false until a mode key was answered.
    bool plcRunning() const { return m_plcRunning; }

    // `user` shares the port until it leaves; the last to leave closes the port once idle.
    void addPortUser(const void* user);
    void removePortUser(const void* user);

signals:
    // Emitted on the requesting thread before the request returns.
    void accepted(ladrix::plc::SequenceKind kind, std::uint64_t request);
    void plcModeChanged(bool running);
    void keyExchanged(const ladrix::plc::KeyResult& result);
    void message(ladrix::plc::SequenceKind kind, const QString& text);
    void progress(ladrix::plc::SequenceKind kind, int value, int minimum, int maximum);
    void finished(const ladrix::plc::SequenceResult& result);

private:
    struct Worker;
    using Body = std::function<SequenceResult(SequenceRunner&)>;
    struct Task {
        SequenceKind kind;
        std::uint64_t request;
        std::function<SequenceResult()> run;
    };

    // Queues `task` for the session's thread unless an operation is running (see above).
    bool enqueue(SequenceKind kind, std::function<SequenceResult()> task);
    void post(Task task);
    // On the session's thread: runs `task`, then the request waiting for it, if any.
    void runTask(const Task& task);
    // An operation on an open link; `openSetting` opens one first when none is open.
    bool submit(SequenceKind kind, Body body, const QString& openSetting = {});
    SequenceResult open(const QString& setting);
    SequenceResult runOnLink(SequenceKind kind, const Body& body);

    QThread m_thread;
    std::unique_ptr<Worker> m_worker;
    // Guards the hand-over between the requesting thread and the session's thread.
    mutable std::mutex m_mutex;
    std::atomic_bool m_busy{false};
    bool m_pollRunning = false;
    std::uint64_t m_running = 0;
    std::optional<Task> m_waiting;
    std::atomic_bool m_cancel{false};
    std::atomic_bool m_closeWhenDone{false};
    std::atomic_bool m_plcRunning{false};
    std::atomic<std::uint64_t> m_lastRequest{0};
    std::set<const void*> m_portUsers;
    // Written by the requesting thread only while idle, read by the worker.
    KeyTiming m_timing;
    TransferDelays m_delays;
    SimFaults m_faults;
};

} // namespace ladrix::plc
