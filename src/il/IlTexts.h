#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the instruction-list windows show, kept in one place. They are looked up at each
// use, so that they follow the interface's language.
namespace ladrix::iltexts {

inline QString kEditorTitle()
{
    return QCoreApplication::translate("IlTexts", "指令表编辑器");
}
inline const QString kBlockMark = QStringLiteral("*");

inline QString kFindTitle()
{
    return QCoreApplication::translate("IlTexts", "查找");
}
inline QString kFindFrame()
{
    return QCoreApplication::translate("IlTexts", "查找条件");
}
inline QString kStep()
{
    return QCoreApplication::translate("IlTexts", "步序");
}
inline QString kIns()
{
    return QCoreApplication::translate("IlTexts", "指令");
}
inline QString kData()
{
    return QCoreApplication::translate("IlTexts", "数据");
}
inline QString kRem()
{
    return QCoreApplication::translate("IlTexts", "注释");
}
inline QString kCase()
{
    return QCoreApplication::translate("IlTexts", "区分大小写");
}
inline QString kReplaceWith()
{
    return QCoreApplication::translate("IlTexts", "替换为");
}

inline QString kReportTitle()
{
    return QCoreApplication::translate("IlTexts", "查找报告");
}
// Over the columns of the report's lines: step, instruction, operand, comment.
inline QString kReportHeader()
{
    return QCoreApplication::translate("IlTexts", "步序   指令  数据      注释");
}
inline QString kReportCount()
{
    return QCoreApplication::translate("IlTexts", "共找到%1条记录");
}
inline QString kFind()
{
    return QCoreApplication::translate("IlTexts", "查找");
}
inline QString kFindNext()
{
    return QCoreApplication::translate("IlTexts", "查找下一个");
}
inline QString kReplace()
{
    return QCoreApplication::translate("IlTexts", "替换");
}
inline QString kReplaceNext()
{
    return QCoreApplication::translate("IlTexts", "替换下一个");
}
inline QString kReplaceAll()
{
    return QCoreApplication::translate("IlTexts", "全部替换");
}
inline QString kExit()
{
    return QCoreApplication::translate("IlTexts", "退出");
}
inline QString kNoNextLine()
{
    return QCoreApplication::translate("IlTexts",
                                       "已到达查找报告的最后一条记录，没有可替换的下一条。");
}

} // namespace ladrix::iltexts
