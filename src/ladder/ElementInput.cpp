#include "ElementInput.h"

#include "core/InstructionSet.h"
#include "core/TextHelpers.h"

#include <QCoreApplication>

namespace ladrix {

namespace {

const char* const kNeedDevice = QT_TRANSLATE_NOOP("ElementInput", "必须要输入器件号");
const char* const kNeedDeviceAndFunction =
    QT_TRANSLATE_NOOP("ElementInput", "必须要输入器件号和功能指令名称");
const char* const kNeedDeviceAndConstant =
    QT_TRANSLATE_NOOP("ElementInput", "必须要输入器件号和K常数");

ElementCheck accepted(const QString& device, const QString& function, const QString& constant)
{
    return {ElementInput{{device, function, constant}}, {}};
}

ElementCheck refused(const char* message)
{
    return {std::nullopt, QCoreApplication::translate("ElementInput", message)};
}

} // namespace

ElementCheck checkElementInput(int inputMode, const QString& function, const QString& device,
                               const QString& constant)
{
    const QString fnc = function.trimmed();
    const QString dev = device.trimmed();
    switch (inputMode) {
    case ElementRequest::DeviceAndFunction: {
        // END and NOP take no operand; any other mnemonic needs its device.
        const QString upper = fnc.toUpper();
        if (upper == u"END" || upper == u"NOP")
            return accepted(QString(), fnc, QString());
        if (fnc.isEmpty() || dev.isEmpty())
            return refused(kNeedDeviceAndFunction);
        return accepted(addDevLetter(fnc, dev), fnc, QString());
    }
    case ElementRequest::DeviceAndConstant: {
        if (dev.isEmpty() || constant.trimmed().isEmpty())
            return refused(kNeedDeviceAndConstant);
        // A short constant is filled to three places: K 5 becomes K 005.
        return accepted(addDevLetter(QStringLiteral("OUT"), dev), QString(),
                        padZeroCopy(constant, 3).trimmed());
    }
    default:
        if (dev.isEmpty())
            return refused(kNeedDevice);
        return accepted(addDevLetter(QStringLiteral("LD"), dev), QString(), QString());
    }
}

QString elementText(const ElementInput& input, int i)
{
    return input.inputText.at(i).toUpper().trimmed();
}

} // namespace ladrix
