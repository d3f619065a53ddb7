#pragma once

#include "core/CrossReference.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

namespace ladrix::plc {

class ScanEngine;
class SimPlc;

// A time as scripts write it: seconds ("1.5", "1.5s") or milliseconds ("500ms"), from 0 to
// kLongestScriptMs; in milliseconds.
std::optional<qint64> parseSimTime(QStringView text);
inline constexpr qint64 kLongestScriptMs = 36000000; // ten hours

// A device as scripts name it ("X0", "y030", "D700"): a letter and a valid number of it.
std::optional<Device> parseSimDevice(QStringView text);

// "1.230": a time in seconds with milliseconds.
QString simTimeText(qint64 ms);

// One change an input script makes: an input X switched on or off, or a data register's value.
struct SimEvent {
    qint64 atMs = 0;
    Device device;
    int value = 0;
};

// Reads an input script: one change a line, "TIME DEVICE VALUE" ("0.5 X0 1", "2s X1 off",
// "1500ms D700 -12"); blank lines and lines starting with # are skipped. Changes come out in
// time order (lines of one time in file order). Nothing with `error` ("line 3: ...") when a
// line is none of these.
std::optional<std::vector<SimEvent>> parseInputScript(const QString& text, QString* error);

// An output that changed in the scan that started at `atMs`.
struct SimChange {
    qint64 atMs = 0;
    int number = 0;
    bool on = false;
};

// Starts a run of the engine's program and scans at 0, 10, ... up to `untilMs` included; each
// change is applied before the first scan at or after its time. `onChange` gets every change of
// an output Y in scan order. False when a scan stopped on a fault (the engine says which).
bool runWithInputs(ScanEngine& engine, const std::vector<SimEvent>& events, qint64 untilMs,
                   const std::function<void(const SimChange&)>& onChange);

// The control lines of a served simulated controller; each line gets one answer line.
//   X0 1 | X0 0 | X0 on | X0 off   switches an input            -> ok
//   D700 -12                        sets a data register         -> ok
//   ? DEVICE                        "Y30 1", "T50 1 12" (state, value as the monitor shows it),
//                                   "D700 -12"
//   step TIME                       moves a stepped clock on     -> ok
//   run | stop                      as the mode commands         -> ok, or error: why
//   mode                            run, or stop and the reason it does not run, if any
//   time                            simulated seconds and scans: "1.230 123"
// Anything else answers "error: " and what is wrong.
class SimConsole {
public:
    explicit SimConsole(SimPlc& plc) : m_plc(plc) {}
    // The answer to one line; empty for a blank line or a comment (#).
    QString handle(const QString& line);

private:
    QString query(QStringView name);

    SimPlc& m_plc;
};

} // namespace ladrix::plc
