#include "PortChoice.h"

#include "SerialLink.h"
#include "SimLink.h"

#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSettings>
#include <algorithm>
#include <tuple>

namespace ladrix::plc {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("CommPort");

std::unique_ptr<QSettings> userSettings()
{
    // The per-user store the program has always used: application LADRX20 under the
    // classic program-settings root.
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("VB and VBA Program Settings"),
                                                QStringLiteral("LADRX20"));
    settings->beginGroup(kSection);
    return settings;
}

struct PortOrder {
    int group;
    int number;
    QString name;
};

PortOrder orderOf(const QString& path)
{
    static const QRegularExpression re(QStringLiteral("^(?:.*/)?(tty[A-Za-z]+|COM)(\\d+)$"));
    const auto m = re.match(path);
    if (!m.hasMatch())
        return {4, 0, path};
    const QString kind = m.captured(1);
    const int group = kind == u"ttyUSB" ? 0 : kind == u"ttyACM" ? 1 : kind == u"ttyS" ? 2 : 3;
    return {group, m.captured(2).toInt(), path};
}

bool isNumber(const QString& s)
{
    bool ok = false;
    s.toInt(&ok);
    return ok && !s.isEmpty();
}

} // namespace

QStringList portNames()
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << info.systemLocation();
    return orderedPortNames(paths);
}

QStringList orderedPortNames(const QStringList& paths)
{
    std::vector<PortOrder> ports;
    for (const QString& path : paths)
        ports.push_back(orderOf(path));
    std::sort(ports.begin(), ports.end(), [](const PortOrder& a, const PortOrder& b) {
        return std::tie(a.group, a.number, a.name) < std::tie(b.group, b.number, b.name);
    });
    QStringList names;
    for (const PortOrder& p : ports)
        names << p.name;
    return names;
}

QString portNameForNumber(int number)
{
#ifdef Q_OS_WIN
    return number > 0 ? QStringLiteral("COM%1").arg(number) : QString();
#else
    const QStringList names = portNames();
    return number >= 1 && number <= names.size() ? names.at(number - 1) : QString();
#endif
}

QString resolvePort(const QString& setting, QString* error)
{
    const QString s = setting.trimmed();
    QString device;
    if (s.compare(QLatin1String(kSimPort), Qt::CaseInsensitive) == 0)
        device = QLatin1String(kSimPort);
    else if (isNumber(s))
        device = portNameForNumber(s.toInt());
    else if (s.contains(u'/') || s.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        device = s;
    if (device.isEmpty() && error)
        *error = s.isEmpty() ? QStringLiteral("no serial port chosen")
                             : QStringLiteral("no serial port %1").arg(s);
    return device;
}

std::unique_ptr<Link> makeLink(const QString& setting, SimPlc& simulator, QString* error)
{
    const QString device = resolvePort(setting, error);
    if (device.isEmpty())
        return nullptr;
    if (device == QLatin1String(kSimPort))
        return std::make_unique<SimLink>(simulator);
    return std::make_unique<SerialLink>(device);
}

bool probePort(int number)
{
    const QString name = portNameForNumber(number);
    if (name.isEmpty())
        return false;
    QSerialPort port(name);
    const bool opened = port.open(QIODevice::ReadWrite);
    if (port.isOpen())
        port.close();
    return opened;
}

QString defaultPortSetting()
{
    return portNames().isEmpty() ? QString::fromLatin1(kSimPort) : QStringLiteral("1");
}

QString readPortSetting()
{
    const auto settings = userSettings();
    // The key has been written as "CommPort" and as "Commport"; both name the same value.
    for (const QString& key : settings->childKeys()) {
        if (key.compare(kKey, Qt::CaseInsensitive) == 0)
            return settings->value(key).toString();
    }
    return defaultPortSetting();
}

void savePortSetting(const QString& value)
{
    const auto settings = userSettings();
    for (const QString& key : settings->childKeys()) {
        if (key.compare(kKey, Qt::CaseInsensitive) == 0 && key != kKey)
            settings->remove(key);
    }
    settings->setValue(kKey, value);
}

} // namespace ladrix::plc
