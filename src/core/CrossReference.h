#pragma once

#include "ProgramStore.h"

#include <QList>
#include <QString>
#include <optional>

namespace ladrix {

// A device of the address map. Operands name it with the number as typed, so Y030 and Y30
// are one device.
struct Device {
    QChar letter;
    int number = 0;

    bool operator==(const Device&) const = default;
    // "Y30": the letter and the number without leading zeros.
    QString name() const;
    // Sorts as the device monitor lists them: X, Y, M, T, C, S, F, D, each by number.
    int order() const;
};

// How a step uses its operand.
enum class DeviceAccess {
    None,  // no device: ANB, ORB, END, NOP, the constant of K, an unknown mnemonic
    Read,  // contacts: LD, LDI, AND, ANI, OR, ORI, and the step contact STL
    Drive, // OUT, S, R, PLS, RST, SFT and MC
    Other, // the operand names a mark or label: MCR, CJP, EJP, RET
};

DeviceAccess accessOf(const QString& mnemonic);

// The device a step's operand names, when the step's mnemonic accepts it (as the editor's
// check would); nothing for steps without a device operand.
std::optional<Device> deviceOf(const Step& step);

// One line of the cross-reference: a device with the steps that use it, in step order.
struct DeviceUse {
    Device device;
    QList<int> reads;
    QList<int> drives;
    QList<int> others;

    bool operator==(const DeviceUse&) const = default;
};

// Every device that steps 0 to programLastStep() use, in device order.
QList<DeviceUse> crossReference(const ProgramStore& store);

// Step numbers filled to four digits and separated by blanks; "-" for none.
QString stepList(const QList<int>& steps);

} // namespace ladrix
