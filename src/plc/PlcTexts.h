#pragma once

#include <QString>

// The state texts of the online operations, as the pages show them.
namespace ladrix::plc::text {

inline QString portOpening()
{
    return QStringLiteral("正在初始化串行通讯口...");
}
inline QString waitingForPlc()
{
    return QStringLiteral("正在等待PLC的回应...");
}
inline QString connected()
{
    return QStringLiteral("已连接");
}
inline QString notConnected()
{
    return QStringLiteral("未连接");
}
inline QString timedOut()
{
    return QStringLiteral("PLC连接超时");
}
inline QString connectFailed()
{
    return QStringLiteral("连接失败");
}
inline QString portLost()
{
    return QStringLiteral("串行通讯口已断开");
}

inline QString preparingPlc()
{
    return QStringLiteral("正在初始化PLC");
}
inline QString clearingOld()
{
    return QStringLiteral("正在清除旧程序");
}
inline QString preparingWrite()
{
    return QStringLiteral("正在准备写入");
}
inline QString writeFailed()
{
    return QStringLiteral("写入失败");
}
inline QString writeDone()
{
    return QStringLiteral("写入已完成");
}
inline QString writeCancelled()
{
    return QStringLiteral("写入已取消");
}
inline QString preparingRead()
{
    return QStringLiteral("正在准备读取");
}
inline QString readDone()
{
    return QStringLiteral("读取完成");
}
inline QString readCancelled()
{
    return QStringLiteral("读取已取消");
}
inline QString readFailed()
{
    return QStringLiteral("读取失败");
}
inline QString keysReadTo999()
{
    return QStringLiteral("按键读取只能读到第 999 步，其后的程序请用高速读取");
}
inline QString keysWriteTo999()
{
    return QStringLiteral("按键写入只能写到第 999 步，其后的程序请用高速写入");
}
inline QString emptyRange(int from, int to)
{
    return QStringLiteral("起始步 %1 在结束步 %2 之后，没有要传送的步").arg(from).arg(to);
}

inline QString clearing()
{
    return QStringLiteral("正在清除 PLC 中的程序，请耐心等待");
}
inline QString clearDone()
{
    return QStringLiteral("清除已完成");
}
inline QString copyingToRam()
{
    return QStringLiteral("正在把 PLC EEPROM 中的程序拷贝到 PLC RAM 中,请耐心等待");
}
inline QString copyingToEeprom()
{
    return QStringLiteral("正在把 PLC RAM 中的程序拷贝到 PLC EEPROM 中,请耐心等待");
}
inline QString copyDone()
{
    return QStringLiteral("拷贝已完成");
}

inline QString encoding()
{
    return QStringLiteral("正在编码...");
}
inline QString hsFixing()
{
    return QStringLiteral("正在固化程序，请稍待...");
}
inline QString hsWriteDone()
{
    return QStringLiteral("写入已完成！");
}
inline QString hsPreparingRead()
{
    return QStringLiteral("正在准备读取数据...");
}
inline QString decoding()
{
    return QStringLiteral("正在解码...");
}
inline QString hsReadDone()
{
    return QStringLiteral("读取已完成!");
}
inline QString hsOddBytes(qint64 bytes)
{
    return QStringLiteral("PLC 送来 %1 个字节，最后一步不完整，程序未改变").arg(bytes);
}
inline QString hsTooLong(int steps)
{
    return QStringLiteral("PLC 送来的程序超过 %1 步，程序未改变").arg(steps);
}
inline QString verifySame()
{
    return QStringLiteral("程序一致");
}
inline QString verifyDiffers(qsizetype steps)
{
    return QStringLiteral("有 %1 步不一致").arg(steps);
}

// "指令:LD  数据:X000" after a step number line.
inline QString stepLine(const QString& head, int step, const QString& ins, const QString& data)
{
    return head + u' ' + QString::number(step) + QStringLiteral("步   \n指令:") + ins +
           QStringLiteral("  数据:") + data;
}
inline QString writingStep(int step, const QString& ins, const QString& data)
{
    return stepLine(QStringLiteral("正在写入第"), step, ins, data);
}
inline QString cannotWriteStep(int step, const QString& ins, const QString& data)
{
    return stepLine(QStringLiteral("无法写入第"), step, ins, data);
}
inline QString readingStep(int step, const QString& ins, const QString& data)
{
    return stepLine(QStringLiteral("正在读出第"), step, ins, data);
}
inline QString hsWritingStep(int step, int last)
{
    return QStringLiteral("正在写入第 %1/%2").arg(step).arg(last);
}
inline QString hsReadingStep(qint64 steps)
{
    return QStringLiteral("正在读取第 %1步").arg(steps);
}

} // namespace ladrix::plc::text
