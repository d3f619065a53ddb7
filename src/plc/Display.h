#pragma once

#include <QByteArray>
#include <QString>

namespace ladrix::plc {

// The handheld's display after a key: the instruction field as a mnemonic (or empty) and the
// number field as text ("027", "12.3", or "151515" when all three digits are blank).
struct PlcDisplay {
    QString ins;
    QString num;

    bool operator==(const PlcDisplay&) const = default;
};

inline constexpr int kReplySize = 5;
inline constexpr int kBlankDigit = 15;
// Display code that lights the device lamp in monitor mode (it is also the OUT code).
inline constexpr int kDeviceOnCode = 5;

// Mnemonic of a display code; codes outside the table give an empty field.
QString dispToIns(int code);

// Display code that shows `mnemonic` ("KP" for a constant with a point); -1 when none does.
int insToDisp(const QString& mnemonic);

// Decodes a five-byte display reply (byte 0 unused, byte 1 display code, bytes 2-4 digits)
// without refining it; each digit is written as its decimal value, so a blank digit reads "15".
PlcDisplay decodeReply(const QByteArray& reply);

// Tells apart the members of the shared display codes by the number field: the point constant,
// S/MC/CJP under NOP, R/MCR/EJP/RET under END, STL under ANB.
void fixDisp(PlcDisplay& display);

// The number field of a display reply as the handheld shows it: a digit per place and a blank
// for a blank place ("  0" while a number is keyed in), the point of a point constant before
// the last place, and nothing when every place is blank. Empty for a reply that is not
// complete.
QString shownNumber(const QByteArray& reply);

} // namespace ladrix::plc
