#include "StepCoding.h"

#include "KeyCodes.h"

#include "core/InstructionSet.h"
#include "core/TextHelpers.h"

namespace ladrix::plc {
namespace {

struct OpCode {
    const char16_t* mnemonic;
    std::uint8_t code;
};

constexpr OpCode kWriteCodes[] = {
    {u"NOP", 0x0}, {u"MC", 0x0},  {u"S", 0x0},   {u"CJP", 0x0}, {u"", 0x0},    {u"RST", 0x1},
    {u"SFT", 0x2}, {u"PLS", 0x3}, {u"OUT", 0x4}, {u"ANB", 0x5}, {u"STL", 0x5}, {u"ORB", 0x6},
    {u"LDI", 0x7}, {u"ANI", 0x8}, {u"ORI", 0x9}, {u"LD", 0xA},  {u"AND", 0xB}, {u"OR", 0xC},
    {u"END", 0xD}, {u"MCR", 0xD}, {u"R", 0xD},   {u"EJP", 0xD}, {u"RET", 0xD},
};

constexpr const char16_t* kReadNames[16] = {u"NOP", u"RST", u"SFT", u"PLS", u"OUT", u"ANB",
                                            u"ORB", u"LDI", u"ANI", u"ORI", u"LD",  u"AND",
                                            u"OR",  u"END", u"KP",  u"K"};

constexpr OpCode kInsKeys[] = {
    {u"LD", key::Ld},        {u"LDI", key::Ldi7},     {u"AND", key::And},
    {u"ANI", key::Ani8},     {u"OR", key::Or},        {u"ORI", key::Ori9},
    {u"ANB", key::Anb5},     {u"STL", key::Anb5},     {u"ORB", key::Orb6},
    {u"OUT", key::Out4},     {u"PLS", key::Pls3},     {u"RST", key::Rst1},
    {u"SFT", key::Sft2},     {u"K", key::KSearch},    {u"END", key::EndPoint},
    {u"R", key::EndPoint},   {u"MCR", key::EndPoint}, {u"EJP", key::EndPoint},
    {u"RET", key::EndPoint},
};

// Operation code of a trimmed mnemonic other than K; unknown mnemonics write as NOP.
std::uint8_t opCodeOf(const QString& m)
{
    for (const OpCode& c : kWriteCodes) {
        if (m == QStringView(c.mnemonic))
            return c.code;
    }
    return 0x0;
}

// The value of the character at `i` as a digit; missing or non-digit characters count 0.
int digitAt(const QString& t, int i)
{
    if (i >= t.size())
        return 0;
    const QChar c = t.at(i);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

// The number of a step as keyed and encoded: its handheld number, zero-filled to three places.
QString stepNumber(const Step& step)
{
    QString ins = step.ins;
    QString data = step.data;
    QString num = devToNum(ins, data).trimmed();
    return padZero(num, 3);
}

QChar hexDigit(int nibble)
{
    return QChar(u"0123456789ABCDEF"[nibble & 0xF]);
}

// A nibble taken as a value: 10 to 15 count as 0.
int nibbleValue(int nibble)
{
    return nibble <= 9 ? nibble : 0;
}

} // namespace

QString devToNum(QString& ins, QString& data)
{
    ins = ins.trimmed();
    if (ins.isEmpty() || ins == u"K" || ins == u"ANB" || ins == u"ORB" || ins == u"NOP" ||
        ins == u"END")
        return data;
    if (data.trimmed().isEmpty())
        data = QStringLiteral("000");
    return data.mid(1);
}

std::uint8_t getInsKey(const Step& step)
{
    const QString m = step.ins.trimmed();
    for (const OpCode& c : kInsKeys) {
        if (m == QStringView(c.mnemonic))
            return c.code;
    }
    return key::Nop0;
}

std::uint8_t getInsKey(const ProgramStore& store, int k)
{
    return getInsKey(store.step(k));
}

QString keyedNumber(const Step& step)
{
    if (step.data.trimmed().isEmpty())
        return QStringLiteral("000");
    return stepNumber(step);
}

void getDataKeys(const Step& step, DataKeys& keys)
{
    const QString num = keyedNumber(step);
    for (int i = 0; i < num.size() && i < 4; ++i) {
        const QChar c = num.at(i);
        if (c >= u'0' && c <= u'9')
            keys[i] = keyOfDigitChar(c);
        else if (c == u'.')
            keys[i] = key::EndPoint;
    }
}

void getDataKeys(const ProgramStore& store, int k, DataKeys& keys)
{
    getDataKeys(store.step(k), keys);
}

std::vector<std::uint8_t> stepKeys(const Step& step, DataKeys& dataKeys)
{
    getDataKeys(step, dataKeys);
    std::vector<std::uint8_t> keys = {getInsKey(step), dataKeys[0], dataKeys[1], dataKeys[2]};
    if (dataKeys[2] == key::EndPoint)
        keys.push_back(dataKeys[3]);
    return keys;
}

bool stepAccepted(const Step& step, const PlcDisplay& display)
{
    if (step.data.trimmed().isEmpty())
        return true;
    return stepNumber(step) == display.num.trimmed();
}

Step stepFromDisplay(const PlcDisplay& display)
{
    return Step{display.ins, addDevLetter(display.ins, display.num), QString()};
}

QByteArray encodeStep(const Step& step)
{
    const QString m = step.ins.trimmed();
    QByteArray word(2, '\0');
    if (m == u"K") {
        QString t = step.data.trimmed();
        padZero(t, 3);
        const bool point = t.size() > 2 && t.at(2) == u'.';
        const int d1 = digitAt(t, 0);
        const int d2 = digitAt(t, 1);
        const int d3 = digitAt(t, point ? 3 : 2);
        word[0] = static_cast<char>(16 * d2 + d3);
        word[1] = static_cast<char>(16 * d1 + (point ? 0xE : 0xF));
        return word;
    }
    const QString t = stepNumber(step);
    word[0] = static_cast<char>(16 * (digitAt(t, 0) + 2) + digitAt(t, 1));
    word[1] = static_cast<char>(16 * digitAt(t, 2) + opCodeOf(m));
    return word;
}

bool wordKeepsStep(const Step& step)
{
    const QString ins = step.ins.trimmed();
    if (ins != u"K" &&
        (ins.isEmpty() || ins == u"ANB" || ins == u"ORB" || ins == u"NOP" || ins == u"END"))
        return true;
    // The word drops the operand's first character as its device letter: an operand that
    // starts with its number (999 kept from a ZK1 file) would arrive without its first digit.
    const QString data = step.data.trimmed();
    if (ins != u"K" && !data.isEmpty() && !data.at(0).isLetter())
        return false;
    const QByteArray word = encodeStep(step);
    return stepAccepted(step, decodeWord(static_cast<std::uint8_t>(word.at(0)),
                                         static_cast<std::uint8_t>(word.at(1))));
}

QByteArray enCodeA(const ProgramStore& store)
{
    QByteArray words;
    const int last = store.getEndStep();
    words.reserve(2 * (last + 1));
    for (int k = 0; k <= last; ++k)
        words += encodeStep(store.step(k));
    return words;
}

PlcDisplay decodeWord(std::uint8_t b0, std::uint8_t b1)
{
    const int code = b1 & 0xF;
    PlcDisplay d;
    d.ins = QString::fromUtf16(kReadNames[code]);
    if (code == 0xF || code == 0xE) {
        d.num = QString(hexDigit(b1 >> 4)) + QString::number(nibbleValue(b0 >> 4));
        if (code == 0xE)
            d.num += u'.';
        d.num += hexDigit(b0 & 0xF);
    } else {
        d.num = QString::number(nibbleValue(b0 >> 4) - 2) + hexDigit(b0 & 0xF) + hexDigit(b1 >> 4);
    }
    fixDisp(d);
    return d;
}

DecodeResult deCodeA(const QByteArray& words, ProgramStore& store)
{
    DecodeResult result;
    const int pairs = static_cast<int>(words.size() / 2);
    result.oddByte = words.size() % 2 != 0;
    for (int k = 0; k < pairs; ++k) {
        if (!ProgramStore::inRange(k)) {
            result.wordsDropped = pairs - k;
            break;
        }
        const PlcDisplay d = decodeWord(static_cast<std::uint8_t>(words.at(2 * k)),
                                        static_cast<std::uint8_t>(words.at(2 * k + 1)));
        Step& step = store.step(k);
        step.ins = d.ins == u"NOP" ? QString() : d.ins;
        step.data = addDevLetter(d.ins, d.num);
        ++result.stored;
    }
    return result;
}

} // namespace ladrix::plc
