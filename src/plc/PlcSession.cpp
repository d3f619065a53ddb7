#include "PlcSession.h"

#include "KeyCodes.h"
#include "PlcTexts.h"
#include "PortChoice.h"
#include "SequenceRunner.h"
#include "Sequences.h"
#include "SimLink.h"
#include "SimPlc.h"

#include "core/RuntimeError.h"

namespace ladrix::plc {

// Everything here is touched only on the session's thread.
struct PlcSession::Worker {
    QObject context;
    std::unique_ptr<Link> link;
    std::unique_ptr<KeyExchange> keys;
    std::unique_ptr<SimPlc> sim = std::make_unique<SimPlc>();

    bool isOpen() const { return keys && link && link->isOpen(); }
    void reset()
    {
        keys.reset();
        if (link)
            link->close();
        link.reset();
    }
};

PlcSession::PlcSession(QObject* parent) : QObject(parent), m_worker(std::make_unique<Worker>())
{
    qRegisterMetaType<KeyResult>();
    qRegisterMetaType<SequenceResult>();
    qRegisterMetaType<SequenceKind>();
    m_thread.setObjectName(QStringLiteral("PlcSession"));
    m_worker->context.moveToThread(&m_thread);
    m_worker->sim->moveToThread(&m_thread);
    Worker* worker = m_worker.get();
    connect(
        &m_thread, &QThread::finished, &m_worker->context,
        [worker] {
            worker->reset();
            worker->sim.reset();
        },
        Qt::DirectConnection);
    m_thread.start();
}

PlcSession::~PlcSession()
{
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.reset();
    }
    m_cancel = true;
    // Quitting also ends the waits of a running operation, which then fails quickly.
    m_thread.quit();
    m_thread.wait();
}

void PlcSession::setKeyTiming(KeyTiming timing)
{
    m_timing = timing;
}

void PlcSession::setTransferDelays(TransferDelays delays)
{
    m_delays = delays;
}

void PlcSession::setSimFaults(SimFaults faults)
{
    m_faults = faults;
}

bool PlcSession::enqueue(SequenceKind kind, std::function<SequenceResult()> task)
{
    const bool poll = kind == SequenceKind::PollDevice;
    std::uint64_t request = 0;
    {
        const std::lock_guard lock(m_mutex);
        if (m_busy) {
            if (poll || !m_pollRunning || m_waiting)
                return false;
            request = ++m_lastRequest;
            m_waiting = Task{kind, request, std::move(task)};
        } else {
            m_busy = true;
            m_pollRunning = poll;
            m_running = request = ++m_lastRequest;
            m_cancel = false;
            post(Task{kind, request, std::move(task)});
        }
    }
    emit accepted(kind, request);
    return true;
}

void PlcSession::post(Task task)
{
    QMetaObject::invokeMethod(
        &m_worker->context, [this, task = std::move(task)] { runTask(task); },
        Qt::QueuedConnection);
}

void PlcSession::runTask(const Task& task)
{
    SequenceResult result = runGuarded(task.kind, task.run);
    result.request = task.request;
    bool close = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting) {
            m_pollRunning = false;
            m_running = m_waiting->request;
            m_cancel = false;
            post(std::move(*m_waiting));
            m_waiting.reset();
        } else {
            m_busy = false;
            m_running = 0;
            // Checked once the session is free: a close asked for while this ran was either
            // refused as busy and is done here, or was queued and runs next.
            close = m_closeWhenDone.exchange(false);
        }
    }
    if (close)
        m_worker->reset();
    emit finished(result);
}

bool PlcSession::acceptsRequest() const
{
    const std::lock_guard lock(m_mutex);
    return !m_busy || (m_pollRunning && !m_waiting);
}

std::uint64_t PlcSession::foregroundRequest() const
{
    const std::lock_guard lock(m_mutex);
    if (m_waiting)
        return m_waiting->request;
    return m_pollRunning ? 0 : m_running;
}

void PlcSession::cancel(std::uint64_t request)
{
    std::optional<Task> dropped;
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting && m_waiting->request == request) {
            dropped = std::move(m_waiting);
            m_waiting.reset();
        } else if (request != 0 && m_running == request) {
            m_cancel = true;
        }
    }
    if (!dropped)
        return;
    // Its result comes as any other does, after this call has returned.
    SequenceResult r;
    r.request = request;
    r.kind = dropped->kind;
    r.outcome = SequenceOutcome::Cancelled;
    QMetaObject::invokeMethod(
        this, [this, r] { emit finished(r); }, Qt::QueuedConnection);
}

void PlcSession::addPortUser(const void* user)
{
    m_portUsers.insert(user);
}

void PlcSession::removePortUser(const void* user)
{
    if (m_portUsers.erase(user) > 0 && m_portUsers.empty())
        closePortWhenIdle();
}

bool PlcSession::submit(SequenceKind kind, Body body, const QString& openSetting)
{
    return enqueue(kind, [this, kind, body = std::move(body), openSetting] {
        if (!openSetting.isEmpty() && !m_worker->isOpen()) {
            SequenceResult r = open(openSetting);
            if (!r.ok())
                return r;
        }
        return runOnLink(kind, body);
    });
}

SequenceResult PlcSession::runOnLink(SequenceKind kind, const Body& body)
{
    if (!m_worker->isOpen()) {
        SequenceResult r;
        r.kind = kind;
        r.outcome = SequenceOutcome::LinkFailed;
        r.message = text::notConnected();
        return r;
    }
    SequenceRunner::Reporter reporter{
        [this](const KeyResult& k) {
            if (k.ok() && (k.key == cmd::MonitorMode || k.key == cmd::ProgramMode)) {
                const bool running = k.key == cmd::MonitorMode;
                if (m_plcRunning.exchange(running) != running)
                    emit plcModeChanged(running);
            }
            emit keyExchanged(k);
        },
        [this, kind](const QString& t) { emit message(kind, t); },
        [this, kind](int v, int lo, int hi) { emit progress(kind, v, lo, hi); }};
    SequenceRunner runner(*m_worker->link, *m_worker->keys, m_delays, m_cancel, reporter);
    SequenceResult r = body(runner);
    // A port that failed on the way is closed, so that the next open starts afresh.
    if (r.outcome == SequenceOutcome::LinkFailed)
        m_worker->reset();
    return r;
}

SequenceResult PlcSession::open(const QString& setting)
{
    SequenceResult r;
    r.kind = SequenceKind::Open;
    m_worker->reset();
    QString error;
    std::unique_ptr<Link> link = makeLink(setting, *m_worker->sim, &error);
    if (link) {
        if (auto* sim = qobject_cast<SimLink*>(link.get()))
            sim->setFaults(m_faults);
        if (!link->open())
            error = link->errorString();
    }
    if (!link || !link->isOpen()) {
        r.outcome = SequenceOutcome::LinkFailed;
        r.message = text::connectFailed();
        r.dialogText = error;
        return r;
    }
    m_worker->link = std::move(link);
    m_worker->keys = std::make_unique<KeyExchange>(*m_worker->link, m_timing);
    return r;
}

bool PlcSession::openPort(const QString& setting)
{
    return enqueue(SequenceKind::Open, [this, setting] { return open(setting); });
}

bool PlcSession::usePort(const QString& setting)
{
    return enqueue(SequenceKind::Open, [this, setting] {
        if (!m_worker->isOpen())
            return open(setting);
        SequenceResult r;
        r.kind = SequenceKind::Open;
        return r;
    });
}

bool PlcSession::connectPlc(const QString& setting)
{
    return enqueue(SequenceKind::Connect, [this, setting] {
        emit message(SequenceKind::Connect, text::portOpening());
        // Opened anew even when open (which recovers a port that went bad); a window that
        // shares it goes on using it.
        SequenceResult r = open(setting);
        r.kind = SequenceKind::Connect;
        if (!r.ok()) {
            emit message(SequenceKind::Connect, r.message);
            return r;
        }
        return runOnLink(SequenceKind::Connect, seq::connectPlc);
    });
}

bool PlcSession::closePort()
{
    return enqueue(SequenceKind::Open, [this] {
        m_worker->reset();
        SequenceResult r;
        r.kind = SequenceKind::Open;
        r.message = text::notConnected();
        return r;
    });
}

void PlcSession::closePortWhenIdle()
{
    m_closeWhenDone = true;
    closePort();
}

void PlcSession::cancelAndClose()
{
    m_cancel = true;
    closePortWhenIdle();
}

bool PlcSession::probePort(int number)
{
    return enqueue(SequenceKind::Probe, [this, number] {
        SequenceResult r;
        r.kind = SequenceKind::Probe;
        r.outcome = SequenceOutcome::LinkFailed;
        const QString name = portNameForNumber(number);
        if (name.isEmpty())
            return r;
        // The port in use here cannot be opened a second time, yet it is there.
        const Link* link = m_worker->link.get();
        if (link && link->isOpen() && link->description() == name) {
            r.outcome = SequenceOutcome::Done;
            return r;
        }
        if (plc::probePort(number))
            r.outcome = SequenceOutcome::Done;
        return r;
    });
}

bool PlcSession::sendKeys(const std::vector<std::uint8_t>& codes, const QString& openSetting)
{
    return submit(
        SequenceKind::Keys, [codes](SequenceRunner& run) { return seq::sendKeys(run, codes); },
        openSetting);
}

bool PlcSession::writeProgram(const ProgramStore& program, WriteRange range)
{
    return submit(SequenceKind::Write, [program, range](SequenceRunner& run) {
        return seq::writeByKeys(run, program, range);
    });
}

bool PlcSession::readProgram(ReadRange range, int maxStep)
{
    return submit(SequenceKind::Read, [range, maxStep](SequenceRunner& run) {
        return seq::readByKeys(run, range, maxStep);
    });
}

bool PlcSession::clearOrCopy(ClearCopyOp op)
{
    return submit(SequenceKind::ClearCopy,
                  [op](SequenceRunner& run) { return seq::clearOrCopy(run, op); });
}

bool PlcSession::highSpeedWrite(const ProgramStore& program)
{
    return submit(SequenceKind::HighSpeedWrite,
                  [program](SequenceRunner& run) { return seq::highSpeedWrite(run, program); });
}

bool PlcSession::highSpeedRead(int plcType)
{
    return submit(SequenceKind::HighSpeedRead,
                  [plcType](SequenceRunner& run) { return seq::highSpeedRead(run, plcType); });
}

bool PlcSession::verify(const ProgramStore& project)
{
    return submit(SequenceKind::Verify,
                  [project](SequenceRunner& run) { return seq::verifyProgram(run, project); });
}

bool PlcSession::setRunMode(bool running)
{
    return submit(SequenceKind::RunStop, [this, running](SequenceRunner& run) {
        SequenceResult r = seq::setRunMode(run, running);
        // The simulated controller answers as the controller does, yet says why it stays put.
        const auto* link = qobject_cast<const SimLink*>(m_worker->link.get());
        const SimPlc* sim = link ? link->simulator() : nullptr;
        if (r.ok() && running && sim && !sim->running()) {
            r.outcome = SequenceOutcome::Failed;
            r.message = sim->fault();
            if (m_plcRunning.exchange(false))
                emit plcModeChanged(false);
        }
        return r;
    });
}

SimPlc* PlcSession::simulator() const
{
    return m_worker->sim.get();
}

bool PlcSession::watchDevice(const QString& nodeText)
{
    return submit(SequenceKind::WatchDevice,
                  [nodeText](SequenceRunner& run) { return seq::watchDevice(run, nodeText); });
}

bool PlcSession::pollDevice(int monDev)
{
    return submit(SequenceKind::PollDevice,
                  [monDev](SequenceRunner& run) { return seq::pollDevice(run, monDev); });
}

} // namespace ladrix::plc
