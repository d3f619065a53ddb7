#include "LadderKeys.h"

#include "ladder/LadderEditing.h"

#include <QKeyEvent>

namespace ladrix {

int ladderKeyCode(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(mods & Qt::KeypadModifier))
        return LadderEditing::Key0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Delete:
        return LadderEditing::KeyDelete;
    case Qt::Key_Left:
        return LadderEditing::KeyLeft;
    case Qt::Key_Up:
        return LadderEditing::KeyUp;
    case Qt::Key_Right:
        return LadderEditing::KeyRight;
    case Qt::Key_Down:
        return LadderEditing::KeyDown;
    default:
        return 0;
    }
}

} // namespace ladrix
