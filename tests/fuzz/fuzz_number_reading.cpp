#include "FuzzSupport.h"
#include "Harnesses.h"

#include "core/NumberReading.h"
#include "core/RuntimeError.h"

#include <cmath>

namespace ladrix::fuzz {

namespace {

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

// The classic number reading: blanks anywhere do not count, the reading stops where the number
// ends, and the 16-bit conversion gives the rounded value or the overflow fault, nothing else.
int numberReading(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    const double value = readNumber(text);
    const qsizetype length = numberLength(text);
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(length >= 0 && length <= text.size());
    FUZZ_CHECK(length > 0 || value == 0.0);
    FUZZ_CHECK(same(readNumber(QStringView(text).left(length)), value));
    FUZZ_CHECK(numberLength(QStringView(text).left(length)) == length);

    QString compact = text;
    compact.remove(u' ').remove(u'\t').remove(u'\r').remove(u'\n');
    FUZZ_CHECK(same(readNumber(compact), value));
    FUZZ_CHECK(numberLength(compact) <= length);

    try {
        const qint16 integer = readInteger16(text);
        FUZZ_CHECK(double(integer) == std::nearbyint(value));
    } catch (const RuntimeError& e) {
        FUZZ_CHECK(e.number() == RuntimeError::Overflow);
        const double rounded = std::nearbyint(value);
        FUZZ_CHECK(!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0);
    }
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::numberReading)
