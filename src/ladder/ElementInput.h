#pragma once

#include <QString>
#include <array>
#include <optional>

namespace ladrix {

// What the ladder editor asks the element dialog for: `inputMode` names the fields (device
// only, device and function mnemonic, device and K constant) and `inputType` the element code
// whose picture the dialog shows.
struct ElementRequest {
    enum Mode { DeviceOnly = 1, DeviceAndFunction = 2, DeviceAndConstant = 3 };
    int inputMode = DeviceOnly;
    int inputType = 0;
};

// What an accepted dialog hands back (an `InputOK` of the editor's asking): `inputText` holds
// (0) the device, (1) the function mnemonic, (2) the K constant, as the dialog formatted them.
struct ElementInput {
    std::array<QString, 3> inputText;
};

// The element dialog's check of its fields on OK: the texts to hand back, or the message that
// keeps the dialog open.
struct ElementCheck {
    std::optional<ElementInput> input;
    QString message;
};

ElementCheck checkElementInput(int inputMode, const QString& function, const QString& device,
                               const QString& constant);

// The editor's form of a handed-back text: upper case, without surrounding blanks.
QString elementText(const ElementInput& input, int i);

} // namespace ladrix
