#include "InstructionSet.h"

#include "NumberReading.h"

#include <array>
#include <cmath>

namespace ladrix {

namespace {

struct DeviceRanges {
    char letter;
    std::span<const NumberRange> ranges;
};

constexpr NumberRange kInputs[] = {{0, 27}, {400, 427}, {500, 527}};
constexpr NumberRange kOutputs[] = {{30, 47}, {430, 447}, {530, 547}};
constexpr NumberRange kRelays[] = {{70, 77},   {100, 177}, {200, 277},
                                   {300, 377}, {470, 477}, {570, 577}};
constexpr NumberRange kTimers[] = {{50, 57}, {450, 457}, {550, 557}, {650, 657}};
constexpr NumberRange kCounters[] = {{60, 67}, {460, 467}, {560, 567}, {660, 667}};
constexpr NumberRange kStates[] = {{600, 647}};
constexpr NumberRange kSpecial[] = {{670, 675}};
constexpr NumberRange kData[] = {{700, 777}};

const std::array<DeviceRanges, 8> kDeviceMap = {{
    {'X', kInputs},
    {'Y', kOutputs},
    {'M', kRelays},
    {'T', kTimers},
    {'C', kCounters},
    {'S', kStates},
    {'F', kSpecial},
    {'D', kData},
}};

struct MnemonicDevices {
    const char* mnemonic;
    const char* devices; // nullptr: any letter
};

constexpr MnemonicDevices kMnemonics[] = {
    {"LD", "XYMTCS"}, {"LDI", "XYMTCS"}, {"AND", "XYMTCS"}, {"ANI", "XYMTCS"},
    {"OR", "XYMTCS"}, {"ORI", "XYMTCS"}, {"ANB", nullptr},  {"ORB", nullptr},
    {"OUT", "YMTCFS"}, {"RST", "CM"},    {"PLS", "M"},      {"SFT", "M"},
    {"S", "MYS"},     {"R", "MYS"},      {"MC", "MY"},      {"MCR", "MY"},
    {"CJP", "D"},     {"EJP", "D"},      {"STL", "S"},      {"RET", "M"},
    {"END", nullptr}, {"NOP", nullptr},  {"K", "K"},
};

bool inRanges(std::span<const NumberRange> ranges, int number)
{
    for (const NumberRange& r : ranges) {
        if (number >= r.first && number <= r.last)
            return true;
    }
    return false;
}

} // namespace

const QStringList& mnemonics()
{
    static const QStringList list = [] {
        QStringList names;
        for (const MnemonicDevices& m : kMnemonics)
            names << QString::fromLatin1(m.mnemonic);
        return names;
    }();
    return list;
}

bool isMnemonic(const QString& mnemonic)
{
    return mnemonics().contains(mnemonic.trimmed().toUpper());
}

QString acceptedDevices(const QString& mnemonic)
{
    for (const MnemonicDevices& m : kMnemonics) {
        if (mnemonic == QLatin1String(m.mnemonic))
            return m.devices ? QString::fromLatin1(m.devices) : QString();
    }
    return QString();
}

std::span<const NumberRange> deviceRanges(QChar letter)
{
    for (const DeviceRanges& d : kDeviceMap) {
        if (letter == QLatin1Char(d.letter))
            return d.ranges;
    }
    return {};
}

QChar deviceLetterOf(int number)
{
    for (const DeviceRanges& d : kDeviceMap) {
        if (inRanges(d.ranges, number))
            return QLatin1Char(d.letter);
    }
    return QChar();
}

bool isValidDeviceNumber(QChar letter, int number)
{
    return inRanges(deviceRanges(letter), number) && number % 10 <= 7;
}

QString addDevLetter(const QString& ins, const QString& data)
{
    if (data.isEmpty() || !(data.at(0) >= u'0' && data.at(0) <= u'9'))
        return data;
    if (ins.isEmpty() || ins == u"K")
        return data;
    if (ins == u"ORB" || ins == u"ANB" || ins == u"NOP" || ins == u"END")
        return QString();
    // A number too large for 16 bits lies in no range: it keeps its text rather than failing
    // the whole read of a file or of the controller's program.
    const double number = std::nearbyint(readNumber(data));
    if (number < -32768.0 || number > 32767.0)
        return data;
    const QChar letter = deviceLetterOf(static_cast<int>(number));
    return letter.isNull() ? data : letter + data;
}

} // namespace ladrix
