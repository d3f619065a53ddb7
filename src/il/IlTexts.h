#pragma once

#include <QString>

// The texts the instruction-list windows show, kept in one place.
namespace ladrix::iltexts {

inline const QString kEditorTitle = QStringLiteral("指令表编辑器");
inline const QString kBlockMark = QStringLiteral("*");

inline const QString kFindTitle = QStringLiteral("查找");
inline const QString kFindFrame = QStringLiteral("查找条件");
inline const QString kStep = QStringLiteral("步序");
inline const QString kIns = QStringLiteral("指令");
inline const QString kData = QStringLiteral("数据");
inline const QString kRem = QStringLiteral("注释");
inline const QString kCase = QStringLiteral("区分大小写");
inline const QString kReplaceWith = QStringLiteral("替换为");

inline const QString kReportTitle = QStringLiteral("查找报告");
inline const QString kReportCount = QStringLiteral("共找到%1条记录");
inline const QString kFind = QStringLiteral("查找");
inline const QString kFindNext = QStringLiteral("查找下一个");
inline const QString kReplace = QStringLiteral("替换");
inline const QString kReplaceNext = QStringLiteral("替换下一个");
inline const QString kReplaceAll = QStringLiteral("全部替换");
inline const QString kExit = QStringLiteral("退出");
inline const QString kNoNextLine =
    QStringLiteral("已到达查找报告的最后一条记录，没有可替换的下一条。");

} // namespace ladrix::iltexts
