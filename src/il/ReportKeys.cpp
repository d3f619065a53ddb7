#include "ReportKeys.h"

#include "InstrEditor.h"

#include <QKeyEvent>

namespace ladrix {

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void showStepInEditor(InstrEditor& editor, int step)
{
    editor.commitEdits();
    editor.showStep(step);
}

} // namespace ladrix
