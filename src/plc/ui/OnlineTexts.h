#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The captions and messages of the online window (frmOnline).
namespace ladrix::plc::onlinetexts {

inline QString kTitle()
{
    return QCoreApplication::translate("OnlineTexts", "连接PLC");
}

// Tabs: caption, key, frame caption.
inline QString kTabConn()
{
    return QCoreApplication::translate("OnlineTexts", "连接PLC");
}
inline QString kTabRead()
{
    return QCoreApplication::translate("OnlineTexts", "从PLC读取程序");
}
inline QString kTabWrite()
{
    return QCoreApplication::translate("OnlineTexts", "把程序写入PLC");
}
inline QString kTabFun()
{
    return QCoreApplication::translate("OnlineTexts", "清除或拷贝程序");
}
inline QString kTabHrw()
{
    return QCoreApplication::translate("OnlineTexts", "高速读写");
}
inline QString kTabMon()
{
    return QCoreApplication::translate("OnlineTexts", "联机监控");
}

inline QString kRate()
{
    return QCoreApplication::translate("OnlineTexts", "传输率: 19200bps");
}
inline QString kConnect()
{
    return QCoreApplication::translate("OnlineTexts", "连接");
}
inline QString kPortPrefix()
{
    return QCoreApplication::translate("OnlineTexts", "串行通讯口");
}
inline QString kSimPort()
{
    return QCoreApplication::translate("OnlineTexts", "模拟PLC(sim)");
}
inline QString kStopped()
{
    return QCoreApplication::translate("OnlineTexts", "停止");
}

inline QString kFileFrom()
{
    return QCoreApplication::translate("OnlineTexts", "文件以");
}
inline QString kAsFirstStep()
{
    return QCoreApplication::translate("OnlineTexts", "为起始步");
}
inline QString kPlcFrom()
{
    return QCoreApplication::translate("OnlineTexts", "PLC以");
}
inline QString kStepAsFirst()
{
    return QCoreApplication::translate("OnlineTexts", "步为起始步");
}
inline QString kFromStep()
{
    return QCoreApplication::translate("OnlineTexts", "从第");
}
inline QString kReadTo()
{
    return QCoreApplication::translate("OnlineTexts", "步读至第");
}
inline QString kWriteTo()
{
    return QCoreApplication::translate("OnlineTexts", "步写至第");
}
// Closes a range of steps ("从第 0 步读至第 999 步").
inline QString kStep()
{
    return QCoreApplication::translate("OnlineTexts", "步", "end of a range");
}
inline QString kEndIsLast()
{
    return QCoreApplication::translate("OnlineTexts", "END语句为程序的结束步");
}
inline QString kRead()
{
    return QCoreApplication::translate("OnlineTexts", "读取");
}
inline QString kWrite()
{
    return QCoreApplication::translate("OnlineTexts", "写入");
}
inline QString kCancel()
{
    return QCoreApplication::translate("OnlineTexts", "取消");
}

inline QString kClearPlc()
{
    return QCoreApplication::translate("OnlineTexts", "清除 PLC 中当前的程序");
}
inline QString kEepromToRam()
{
    return QCoreApplication::translate("OnlineTexts", "从PLC EEPROM中把程序拷贝到 PLC RAM中");
}
inline QString kRamToEeprom()
{
    return QCoreApplication::translate("OnlineTexts", "从PLC RAM中把程序拷贝到 PLC EEPROM中");
}
inline QString kStart()
{
    return QCoreApplication::translate("OnlineTexts", "开始");
}
inline QString kCopyWarningTitle()
{
    return QCoreApplication::translate("OnlineTexts", "操作提示");
}
inline QString kCopyWarning()
{
    return QCoreApplication::translate("OnlineTexts",
                                       "注意！此操作只有在CPU存储器设置为EEPROM状态下有效，如CPU存"
                                       "储器开关位于RAM位置，请关闭PLC电源将"
                                       "CPU存储器开关拨到EEPROM位置，然后再接通PLC电源执行操作。");
}

inline QString kHRead()
{
    return QCoreApplication::translate("OnlineTexts", "读取(&R)");
}
inline QString kHWrite()
{
    return QCoreApplication::translate("OnlineTexts", "写入(&W)");
}
inline QString kHVerify()
{
    return QCoreApplication::translate("OnlineTexts", "校验(&V)");
}
inline QStringList kVerifyColumns()
{
    return {QCoreApplication::translate("OnlineTexts", "步"), QStringLiteral("PC"),
            QStringLiteral("PLC")};
}

inline QString kExit()
{
    return QCoreApplication::translate("OnlineTexts", "退出");
}

inline QString kOperation()
{
    return QCoreApplication::translate("OnlineTexts", "操作");
}
inline QString kRun()
{
    return QCoreApplication::translate("OnlineTexts", "运行");
}
inline QString kDevice()
{
    return QCoreApplication::translate("OnlineTexts", "器件号");
}
inline QString kData()
{
    return QCoreApplication::translate("OnlineTexts", "数据");
}
inline const QString kNoData = QStringLiteral("000");

// Beyond the classic window: refusals, the stop question and port failures.
inline QString kBusy()
{
    return QCoreApplication::translate("OnlineTexts", "PLC正在执行另一项操作，请等它结束后再试。");
}
inline QString kStopFirst()
{
    return QCoreApplication::translate(
        "OnlineTexts", "PLC正在运行。先让PLC停止，再进行此操作吗？\n"
                       "选\"是\"先停止PLC，选\"否\"在运行中进行，选\"取消\"不进行此操作。");
}
inline QString kCannotOpen()
{
    return QCoreApplication::translate("OnlineTexts", "无法打开串行通讯口 %1：\n%2");
}
inline QString kNoPortChosen()
{
    return QCoreApplication::translate("OnlineTexts", "没有选择串行通讯口，请用\"串口设置\"选择。");
}
inline QString kUnusedField()
{
    return QCoreApplication::translate("OnlineTexts",
                                       "PLC中的步号与程序中的步号相同，此项不用设置");
}

} // namespace ladrix::plc::onlinetexts
