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
    const char *toolTip; // UTF-8; empty for the digit keys
    Handler click;
};

inline constexpr int KeyCount = 14;

// The keys in control order, Image1 first.
const std::array<KeyControl, KeyCount> &Keys();
const KeyControl &KeyOf(Key key);
// The key that keys in `digit` (0..9).
Key DigitKey(int digit);

} // namespace pomelo
