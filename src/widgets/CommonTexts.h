#pragma once

#include <QCoreApplication>
#include <QString>

// The texts every window shares: the application's title and the captions of the common buttons.
// They are looked up at each use, so that they follow the interface's language.
namespace ladrix::commontexts {

inline QString appTitle()
{
    return QCoreApplication::translate("CommonTexts", "Ladrix 2.0 简体中文版");
}
inline QString okText()
{
    return QCoreApplication::translate("CommonTexts", "确定");
}
inline QString cancelText()
{
    return QCoreApplication::translate("CommonTexts", "取消");
}

} // namespace ladrix::commontexts
