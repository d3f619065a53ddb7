#pragma once

#include <QCoreApplication>
#include <QString>

// The state texts of the online operations, as the pages show them. They are looked up at each
// use, so that they follow the interface's language.
namespace ladrix::plc::text {

inline QString portOpening()
{
    return QCoreApplication::translate("PlcTexts", "正在初始化串行通讯口...");
}
inline QString waitingForPlc()
{
    return QCoreApplication::translate("PlcTexts", "正在等待PLC的回应...");
}
inline QString connected()
{
    return QCoreApplication::translate("PlcTexts", "已连接");
}
inline QString notConnected()
{
    return QCoreApplication::translate("PlcTexts", "未连接");
}
inline QString timedOut()
{
    return QCoreApplication::translate("PlcTexts", "PLC连接超时");
}
inline QString connectFailed()
{
    return QCoreApplication::translate("PlcTexts", "连接失败");
}
inline QString portLost()
{
    return QCoreApplication::translate("PlcTexts", "串行通讯口已断开");
}

inline QString preparingPlc()
{
    return QCoreApplication::translate("PlcTexts", "正在初始化PLC");
}
inline QString clearingOld()
{
    return QCoreApplication::translate("PlcTexts", "正在清除旧程序");
}
inline QString preparingWrite()
{
    return QCoreApplication::translate("PlcTexts", "正在准备写入");
}
inline QString writeFailed()
{
    return QCoreApplication::translate("PlcTexts", "写入失败");
}
inline QString writeDone()
{
    return QCoreApplication::translate("PlcTexts", "写入已完成");
}
inline QString writeCancelled()
{
    return QCoreApplication::translate("PlcTexts", "写入已取消");
}
inline QString preparingRead()
{
    return QCoreApplication::translate("PlcTexts", "正在准备读取");
}
inline QString readDone()
{
    return QCoreApplication::translate("PlcTexts", "读取完成");
}
inline QString readCancelled()
{
    return QCoreApplication::translate("PlcTexts", "读取已取消");
}
inline QString readFailed()
{
    return QCoreApplication::translate("PlcTexts", "读取失败");
}
inline QString keysReadTo999()
{
    return QCoreApplication::translate("PlcTexts",
                                       "按键读取只能读到第 999 步，其后的程序请用高速读取");
}
inline QString keysWriteTo999()
{
    return QCoreApplication::translate("PlcTexts",
                                       "按键写入只能写到第 999 步，其后的程序请用高速写入");
}
inline QString emptyRange(int from, int to)
{
    return QCoreApplication::translate("PlcTexts", "起始步 %1 在结束步 %2 之后，没有要传送的步")
        .arg(from)
        .arg(to);
}

inline QString clearing()
{
    return QCoreApplication::translate("PlcTexts", "正在清除 PLC 中的程序，请耐心等待");
}
inline QString clearDone()
{
    return QCoreApplication::translate("PlcTexts", "清除已完成");
}
inline QString copyingToRam()
{
    return QCoreApplication::translate("PlcTexts",
                                       "正在把 PLC EEPROM 中的程序拷贝到 PLC RAM 中,请耐心等待");
}
inline QString copyingToEeprom()
{
    return QCoreApplication::translate("PlcTexts",
                                       "正在把 PLC RAM 中的程序拷贝到 PLC EEPROM 中,请耐心等待");
}
inline QString copyDone()
{
    return QCoreApplication::translate("PlcTexts", "拷贝已完成");
}

inline QString encoding()
{
    return QCoreApplication::translate("PlcTexts", "正在编码...");
}
inline QString hsFixing()
{
    return QCoreApplication::translate("PlcTexts", "正在固化程序，请稍待...");
}
inline QString hsWriteDone()
{
    return QCoreApplication::translate("PlcTexts", "写入已完成！");
}
inline QString hsPreparingRead()
{
    return QCoreApplication::translate("PlcTexts", "正在准备读取数据...");
}
inline QString decoding()
{
    return QCoreApplication::translate("PlcTexts", "正在解码...");
}
inline QString hsReadDone()
{
    return QCoreApplication::translate("PlcTexts", "读取已完成!");
}
inline QString hsOddBytes(qint64 bytes)
{
    return QCoreApplication::translate("PlcTexts", "PLC 送来 %1 个字节，最后一步不完整，程序未改变")
        .arg(bytes);
}
inline QString hsTooLong(int steps)
{
    return QCoreApplication::translate("PlcTexts", "PLC 送来的程序超过 %1 步，程序未改变")
        .arg(steps);
}
inline QString verifySame()
{
    return QCoreApplication::translate("PlcTexts", "程序一致");
}
inline QString verifyDiffers(qsizetype steps)
{
    return QCoreApplication::translate("PlcTexts", "有 %1 步不一致").arg(steps);
}

// A step number line, then "指令:LD  数据:X000".
inline QString writingStep(int step, const QString& ins, const QString& data)
{
    return QCoreApplication::translate("PlcTexts", "正在写入第 %1步   \n指令:%2  数据:%3")
        .arg(QString::number(step), ins, data);
}
inline QString cannotWriteStep(int step, const QString& ins, const QString& data)
{
    return QCoreApplication::translate("PlcTexts", "无法写入第 %1步   \n指令:%2  数据:%3")
        .arg(QString::number(step), ins, data);
}
inline QString readingStep(int step, const QString& ins, const QString& data)
{
    return QCoreApplication::translate("PlcTexts", "正在读出第 %1步   \n指令:%2  数据:%3")
        .arg(QString::number(step), ins, data);
}
inline QString hsWritingStep(int step, int last)
{
    return QCoreApplication::translate("PlcTexts", "正在写入第 %1/%2").arg(step).arg(last);
}
inline QString hsReadingStep(qint64 steps)
{
    return QCoreApplication::translate("PlcTexts", "正在读取第 %1步").arg(steps);
}

} // namespace ladrix::plc::text
