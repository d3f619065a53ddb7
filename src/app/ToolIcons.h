#pragma once

#include <QIcon>
#include <QString>

namespace ladrix {

// The toolbar's images, drawn in code; a key without a drawing gives a null icon.
QIcon toolIcon(const QString& key);
// The program's own icon, for its windows.
QIcon appIcon();

} // namespace ladrix
