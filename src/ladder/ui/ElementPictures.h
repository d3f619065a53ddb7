#pragma once

#include <QIcon>
#include <QPixmap>

namespace ladrix {

// The picture of a lone element (its rung line reaching both edges), `zoom` times the size it
// has in the editor, for the element dialog.
QPixmap elementPicture(int type, int zoom, qreal devicePixelRatio);

// The icon of palette button `button` (1 to 10): the element the button places, with the digit
// of its key in the upper left corner.
QIcon paletteIcon(int button, qreal devicePixelRatio);

// The digit of the key that palette button `button` (1 to 10) sends: 1 to 9, then 0.
int paletteKeyDigit(int button);

} // namespace ladrix
