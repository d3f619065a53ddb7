#pragma once

#include <QString>

// The texts every window shares: the application's title and the captions of the common buttons.
namespace ladrix::commontexts {

inline const QString kAppTitle = QStringLiteral("Ladrix 2.0 简体中文版");
inline const QString kOk = QStringLiteral("确定");
inline const QString kCancel = QStringLiteral("取消");

} // namespace ladrix::commontexts
