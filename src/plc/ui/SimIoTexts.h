#pragma once

#include <QCoreApplication>
#include <QString>

// The captions of the simulated controller's I/O window (模拟PLC). They are looked up at each
// use, so that they follow the interface's language.
namespace ladrix::plc::simiotexts {

inline QString kTitle()
{
    return QCoreApplication::translate("SimIoTexts", "模拟PLC");
}
inline QString kMode()
{
    return QCoreApplication::translate("SimIoTexts", "状态：");
}
inline QString kRunning()
{
    return QCoreApplication::translate("SimIoTexts", "运行");
}
inline QString kStopped()
{
    return QCoreApplication::translate("SimIoTexts", "停止");
}
inline QString kScans()
{
    return QCoreApplication::translate("SimIoTexts", "扫描次数：");
}
inline QString kTime()
{
    return QCoreApplication::translate("SimIoTexts", "模拟时间：");
}
// %1 the simulated time in seconds, with milliseconds.
inline QString kSeconds()
{
    return QCoreApplication::translate("SimIoTexts", "%1 秒");
}
inline QString kInputs()
{
    return QCoreApplication::translate("SimIoTexts", "输入点(X)");
}
inline QString kOutputs()
{
    return QCoreApplication::translate("SimIoTexts", "输出点(Y)");
}
inline QString kValues()
{
    return QCoreApplication::translate("SimIoTexts", "定时器和计数器");
}
inline QString kInputHint()
{
    return QCoreApplication::translate("SimIoTexts", "单击切换输入，按住不放则为按钮");
}
inline QStringList kColumns()
{
    return {QCoreApplication::translate("SimIoTexts", "器件"),
            QCoreApplication::translate("SimIoTexts", "当前值"),
            QCoreApplication::translate("SimIoTexts", "设定值"),
            QCoreApplication::translate("SimIoTexts", "状态")};
}
inline QString kOn()
{
    return QCoreApplication::translate("SimIoTexts", "接通");
}
inline QString kOff()
{
    return QCoreApplication::translate("SimIoTexts", "断开");
}

} // namespace ladrix::plc::simiotexts
