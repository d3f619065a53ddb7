#pragma once

#include "Link.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ladrix::plc {

// Which port the program talks through. A port setting is one of:
//   "sim"        the simulated controller inside the program;
//   a number n   port n: COMn on Windows; elsewhere the n-th serial port in portNames() order;
//   a path       a device such as /dev/ttyUSB0 or /dev/pts/3.
inline constexpr auto kSimPort = "sim";

// Serial devices of this machine in a stable order: USB adapters (ttyUSB, then ttyACM) first,
// then built-in ports (ttyS), then any others, each group by its number.
QStringList portNames();
// The same order applied to any list of device paths.
QStringList orderedPortNames(const QStringList& paths);

// The device a port number stands for; empty when there is no such port.
QString portNameForNumber(int number);

// The device (or "sim") a port setting names; empty with `error` set when it names none.
QString resolvePort(const QString& setting, QString* error = nullptr);

class SimPlc;

// A closed link for a port setting; null with `error` set when the setting names no port. The
// setting "sim" reaches `simulator`, which outlives the link.
std::unique_ptr<Link> makeLink(const QString& setting, SimPlc& simulator, QString* error = nullptr);

// True when the port with this number exists and can be opened now (it is closed again).
bool probePort(int number);

// The stored choice ("CommPort" in section "Settings" of application "LADRX20"); the default
// is port 1, or the simulated controller on a machine without any serial port.
QString readPortSetting();
void savePortSetting(const QString& value);
QString defaultPortSetting();

} // namespace ladrix::plc
