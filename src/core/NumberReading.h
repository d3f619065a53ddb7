#pragma once

#include <QString>
#include <QStringView>

namespace ladrix {

// The classic numeric reading of a text: blanks anywhere are ignored, reading stops at the
// first character that cannot continue a decimal number, a text without digits gives 0.
double readNumber(QStringView text);

// How many characters at the start of `text` readNumber takes as the number, blanks among them
// included; 0 when it finds no digit.
qsizetype numberLength(QStringView text);

// Rounds half to even into a 16-bit integer; throws RuntimeError(Overflow) naming `source`
// when the value does not fit.
qint16 toInteger16(double value, QStringView source);

// readNumber followed by toInteger16.
qint16 readInteger16(QStringView text);

} // namespace ladrix
