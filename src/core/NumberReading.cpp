#include "NumberReading.h"

#include "RuntimeError.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace ladrix {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The characters of a number, blanks left out, and how far into the text they reach.
struct NumberScan {
    std::string number;
    qsizetype length = 0;
};

NumberScan scanNumber(QStringView text)
{
    NumberScan scan;
    std::string& number = scan.number;
    bool seenDigit = false;
    bool seenPoint = false;
    bool inExponent = false;
    bool exponentHasDigit = false;
    std::size_t mantissaEnd = 0;
    qsizetype mantissaLength = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isBlank(c))
            continue;
        if (number.empty() && (c == u'+' || c == u'-')) {
            number += char(c.unicode());
        } else if (isDigit(c)) {
            number += char(c.unicode());
            if (inExponent)
                exponentHasDigit = true;
            else
                seenDigit = true;
        } else if (c == u'.' && !seenPoint && !inExponent) {
            number += '.';
            seenPoint = true;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && !inExponent && seenDigit) {
            mantissaEnd = number.size();
            mantissaLength = scan.length;
            number += 'e';
            inExponent = true;
        } else if (inExponent && (c == u'+' || c == u'-') && number.back() == 'e') {
            number += char(c.unicode());
        } else {
            break;
        }
        scan.length = i + 1;
    }
    if (!seenDigit)
        return {};
    // An exponent letter without digits ("7e", "1end") is not part of the number.
    if (inExponent && !exponentHasDigit) {
        number.resize(mantissaEnd);
        scan.length = mantissaLength;
    }
    return scan;
}

} // namespace

double readNumber(QStringView text)
{
    const NumberScan scan = scanNumber(text);
    if (scan.number.empty())
        return 0.0;
    // The C locale, not the user's: the application sets LC_NUMERIC from the environment, and
    // strtod would then stop at the point under a locale that writes 12,3. A value beyond the
    // double range reads as the largest double, which the 16-bit conversion rejects.
    std::istringstream in(scan.number);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    return value;
}

qsizetype numberLength(QStringView text)
{
    return scanNumber(text).length;
}

qint16 toInteger16(double value, QStringView source)
{
    const double rounded = std::nearbyint(value); // default rounding mode: half to even
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError(
            RuntimeError::Overflow,
            QCoreApplication::translate("NumberReading", "溢出: %1").arg(source.toString()));
    return static_cast<qint16>(rounded);
}

qint16 readInteger16(QStringView text)
{
    return toInteger16(readNumber(text), text);
}

} // namespace ladrix
