#include "SimPlc.h"

#include "KeyCodes.h"
#include "SimTexts.h"
#include "StepCoding.h"

#include <QMetaMethod>

namespace ladrix::plc {
namespace {

// A wall-clock tick runs at most this many scans; a longer stall is not caught up.
constexpr int kMostScansPerTick = 100;
constexpr int kPublishMs = 50;

} // namespace

SimPlc::SimPlc(int stepCount, QObject* parent)
    : QObject(parent), m_controller(stepCount), m_tick(this), m_publish(this)
{
    qRegisterMetaType<SimSnapshot>();
    m_controller.setRunGate([this] { return running() || loadForRun(); });
    m_controller.setDeviceSource([this](int number) {
        return SimController::MonitoredDevice{m_engine.isOn(number), m_engine.value(number)};
    });
    m_tick.setTimerType(Qt::PreciseTimer);
    m_tick.setInterval(ScanEngine::kCycleMs);
    connect(&m_tick, &QTimer::timeout, this, &SimPlc::onTick);
    m_publish.setSingleShot(true);
    m_publish.setInterval(kPublishMs);
    connect(&m_publish, &QTimer::timeout, this, &SimPlc::publish);
}

QByteArray SimPlc::receive(std::uint8_t byte)
{
    const bool wasRunning = running();
    const QByteArray reply = m_controller.receive(byte);
    if (running() != wasRunning)
        modeChanged(byte);
    return reply;
}

bool SimPlc::run()
{
    receive(cmd::MonitorMode);
    return running();
}

void SimPlc::stop()
{
    receive(cmd::ProgramMode);
}

std::vector<Step> SimPlc::storedProgram() const
{
    std::vector<Step> steps;
    for (int i = 0; i < m_controller.stepCount(); ++i) {
        const QByteArray w = m_controller.word(i);
        Step s = stepFromDisplay(
            decodeWord(static_cast<std::uint8_t>(w.at(0)), static_cast<std::uint8_t>(w.at(1))));
        if (s.ins == u"NOP")
            s = Step{};
        steps.push_back(s);
        if (s.ins == u"END")
            break;
    }
    return steps;
}

bool SimPlc::loadForRun()
{
    if (m_engine.load(storedProgram())) {
        m_fault.clear();
        return true;
    }
    m_fault = simtext::runRefused() + m_engine.fault();
    markChanged();
    emit runRefused(m_fault);
    return false;
}

void SimPlc::modeChanged(std::uint8_t cause)
{
    if (running()) {
        m_engine.start();
        m_clockMs = 0;
        m_wallLagMs = 0;
        m_wall.start();
        if (!m_stepped)
            m_tick.start();
    } else {
        m_tick.stop();
        m_engine.outputsOff();
        if (cause != cmd::ProgramMode && m_fault.isEmpty())
            m_fault = simtext::stoppedByWrite();
    }
    markChanged();
}

void SimPlc::setSteppedClock(bool stepped)
{
    m_stepped = stepped;
    if (stepped) {
        m_tick.stop();
        m_clockMs = m_engine.timeMs();
    } else if (running()) {
        m_wallLagMs = m_wall.elapsed() - m_engine.timeMs();
        m_tick.start();
    }
}

void SimPlc::advance(qint64 ms)
{
    if (!m_stepped || ms <= 0)
        return;
    m_clockMs += ms;
    if (running())
        runUntil(m_clockMs, true);
}

void SimPlc::onTick()
{
    if (running() && !m_stepped)
        runUntil(m_wall.elapsed() - m_wallLagMs, false);
}

void SimPlc::runUntil(qint64 targetMs, bool catchUp)
{
    int scans = 0;
    while (m_engine.timeMs() + ScanEngine::kCycleMs <= targetMs) {
        if (!catchUp && scans == kMostScansPerTick) {
            // Too far behind the wall clock (a stall, a debugger): the lost time is given up.
            m_wallLagMs += targetMs - m_engine.timeMs() - ScanEngine::kCycleMs;
            break;
        }
        if (!m_engine.scan()) {
            m_fault = simtext::runRefused() + m_engine.fault();
            m_controller.receive(cmd::ProgramMode);
            m_tick.stop();
            m_engine.outputsOff();
            emit runRefused(m_fault);
            break;
        }
        ++scans;
    }
    if (scans > 0 || !running())
        markChanged();
}

void SimPlc::setInput(int number, bool on)
{
    if (m_engine.input(number) == on)
        return;
    m_engine.setInput(number, on);
    markChanged();
}

bool SimPlc::setData(int number, int value)
{
    if (!m_engine.setData(number, value))
        return false;
    markChanged();
    return true;
}

void SimPlc::markChanged()
{
    if (!m_publish.isActive() && isSignalConnected(QMetaMethod::fromSignal(&SimPlc::changed)))
        m_publish.start();
}

SimSnapshot SimPlc::snapshot() const
{
    SimSnapshot s;
    s.running = running();
    s.fault = m_fault;
    s.scans = m_engine.scanCount();
    s.timeMs = m_engine.timeMs();
    for (int n : ScanEngine::inputNumbers())
        s.inputs.push_back(m_engine.input(n));
    for (int n : ScanEngine::outputNumbers())
        s.outputs.push_back(m_engine.isOn(n));
    for (const ScanEngine::UsedDevice& d : m_engine.timersAndCounters())
        s.values.push_back({d.number, m_engine.isOn(d.number), m_engine.value(d.number), d.preset});
    return s;
}

void SimPlc::publish()
{
    m_publish.stop();
    emit changed(snapshot());
}

} // namespace ladrix::plc
