#pragma once

class QKeyEvent;

namespace ladrix {

// The virtual key code the ladder editor answers for a key press (digits of the main keyboard,
// Delete and the arrows), or 0 for any other key. Digits of the numeric keypad and keys held
// with Ctrl or Alt give 0; Shift is not looked at.
int ladderKeyCode(const QKeyEvent& event);

} // namespace ladrix
