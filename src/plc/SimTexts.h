#pragma once

#include <QCoreApplication>
#include <QString>

// The simulated controller's own texts: why a program does not run or a run ended. They are
// looked up at each use, so that they follow the interface's language.
namespace ladrix::plc::simtext {

inline QString runRefused()
{
    return QCoreApplication::translate("SimTexts", "程序无法运行：");
}
inline QString unknownInstruction()
{
    return QCoreApplication::translate("SimTexts", "错误的指令");
}
inline QString noDevice()
{
    return QCoreApplication::translate("SimTexts", "无效的器件号");
}
inline QString noJumpTarget()
{
    return QCoreApplication::translate("SimTexts", "跳转目标不在其后");
}
inline QString tooManyBlocks()
{
    return QCoreApplication::translate("SimTexts", "同时打开的块超过10个");
}
inline QString contactWithoutBlock()
{
    return QCoreApplication::translate("SimTexts", "触点之前没有LD或LDI");
}
inline QString nothingToJoin()
{
    return QCoreApplication::translate("SimTexts", "之前没有两个可以连接的块");
}
inline QString stoppedByWrite()
{
    return QCoreApplication::translate("SimTexts", "高速写入时PLC已停止");
}

} // namespace ladrix::plc::simtext
