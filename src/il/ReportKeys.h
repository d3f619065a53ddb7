#pragma once

class QEvent;

namespace ladrix {

class InstrEditor;

// Enter or Return pressed: in a report's list, the keyboard's double click.
bool isEnterKey(const QEvent* event);

// Shows step `step` in the editor, storing a row the user is typing first (the scroll would
// otherwise throw it away).
void showStepInEditor(InstrEditor& editor, int step);

} // namespace ladrix
