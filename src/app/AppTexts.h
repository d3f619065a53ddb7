#pragma once

#include "widgets/CommonTexts.h"

#include <QString>

// The texts the desktop program shows outside the child windows, kept in one place.
namespace ladrix::texts {

// Texts without a word of either language stay constants.
inline const QString kWindowTitle = QStringLiteral("Ladrix 2.0");
inline const QString kTitleSuffix = QStringLiteral(" - Ladrix 2.0");
inline const QString kVersion = QStringLiteral("2.0");
inline const QString kProjectFilter = QStringLiteral("LADRX Project File (*.lrp)");
inline const QString kZk1Filter = QStringLiteral("ZK1 Program File (*.zk1)");

// The others are looked up at each use, so that they follow the interface's language.
inline QString kAppTitle()
{
    return commontexts::appTitle();
}
inline QString kOk()
{
    return commontexts::okText();
}
inline QString kCancel()
{
    return commontexts::cancelText();
}

inline QString kDefaultProjectName()
{
    return QCoreApplication::translate("AppTexts", "新工程");
}

inline QString kExitTitle()
{
    return QCoreApplication::translate("AppTexts", "退出");
}
inline QString kExitQuestion()
{
    return QCoreApplication::translate("AppTexts", "退出程序将会关闭所有的窗口，退出吗？");
}
inline QString kSaveChangesQuestion()
{
    return QCoreApplication::translate("AppTexts", "工程“%1”已被修改。\n是否保存更改？");
}
inline QString kSave()
{
    return QCoreApplication::translate("AppTexts", "保存");
}
inline QString kDiscard()
{
    return QCoreApplication::translate("AppTexts", "不保存");
}

inline QString kProjectOpenFilter()
{
    return QCoreApplication::translate("AppTexts", "LADRX 工程文件 (*.lrp)");
}
inline QString kInsFilter()
{
    return QCoreApplication::translate("AppTexts", "LADRX 指令表文件 (*.ins)");
}
inline QString kLadFilter()
{
    return QCoreApplication::translate("AppTexts", "LADRX 梯形图文件 (*.lad)");
}

inline QString kSaveProjectTitle()
{
    return QCoreApplication::translate("AppTexts", "保存工程");
}
inline QString kOpenProjectTitle()
{
    return QCoreApplication::translate("AppTexts", "打开工程");
}
inline QString kSaveInsTitle()
{
    return QCoreApplication::translate("AppTexts", "保存指令表");
}
inline QString kOpenInsTitle()
{
    return QCoreApplication::translate("AppTexts", "导入指令表");
}
inline QString kSaveLadTitle()
{
    return QCoreApplication::translate("AppTexts", "保存梯形图");
}
inline QString kOpenLadTitle()
{
    return QCoreApplication::translate("AppTexts", "导入梯形图");
}
inline QString kSaveBlockTitle()
{
    return QCoreApplication::translate("AppTexts", "编辑块另存为");
}

inline QString kTruncatedRead()
{
    return QCoreApplication::translate("AppTexts",
                                       "文件“%1”不完整：已读入能读到的部分，其余内容保持原样。");
}
// An import clears the program first, so what the file lacks is left empty.
inline QString kTruncatedImport()
{
    return QCoreApplication::translate("AppTexts",
                                       "文件“%1”不完整：已读入能读到的部分，其余的步为空。");
}
inline QString kNotAvailable()
{
    return QCoreApplication::translate("AppTexts", "“%1”在此版本中尚未提供。");
}
inline QString kHelpMissing()
{
    return QCoreApplication::translate("AppTexts", "找不到帮助文件：\n%1");
}
inline QString kHelpNotOpened()
{
    return QCoreApplication::translate("AppTexts", "无法打开帮助文件：\n%1");
}

} // namespace ladrix::texts
