#pragma once

#include <QCoreApplication>
#include <QString>

// The captions and messages of the handheld programmer panel (frmPA). The key captions are the
// keypad's own (plc/KeyCodes.h); the port messages are the online window's, which opens the
// same port. The texts are looked up at each use, so that they follow the interface's language.
namespace ladrix::plc::paneltexts {

inline QString kTitle()
{
    return QCoreApplication::translate("PanelTexts", "手持编程器");
}

// The legends printed on the handheld, as its keys' are: the same in every language.
inline const QString kProgram = QStringLiteral("PROGRAM");
inline const QString kMonitor = QStringLiteral("MONITOR");
inline const QString kInstr = QStringLiteral("INSTR");
inline const QString kData = QStringLiteral("DATA");

// Beyond the classic panel: the keyboard keys of a button, and the wait for another window.
inline QString kKeyboardTip(const QString& keys)
{
    return QCoreApplication::translate("PanelTexts", "键盘：%1").arg(keys);
}
inline QString kKeySeparator()
{
    return QCoreApplication::translate("PanelTexts", "、");
}
inline QString kWaiting()
{
    return QCoreApplication::translate("PanelTexts", "另一窗口正在与PLC通讯，请稍候...");
}

} // namespace ladrix::plc::paneltexts
