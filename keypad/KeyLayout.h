#pragma once

#include "display/PictureLayout.h"
#include "state/Handler.h"

#include <array>

namespace pomelo {

// One transparent click area over a key drawn on the face.
struct Key {
    const char *control; // "Image1" .. "Image14"
    const char *label;   // what the face shows on the key
    TwipsRect area;
    const char *toolTip; // UTF-8; empty for the digit keys
    Handler click;
};

inline constexpr int KeyCount = 14;

// The keys in control order, Image1 first.
const std::array<Key, KeyCount> &Keys();

} // namespace pomelo
