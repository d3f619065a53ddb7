#include "SimScript.h"

#include "ScanEngine.h"
#include "SimPlc.h"

#include "core/InstructionSet.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace ladrix::plc {
namespace {

const QRegularExpression kTime(QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)(s|ms)?$"),
                               QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kDevice(QStringLiteral("^([XYMTCSFD])(\\d{1,4})$"),
                                 QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kBlanks(QStringLiteral("\\s+"));

std::optional<bool> parseSwitch(QStringView text)
{
    if (text == u"1" || text.compare(u"on", Qt::CaseInsensitive) == 0)
        return true;
    if (text == u"0" || text.compare(u"off", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<int> parseData(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

// The value a line gives its device; an error text when it gives none.
std::optional<int> eventValue(const Device& device, QStringView text, QString& error)
{
    if (device.letter == u'X') {
        if (const std::optional<bool> on = parseSwitch(text))
            return int(*on);
        error = QStringLiteral("an input is switched 1, 0, on or off, not \"%1\"").arg(text);
    } else if (device.letter == u'D') {
        if (const std::optional<int> value = parseData(text))
            return value;
        error = QStringLiteral("a data register holds -32768 to 32767, not \"%1\"").arg(text);
    } else {
        error = QStringLiteral("%1 is no input X or data register D").arg(device.name());
    }
    return std::nullopt;
}

} // namespace

std::optional<qint64> parseSimTime(QStringView text)
{
    const QRegularExpressionMatch m = kTime.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const double number = m.capturedView(1).toDouble();
    const bool millis = m.capturedView(2).compare(u"ms", Qt::CaseInsensitive) == 0;
    const double ms = std::nearbyint(millis ? number : number * 1000);
    if (!(ms >= 0 && ms <= double(kLongestScriptMs)))
        return std::nullopt;
    return qint64(ms);
}

std::optional<Device> parseSimDevice(QStringView text)
{
    const QRegularExpressionMatch m = kDevice.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const Device device{m.capturedView(1).at(0).toUpper(), m.capturedView(2).toInt()};
    if (!isValidDeviceNumber(device.letter, device.number))
        return std::nullopt;
    return device;
}

QString simTimeText(qint64 ms)
{
    return QStringLiteral("%1.%2").arg(ms / 1000).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

std::optional<std::vector<SimEvent>> parseInputScript(const QString& text, QString* error)
{
    std::vector<SimEvent> events;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(kBlanks);
        QString why;
        std::optional<qint64> at;
        std::optional<Device> device;
        std::optional<int> value;
        if (fields.size() != 3)
            why = QStringLiteral("expected TIME DEVICE VALUE");
        else if (!(at = parseSimTime(fields[0])))
            why = QStringLiteral("\"%1\" is no time (1.5, 1.5s, 500ms)").arg(fields[0]);
        else if (!(device = parseSimDevice(fields[1])))
            why = QStringLiteral("\"%1\" is no device").arg(fields[1]);
        else
            value = eventValue(*device, fields[2], why);
        if (!value) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return std::nullopt;
        }
        events.push_back({*at, *device, *value});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const SimEvent& a, const SimEvent& b) { return a.atMs < b.atMs; });
    return events;
}

bool runWithInputs(ScanEngine& engine, const std::vector<SimEvent>& events, qint64 untilMs,
                   const std::function<void(const SimChange&)>& onChange)
{
    const std::span<const int> outputs = ScanEngine::outputNumbers();
    std::vector<std::uint8_t> before(outputs.size(), 0);
    std::size_t next = 0;
    auto apply = [&](qint64 now) {
        for (; next < events.size() && events[next].atMs <= now; ++next) {
            const SimEvent& e = events[next];
            if (e.device.letter == u'X')
                engine.setInput(e.device.number, e.value != 0);
            else
                engine.setData(e.device.number, e.value);
        }
    };
    apply(0);
    engine.start();
    while (engine.timeMs() <= untilMs) {
        const qint64 now = engine.timeMs();
        apply(now);
        if (!engine.scan())
            return false;
        for (std::size_t k = 0; k < outputs.size(); ++k) {
            const bool on = engine.isOn(outputs[k]);
            if (on != bool(before[k]) && onChange)
                onChange({now, outputs[k], on});
            before[k] = on;
        }
    }
    return true;
}

QString SimConsole::handle(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return {};
    const QStringList fields = trimmed.split(kBlanks);
    const QString& word = fields[0];
    const QString ok = QStringLiteral("ok");
    if (fields.size() == 1 && word == u"run") {
        return m_plc.run() ? ok : QStringLiteral("error: ") + m_plc.fault();
    }
    if (fields.size() == 1 && word == u"stop") {
        m_plc.stop();
        return ok;
    }
    if (fields.size() == 1 && word == u"mode") {
        if (m_plc.running())
            return QStringLiteral("run");
        return m_plc.fault().isEmpty() ? QStringLiteral("stop")
                                       : QStringLiteral("stop ") + m_plc.fault();
    }
    if (fields.size() == 1 && word == u"time") {
        return simTimeText(m_plc.engine().timeMs()) + u' ' +
               QString::number(m_plc.engine().scanCount());
    }
    if (fields.size() == 2 && word == u"step") {
        const std::optional<qint64> ms = parseSimTime(fields[1]);
        if (!ms)
            return QStringLiteral("error: \"%1\" is no time (1.5, 1.5s, 500ms)").arg(fields[1]);
        if (!m_plc.steppedClock())
            return QStringLiteral("error: the clock follows the wall clock (start with --stepped)");
        m_plc.advance(*ms);
        return m_plc.running() || m_plc.fault().isEmpty()
                   ? ok
                   : QStringLiteral("error: ") + m_plc.fault();
    }
    if (fields.size() == 2 && word == u"?")
        return query(fields[1]);
    if (fields.size() == 2) {
        const std::optional<Device> device = parseSimDevice(word);
        if (!device)
            return QStringLiteral("error: unknown command \"%1\"").arg(word);
        QString why;
        const std::optional<int> value = eventValue(*device, fields[1], why);
        if (!value)
            return QStringLiteral("error: ") + why;
        if (device->letter == u'X')
            m_plc.setInput(device->number, *value != 0);
        else
            m_plc.setData(device->number, *value);
        return ok;
    }
    return QStringLiteral("error: unknown command \"%1\"").arg(trimmed);
}

QString SimConsole::query(QStringView name)
{
    const std::optional<Device> device = parseSimDevice(name);
    if (!device)
        return QStringLiteral("error: \"%1\" is no device").arg(name);
    const ScanEngine& engine = m_plc.engine();
    const int n = device->number;
    const QString head = device->name() + u' ';
    if (device->letter == u'D')
        return head + QString::number(engine.value(n));
    const bool on = device->letter == u'X' ? engine.input(n) : engine.isOn(n);
    QString answer = head + (on ? u'1' : u'0');
    if (device->letter == u'T' || device->letter == u'C')
        answer += u' ' + QString::number(engine.value(n));
    return answer;
}

} // namespace ladrix::plc
