#pragma once

#include <QCoreApplication>
#include <QString>

// The texts the program check and cross-reference windows show, kept in one place. They are
// looked up at each use, so that they follow the interface's language.
namespace ladrix::checktexts {

inline QString kCheckTitle()
{
    return QCoreApplication::translate("CheckTexts", "程序检查");
}
inline QString kCheckHeader()
{
    return QCoreApplication::translate("CheckTexts", "步号: 说明");
}
inline QString kCheckCount()
{
    return QCoreApplication::translate("CheckTexts", "共%1条");
}
inline QString kCheckClean()
{
    return QCoreApplication::translate("CheckTexts", "未发现问题");
}

inline QString kXrefTitle()
{
    return QCoreApplication::translate("CheckTexts", "交叉参考");
}
inline QString kDevice()
{
    return QCoreApplication::translate("CheckTexts", "器件");
}
inline QString kReads()
{
    return QCoreApplication::translate("CheckTexts", "读取");
}
inline QString kDrives()
{
    return QCoreApplication::translate("CheckTexts", "驱动");
}
inline QString kOthers()
{
    return QCoreApplication::translate("CheckTexts", "其他");
}
inline QString kXrefCount()
{
    return QCoreApplication::translate("CheckTexts", "共%1个器件");
}

} // namespace ladrix::checktexts
