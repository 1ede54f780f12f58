#include "app/window/KeyboardKeys.h"

#include <QKeyEvent>
#include <array>

namespace pomelo {
namespace {

struct Shortcut {
    Qt::Key keyboard;
    Qt::KeyboardModifiers modifiers;
    Key key;
};

const std::array<Shortcut, 19> Shortcuts{{
    {Qt::Key_0, Qt::NoModifier, Key::Zero},
    {Qt::Key_1, Qt::NoModifier, Key::One},
    {Qt::Key_2, Qt::NoModifier, Key::Two},
    {Qt::Key_3, Qt::NoModifier, Key::Three},
    {Qt::Key_4, Qt::NoModifier, Key::Four},
    {Qt::Key_5, Qt::NoModifier, Key::Five},
    {Qt::Key_6, Qt::NoModifier, Key::Six},
    {Qt::Key_7, Qt::NoModifier, Key::Seven},
    {Qt::Key_8, Qt::NoModifier, Key::Eight},
    {Qt::Key_9, Qt::NoModifier, Key::Nine},
    {Qt::Key_Return, Qt::NoModifier, Key::Start},
    {Qt::Key_Enter, Qt::NoModifier, Key::Start},
    {Qt::Key_Space, Qt::NoModifier, Key::Start},
    {Qt::Key_Backspace, Qt::NoModifier, Key::Clear},
    {Qt::Key_Delete, Qt::NoModifier, Key::Clear},
    {Qt::Key_M, Qt::NoModifier, Key::Mod},
    {Qt::Key_M, Qt::ShiftModifier, Key::Mod},
    {Qt::Key_Q, Qt::ControlModifier, Key::Off},
    {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, Key::Off},
}};

} // namespace

std::optional<Key> KeyForKeyboard(const QKeyEvent &event) {
    // The keypad sends the same keys with the keypad modifier.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const Shortcut &shortcut : Shortcuts) {
        if (shortcut.keyboard == event.key() && shortcut.modifiers == modifiers)
            return shortcut.key;
    }
    return std::nullopt;
}

} // namespace pomelo
