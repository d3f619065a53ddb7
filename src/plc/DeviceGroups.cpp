#include "DeviceGroups.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <utility>

namespace ladrix::plc {
namespace {

using Run = std::pair<int, int>; // first and last device number, as written (octal digits)

// Device numbers count 0 to 7 in each digit: after 007 comes 010, after 077 comes 100.
QStringList numbersOf(std::initializer_list<Run> runs)
{
    QStringList numbers;
    for (const auto& [first, last] : runs) {
        const int from = QString::number(first).toInt(nullptr, 8);
        const int to = QString::number(last).toInt(nullptr, 8);
        for (int v = from; v <= to; ++v)
            numbers << QStringLiteral("%1").arg(v, 3, 8, QLatin1Char('0'));
    }
    return numbers;
}

} // namespace

const std::vector<DeviceGroup>& deviceGroups()
{
    // Built at the first use, in the interface's language chosen at start-up.
    static const std::vector<DeviceGroup> groups{
        {QStringLiteral("X"), QCoreApplication::translate("DeviceGroups", "输入点(X)"),
         numbersOf({{0, 27}, {400, 427}, {500, 527}})},
        {QStringLiteral("Y"), QCoreApplication::translate("DeviceGroups", "输出点(Y)"),
         numbersOf({{30, 47}, {430, 447}, {530, 547}})},
        {QStringLiteral("M"), QCoreApplication::translate("DeviceGroups", "中间寄存器(M)"),
         numbersOf({{100, 377}})},
        {QStringLiteral("S"), QCoreApplication::translate("DeviceGroups", "状态积存器(S)"),
         numbersOf({{600, 647}})},
        {QStringLiteral("T"), QCoreApplication::translate("DeviceGroups", "定时器(T)"),
         numbersOf({{50, 57}, {450, 457}, {550, 557}, {650, 657}})},
        {QStringLiteral("C"), QCoreApplication::translate("DeviceGroups", "计数器(C)"),
         numbersOf({{60, 67}, {460, 467}, {560, 567}, {660, 667}})},
        {QStringLiteral("D"), QCoreApplication::translate("DeviceGroups", "数据寄存器(D)"),
         numbersOf({{700, 777}})},
        {QStringLiteral("SFM"), QCoreApplication::translate("DeviceGroups", "特殊寄存器(SFM)"),
         numbersOf({{70, 77}, {470, 473}, {570, 575}})},
    };
    return groups;
}

QString deviceNodeText(const QString& name)
{
    static const QRegularExpression re(QStringLiteral("^([A-Z]*)([0-9]{1,3})$"));
    const auto match = re.match(name.trimmed().toUpper());
    if (!match.hasMatch())
        return QString();
    const QString letter = match.captured(1);
    const QString number = match.captured(2).rightJustified(3, u'0');
    for (const DeviceGroup& group : deviceGroups()) {
        if ((letter.isEmpty() || letter == group.key) && group.numbers.contains(number))
            return number;
    }
    return QString();
}

} // namespace ladrix::plc
