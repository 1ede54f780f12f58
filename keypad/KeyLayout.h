#pragma once

#include "state/Handler.h"
#include "state/PictureLayout.h"

#include <array>

namespace pomelo {

// The fourteen keys, numbered as their click areas Image1 .. Image14: the
// digits 1 to 9, then 0 (Image10), OFF, MOD, CLR and START.
enum class Key : int {
    One = 1,
    Two,
    Three,
    Four,
    Five,
    Six,
    Seven,
    Eight,
    Nine,
    Zero,
    Off,
    Mod,
    Clear,
    Start,
};

// One transparent click area over a key drawn on the face.
struct KeyControl {
    Key key;
    const char *control; // "Image1" .. "Image14"
    const char *label;   // what the face shows on the key
    TwipsRect area;
    // UTF-8, marked for translation in ToolTipContext; empty for the digit
    // keys. OFF's %1 stands for where the newest version is published.
    const char *toolTip;
    Handler click;
};

// What the tooltips are marked in for translation (state/Translatable.h).
inline constexpr char ToolTipContext[] = "Keys";

// START is the last key.
inline constexpr int KeyCount = static_cast<int>(Key::Start);

// The keys in control order, Image1 first.
const std::array<KeyControl, KeyCount> &Keys();
const KeyControl &KeyOf(Key key);
// The key that keys in `digit` (0..9).
Key DigitKey(int digit);

} // namespace pomelo
