#pragma once

#include "keypad/KeyLayout.h"

#include <optional>

class QKeyEvent;

namespace pomelo {

// The key a key on the keyboard stands for, if any: the digits of the main
// row and the keypad, Enter and Space for START, Backspace and Delete for
// CLR, M for MOD, Ctrl+Q for OFF.
std::optional<Key> KeyForKeyboard(const QKeyEvent &event);

} // namespace pomelo
