#pragma once

#include <QString>

namespace ladrix::plc {

// The keyboard keys of the handheld panel: the digits and the point, Delete, Insert, + and -,
// Enter for WRITE, and the letters that name one key only among the keys without a digit (those
// are reached by their digit): D DEL, L LD, A AND, O OR, K K/SEARCH, C CLEAR, E and R the END
// key, W WRITE.

// The panel index (0 to 22) that keyboard key `key` (a Qt::Key) presses; -1 for none.
int panelIndexOfKey(int key);

// The names of the keyboard keys that press panel key `index` ("7", "Delete、D"); empty when
// none does.
QString keyboardKeysOf(int index, const QString& separator);

} // namespace ladrix::plc
