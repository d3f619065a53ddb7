#pragma once

#include <QFont>

namespace ladrix {

// The fixed-width face of the program's rows and displays: letters and digits line up in
// columns, and Chinese text is still readable.
QFont rowFont();

} // namespace ladrix
