#include "Display.h"

#include "core/NumberReading.h"

#include <array>

namespace ladrix::plc {
namespace {

struct CodeName {
    int code;
    const char16_t* name;
};

constexpr std::array<CodeName, 16> kCodes = {{
    {0, u"K"},
    {1, u"OR"},
    {2, u"END"},
    {3, u"ANI"},
    {4, u"KP"},
    {5, u"OUT"},
    {6, u"ORI"},
    {7, u"NOP"},
    {10, u"ANB"},
    {12, u"LD"},
    {14, u"RST"},
    {20, u"ORB"},
    {24, u"AND"},
    {28, u"SFT"},
    {40, u"LDI"},
    {56, u"PLS"},
}};

bool inAny(double v, std::initializer_list<std::pair<int, int>> ranges)
{
    for (const auto& [lo, hi] : ranges) {
        if (v >= lo && v <= hi)
            return true;
    }
    return false;
}

// Numbers of the devices that S and R act on (Y, M, S) as the handheld shows them.
bool isSetResetNumber(double v)
{
    return inAny(v, {{200, 377}, {30, 47}, {430, 447}, {530, 547}, {600, 647}});
}

} // namespace

QString dispToIns(int code)
{
    for (const CodeName& c : kCodes) {
        if (c.code == code)
            return QString::fromUtf16(c.name);
    }
    return QString();
}

int insToDisp(const QString& mnemonic)
{
    for (const CodeName& c : kCodes) {
        if (mnemonic == QStringView(c.name))
            return c.code;
    }
    return -1;
}

PlcDisplay decodeReply(const QByteArray& reply)
{
    PlcDisplay d;
    if (reply.size() < kReplySize)
        return d;
    d.ins = dispToIns(static_cast<quint8>(reply.at(1)));
    for (int i = 2; i < kReplySize; ++i)
        d.num += QString::number(static_cast<quint8>(reply.at(i)));
    return d;
}

void fixDisp(PlcDisplay& display)
{
    const double v = readNumber(display.num);
    if (display.ins == u"KP") {
        display.ins = QStringLiteral("K");
        display.num = display.num.left(2) + u'.' + display.num.right(1);
    }
    if (display.ins == u"NOP") {
        display.ins.clear();
        if (v == 0)
            display.ins = QStringLiteral("NOP");
        if (isSetResetNumber(v))
            display.ins = QStringLiteral("S");
        if (v >= 100 && v <= 177)
            display.ins = QStringLiteral("MC");
        if (v >= 700 && v <= 777)
            display.ins = QStringLiteral("CJP");
        if (display.ins.isEmpty())
            display.ins = QStringLiteral("S");
    } else if (display.ins == u"END") {
        if (isSetResetNumber(v))
            display.ins = QStringLiteral("R");
        if (v >= 100 && v <= 177)
            display.ins = QStringLiteral("MCR");
        if (v >= 700 && v <= 777)
            display.ins = QStringLiteral("EJP");
        if (v == 575)
            display.ins = QStringLiteral("RET");
    } else if (display.ins == u"ANB" && v >= 600 && v <= 677) {
        display.ins = QStringLiteral("STL");
    }
}

QString shownNumber(const QByteArray& reply)
{
    if (reply.size() < kReplySize)
        return QString();
    QString places[3];
    bool blank = true;
    for (int i = 0; i < 3; ++i) {
        const int digit = static_cast<quint8>(reply.at(2 + i));
        places[i] = digit == kBlankDigit ? QStringLiteral(" ") : QString::number(digit);
        blank = blank && digit == kBlankDigit;
    }
    if (blank)
        return QString();
    if (dispToIns(static_cast<quint8>(reply.at(1))) == u"KP")
        return places[0] + places[1] + u'.' + places[2];
    return places[0] + places[1] + places[2];
}

} // namespace ladrix::plc
