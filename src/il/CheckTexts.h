#pragma once

#include <QString>

// The texts the program check and cross-reference windows show, kept in one place.
namespace ladrix::checktexts {

inline const QString kCheckTitle = QStringLiteral("程序检查");
inline const QString kCheckHeader = QStringLiteral("步号: 说明");
inline const QString kCheckCount = QStringLiteral("共%1条");
inline const QString kCheckClean = QStringLiteral("未发现问题");

inline const QString kXrefTitle = QStringLiteral("交叉参考");
inline const QString kDevice = QStringLiteral("器件");
inline const QString kReads = QStringLiteral("读取");
inline const QString kDrives = QStringLiteral("驱动");
inline const QString kOthers = QStringLiteral("其他");
inline const QString kXrefCount = QStringLiteral("共%1个器件");


} // namespace ladrix::checktexts
