#include "PlcSession.h"

#include "PlcTexts.h"
#include "PortChoice.h"
#include "SequenceRunner.h"
#include "Sequences.h"
#include "SimLink.h"

#include "core/RuntimeError.h"

namespace ladrix::plc {

// Everything here is touched only on the session's thread.
struct PlcSession::Worker {
    QObject context;
    std::unique_ptr<Link> link;
    std::unique_ptr<KeyExchange> keys;

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
    Worker* worker = m_worker.get();
    connect(
        &m_thread, &QThread::finished, &m_worker->context, [worker] { worker->reset(); },
        Qt::DirectConnection);
    m_thread.start();
}

PlcSession::~PlcSession()
{
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
    if (m_busy.exchange(true))
        return false;
    m_cancel = false;
    const std::uint64_t request = ++m_lastRequest;
    QMetaObject::invokeMethod(
        &m_worker->context,
        [this, kind, request, task = std::move(task)] {
            SequenceResult result = runGuarded(kind, task);
            result.request = request;
            m_busy = false;
            // Checked after the session is free: a close asked for while this ran was either
            // refused as busy and is done here, or was queued and runs next.
            if (m_closeWhenDone.exchange(false))
                m_worker->reset();
            emit finished(result);
        },
        Qt::QueuedConnection);
    return true;
}

bool PlcSession::submit(SequenceKind kind, Body body)
{
    return enqueue(kind, [this, kind, body = std::move(body)] { return runOnLink(kind, body); });
}

SequenceResult PlcSession::runOnLink(SequenceKind kind, const Body& body)
{
    if (!m_worker->keys || !m_worker->link->isOpen()) {
        SequenceResult r;
        r.kind = kind;
        r.outcome = SequenceOutcome::LinkFailed;
        r.message = text::notConnected();
        return r;
    }
    SequenceRunner::Reporter reporter{
        [this](const KeyResult& k) { emit keyExchanged(k); },
        [this, kind](const QString& t) { emit message(kind, t); },
        [this, kind](int v, int lo, int hi) { emit progress(kind, v, lo, hi); }};
    SequenceRunner runner(*m_worker->link, *m_worker->keys, m_delays, m_cancel, reporter);
    return body(runner);
}

SequenceResult PlcSession::open(const QString& setting)
{
    SequenceResult r;
    r.kind = SequenceKind::Open;
    m_worker->reset();
    QString error;
    std::unique_ptr<Link> link = makeLink(setting, &error);
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

bool PlcSession::connectPlc(const QString& setting)
{
    return enqueue(SequenceKind::Connect, [this, setting] {
        emit message(SequenceKind::Connect, text::portOpening());
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

bool PlcSession::sendKeys(const std::vector<std::uint8_t>& codes)
{
    return submit(SequenceKind::Keys,
                  [codes](SequenceRunner& run) { return seq::sendKeys(run, codes); });
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
    return submit(SequenceKind::RunStop,
                  [running](SequenceRunner& run) { return seq::setRunMode(run, running); });
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
