#pragma once

class QKeyEvent;

namespace pomelo {

// The key area (1 .. 14, as in Image1 .. Image14) a key on the keyboard
// stands for, or 0: the digits of the main row and the keypad, Enter and
// Space for START, Backspace and Delete for CLR, M for MOD, Ctrl+Q for OFF.
int KeyAreaForKeyboard(const QKeyEvent &event);

} // namespace pomelo
