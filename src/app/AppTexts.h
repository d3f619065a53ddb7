#pragma once

#include "widgets/CommonTexts.h"

#include <QString>

// The texts the desktop program shows outside the child windows, kept in one place.
namespace ladrix::texts {

inline const QString& kAppTitle = commontexts::kAppTitle;
inline const QString kWindowTitle = QStringLiteral("Ladrix 2.0");
inline const QString kTitleSuffix = QStringLiteral(" - Ladrix 2.0");
inline const QString kDefaultProjectName = QStringLiteral("新工程");
inline const QString kVersion = QStringLiteral("2.0");

inline const QString kExitTitle = QStringLiteral("退出");
inline const QString kExitQuestion = QStringLiteral("退出程序将会关闭所有的窗口，退出吗？");
inline const QString kSaveChangesQuestion = QStringLiteral("工程“%1”已被修改。\n是否保存更改？");
inline const QString kSave = QStringLiteral("保存");
inline const QString kDiscard = QStringLiteral("不保存");
inline const QString& kCancel = commontexts::kCancel;
inline const QString& kOk = commontexts::kOk;

inline const QString kProjectFilter = QStringLiteral("LADRX Project File (*.lrp)");
inline const QString kProjectOpenFilter = QStringLiteral("LADRX 工程文件 (*.lrp)");
inline const QString kInsFilter = QStringLiteral("LADRX 指令表文件 (*.ins)");
inline const QString kLadFilter = QStringLiteral("LADRX 梯形图文件 (*.lad)");
inline const QString kZk1Filter = QStringLiteral("ZK1 Program File (*.zk1)");

inline const QString kSaveProjectTitle = QStringLiteral("保存工程");
inline const QString kOpenProjectTitle = QStringLiteral("打开工程");
inline const QString kSaveInsTitle = QStringLiteral("保存指令表");
inline const QString kOpenInsTitle = QStringLiteral("导入指令表");
inline const QString kSaveLadTitle = QStringLiteral("保存梯形图");
inline const QString kOpenLadTitle = QStringLiteral("导入梯形图");
inline const QString kSaveBlockTitle = QStringLiteral("编辑块另存为");

inline const QString kTruncatedRead =
    QStringLiteral("文件“%1”不完整：已读入能读到的部分，其余内容保持原样。");
// An import clears the program first, so what the file lacks is left empty.
inline const QString kTruncatedImport =
    QStringLiteral("文件“%1”不完整：已读入能读到的部分，其余的步为空。");
inline const QString kNotAvailable = QStringLiteral("“%1”在此版本中尚未提供。");
inline const QString kHelpMissing = QStringLiteral("找不到帮助文件：\n%1");
inline const QString kHelpNotOpened = QStringLiteral("无法打开帮助文件：\n%1");

} // namespace ladrix::texts
