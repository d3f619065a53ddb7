#pragma once

#include <QString>
#include <QStringView>

namespace ladrix {

// The classic numeric reading of a text: blanks anywhere are ignored, reading stops at the
// first character that cannot continue a decimal number, a text without digits gives 0.
double readNumber(QStringView text);

// Rounds half to even into a 16-bit integer; throws RuntimeError(Overflow) naming `source`
// when the value does not fit.
qint16 toInteger16(double value, QStringView source);

// readNumber followed by toInteger16.
qint16 readInteger16(QStringView text);

} // namespace ladrix
