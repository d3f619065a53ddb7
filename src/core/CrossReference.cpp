#include "CrossReference.h"

#include "InstructionSet.h"
#include "NumberReading.h"
#include "ProgramCheck.h"
#include "TextHelpers.h"

#include <QMap>
#include <cmath>

namespace ladrix {

namespace {

constexpr QStringView kLetters = u"XYMTCSFD";

// "30", "030": the usual operand, read without the general reading.
bool plainNumber(QStringView digits, int& number)
{
    if (digits.isEmpty() || digits.size() > 4)
        return false;
    number = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    return true;
}

// Reads the operand's number as the editor's check does: the number must fill the rest of it.
std::optional<int> operandNumber(QStringView digits)
{
    int number = 0;
    if (plainNumber(digits, number))
        return number;
    // A letter alone reads as number 0, as it does for the check.
    if (!digits.mid(numberLength(digits)).trimmed().isEmpty())
        return std::nullopt;
    const double value = std::nearbyint(readNumber(digits));
    if (!(value >= 0 && value <= 32767))
        return std::nullopt;
    return int(value);
}

} // namespace

QString Device::name() const
{
    return letter + QString::number(number);
}

int Device::order() const
{
    return int(kLetters.indexOf(letter)) * 100000 + number;
}

DeviceAccess accessOf(const QString& mnemonic)
{
    static const QStringList reads{"LD", "LDI", "AND", "ANI", "OR", "ORI", "STL"};
    static const QStringList drives{"OUT", "S", "R", "PLS", "RST", "SFT", "MC"};
    static const QStringList others{"MCR", "CJP", "EJP", "RET"};
    if (reads.contains(mnemonic))
        return DeviceAccess::Read;
    if (drives.contains(mnemonic))
        return DeviceAccess::Drive;
    if (others.contains(mnemonic))
        return DeviceAccess::Other;
    return DeviceAccess::None;
}

std::optional<Device> deviceOf(const Step& step)
{
    const QString ins = step.ins.trimmed().toUpper();
    const QString data = step.data.trimmed();
    if (data.isEmpty() || accessOf(ins) == DeviceAccess::None)
        return std::nullopt;
    const QChar letter = data.at(0).toUpper();
    if (!acceptedDevices(ins).contains(letter))
        return std::nullopt;
    const std::optional<int> number = operandNumber(QStringView(data).mid(1));
    if (!number || !isValidDeviceNumber(letter, *number))
        return std::nullopt;
    return Device{letter, *number};
}

QList<DeviceUse> crossReference(const ProgramStore& store)
{
    QMap<int, DeviceUse> uses;
    const int last = programLastStep(store);
    for (int i = 0; i <= last; ++i) {
        const Step& step = store.step(i);
        const std::optional<Device> device = deviceOf(step);
        if (!device)
            continue;
        DeviceUse& use = uses[device->order()];
        use.device = *device;
        switch (accessOf(step.ins.trimmed().toUpper())) {
        case DeviceAccess::Read:
            use.reads.append(i);
            break;
        case DeviceAccess::Drive:
            use.drives.append(i);
            break;
        case DeviceAccess::Other:
            use.others.append(i);
            break;
        case DeviceAccess::None:
            break;
        }
    }
    return uses.values();
}

QString stepList(const QList<int>& steps)
{
    if (steps.isEmpty())
        return QStringLiteral("-");
    QStringList numbers;
    numbers.reserve(steps.size());
    for (int s : steps)
        numbers.append(padZeroCopy(QString::number(s), 4));
    return numbers.join(u' ');
}

} // namespace ladrix
