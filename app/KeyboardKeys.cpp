#include "app/KeyboardKeys.h"

#include <QKeyEvent>
#include <array>

namespace pomelo {
namespace {

constexpr int Off = 11;
constexpr int Mod = 12;
constexpr int Clear = 13;
constexpr int Start = 14;

struct Shortcut {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int area;
};

// The 0 key is Image10; 1 .. 9 are Image1 .. Image9.
const std::array<Shortcut, 19> Shortcuts{{
    {Qt::Key_0, Qt::NoModifier, 10},
    {Qt::Key_1, Qt::NoModifier, 1},
    {Qt::Key_2, Qt::NoModifier, 2},
    {Qt::Key_3, Qt::NoModifier, 3},
    {Qt::Key_4, Qt::NoModifier, 4},
    {Qt::Key_5, Qt::NoModifier, 5},
    {Qt::Key_6, Qt::NoModifier, 6},
    {Qt::Key_7, Qt::NoModifier, 7},
    {Qt::Key_8, Qt::NoModifier, 8},
    {Qt::Key_9, Qt::NoModifier, 9},
    {Qt::Key_Return, Qt::NoModifier, Start},
    {Qt::Key_Enter, Qt::NoModifier, Start},
    {Qt::Key_Space, Qt::NoModifier, Start},
    {Qt::Key_Backspace, Qt::NoModifier, Clear},
    {Qt::Key_Delete, Qt::NoModifier, Clear},
    {Qt::Key_M, Qt::NoModifier, Mod},
    {Qt::Key_M, Qt::ShiftModifier, Mod},
    {Qt::Key_Q, Qt::ControlModifier, Off},
    {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, Off},
}};

} // namespace

int KeyAreaForKeyboard(const QKeyEvent &event) {
    // The keypad sends the same keys with the keypad modifier.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Shortcut &shortcut : Shortcuts) {
        if (shortcut.key == event.key() && shortcut.modifiers == modifiers)
            return shortcut.area;
    }
    return 0;
}

} // namespace pomelo
