#pragma once

#include <QString>

// The captions and messages of the online window (frmOnline).
namespace ladrix::plc::onlinetexts {

inline const QString kTitle = QStringLiteral("连接PLC");

// Tabs: caption, key, frame caption.
inline const QString kTabConn = QStringLiteral("连接PLC");
inline const QString kTabRead = QStringLiteral("从PLC读取程序");
inline const QString kTabWrite = QStringLiteral("把程序写入PLC");
inline const QString kTabFun = QStringLiteral("清除或拷贝程序");
inline const QString kTabHrw = QStringLiteral("高速读写");
inline const QString kTabMon = QStringLiteral("联机监控");

inline const QString kRate = QStringLiteral("传输率: 19200bps");
inline const QString kConnect = QStringLiteral("连接");
inline const QString kPortPrefix = QStringLiteral("串行通讯口");
inline const QString kSimPort = QStringLiteral("模拟PLC(sim)");
inline const QString kStopped = QStringLiteral("停止");

inline const QString kFileFrom = QStringLiteral("文件以");
inline const QString kAsFirstStep = QStringLiteral("为起始步");
inline const QString kPlcFrom = QStringLiteral("PLC以");
inline const QString kStepAsFirst = QStringLiteral("步为起始步");
inline const QString kFromStep = QStringLiteral("从第");
inline const QString kReadTo = QStringLiteral("步读至第");
inline const QString kWriteTo = QStringLiteral("步写至第");
inline const QString kStep = QStringLiteral("步");
inline const QString kEndIsLast = QStringLiteral("END语句为程序的结束步");
inline const QString kRead = QStringLiteral("读取");
inline const QString kWrite = QStringLiteral("写入");
inline const QString kCancel = QStringLiteral("取消");

inline const QString kClearPlc = QStringLiteral("清除 PLC 中当前的程序");
inline const QString kEepromToRam = QStringLiteral("从PLC EEPROM中把程序拷贝到 PLC RAM中");
inline const QString kRamToEeprom = QStringLiteral("从PLC RAM中把程序拷贝到 PLC EEPROM中");
inline const QString kStart = QStringLiteral("开始");
inline const QString kCopyWarningTitle = QStringLiteral("操作提示");
inline const QString kCopyWarning = QStringLiteral(
    "注意！此操作只有在CPU存储器设置为EEPROM状态下有效，如CPU存储器开关位于RAM位置，请关闭PLC电源将"
    "CPU存储器开关拨到EEPROM位置，然后再接通PLC电源执行操作。");

inline const QString kHRead = QStringLiteral("读取(&R)");
inline const QString kHWrite = QStringLiteral("写入(&W)");
inline const QString kHVerify = QStringLiteral("校验(&V)");
inline const QString kVerifyColumns[] = {QStringLiteral("步"), QStringLiteral("PC"),
                                         QStringLiteral("PLC")};

inline const QString kExit = QStringLiteral("退出");

inline const QString kOperation = QStringLiteral("操作");
inline const QString kRun = QStringLiteral("运行");
inline const QString kDevice = QStringLiteral("器件号");
inline const QString kData = QStringLiteral("数据");
inline const QString kNoData = QStringLiteral("000");

// Beyond the classic window: refusals, the stop question and port failures.
inline const QString kBusy = QStringLiteral("PLC正在执行另一项操作，请等它结束后再试。");
inline const QString kStopFirst =
    QStringLiteral("PLC正在运行。先让PLC停止，再进行此操作吗？\n"
                   "选\"是\"先停止PLC，选\"否\"在运行中进行，选\"取消\"不进行此操作。");
inline const QString kCannotOpen = QStringLiteral("无法打开串行通讯口 %1：\n%2");
inline const QString kNoPortChosen = QStringLiteral("没有选择串行通讯口，请用\"串口设置\"选择。");
inline const QString kUnusedField = QStringLiteral("PLC中的步号与程序中的步号相同，此项不用设置");

} // namespace ladrix::plc::onlinetexts
