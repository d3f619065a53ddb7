#pragma once

#include "ScanEngine.h"
#include "SimController.h"

#include <QElapsedTimer>
#include <QMetaType>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <vector>

namespace ladrix::plc {

// A picture of the simulated controller for its windows.
struct SimSnapshot {
    struct Value {
        int number = 0;
        bool on = false;
        int value = 0;  // as the device monitor shows it
        QString preset; // the K constant as a number ("3", "12.3")
    };
    bool running = false;
    QString fault; // why the last 运行 was refused or the run ended; empty otherwise
    qint64 scans = 0;
    qint64 timeMs = 0;
    std::vector<std::uint8_t> inputs;  // 1 = on, in the order of ScanEngine::inputNumbers()
    std::vector<std::uint8_t> outputs; // in the order of ScanEngine::outputNumbers()
    std::vector<Value> values;         // the timers and counters the program drives
};

// The simulated controller with its scan: SimController answers the line's bytes, and while it
// is in MONITOR mode a ScanEngine runs the program its memory holds (read as the high-speed
// read reads it, a NOP being an empty step). A switch to MONITOR mode loads the program and
// starts the run; a program that cannot run keeps the controller in PROGRAM mode and fault()
// says why. Simulated time follows the wall clock (one scan per 10 ms, catching up after a
// stall of up to a second) or, with a stepped clock, moves only by advance().
//
// It lives on one thread (the session's, in the desktop program): other threads call it through
// QMetaObject::invokeMethod and take its pictures from changed().
class SimPlc final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimPlc)

public:
    explicit SimPlc(int stepCount = 2000, QObject* parent = nullptr);

    // The bytes the controller answers to `byte` (possibly none).
    QByteArray receive(std::uint8_t byte);

    SimController& controller() { return m_controller; }
    const ScanEngine& engine() const { return m_engine; }
    bool running() const { return m_controller.mode() == SimController::Mode::Monitor; }
    QString fault() const { return m_fault; }

    // As the mode commands 161 and 145 do; run() returns whether the program runs.
    bool run();
    void stop();

    void setInput(int number, bool on);
    // False when `number` is no data register or the value does not fit 16 bits.
    bool setData(int number, int value);

    void setSteppedClock(bool stepped);
    bool steppedClock() const { return m_stepped; }
    // Moves a stepped clock on by `ms`, running the scans that fall in that time.
    void advance(qint64 ms);

    // Steps 0 to the first END of the controller's memory, as the scan runs them.
    std::vector<Step> storedProgram() const;
    SimSnapshot snapshot() const;
    // Emits changed() now.
    void publish();

signals:
    // At most every 50 ms while anything changes, and on publish().
    void changed(const ladrix::plc::SimSnapshot& snapshot);
    // A switch to MONITOR mode found a program that cannot run, or a run ended on a fault.
    void runRefused(const QString& why);

private:
    bool loadForRun();
    void modeChanged(std::uint8_t cause);
    void onTick();
    void runUntil(qint64 targetMs, bool catchUp);
    void markChanged();

    SimController m_controller;
    ScanEngine m_engine;
    QTimer m_tick;
    QTimer m_publish;
    QElapsedTimer m_wall;
    qint64 m_wallLagMs = 0; // wall time the scans gave up catching up
    qint64 m_clockMs = 0;   // the stepped clock, since the run started
    bool m_stepped = false;
    QString m_fault;
};

} // namespace ladrix::plc

Q_DECLARE_METATYPE(ladrix::plc::SimSnapshot)
