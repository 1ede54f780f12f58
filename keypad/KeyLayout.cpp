#include "keypad/KeyLayout.h"

#include "keypad/DigitKeys.h"
#include "keypad/ModeKeys.h"
#include "keypad/OffKey.h"
#include "keypad/StartKey.h"
#include "state/Translatable.h"

namespace pomelo {
namespace {

constexpr std::array<KeyControl, KeyCount> KeyTable{{
    {Key::One, "Image1", "1", {645, 1455, 465, 360}, "", Image1_Click},
    {Key::Two, "Image2", "2", {1170, 1485, 420, 330}, "", Image2_Click},
    {Key::Three, "Image3", "3", {1650, 1485, 435, 330}, "", Image3_Click},
    {Key::Four, "Image4", "4", {2130, 1485, 465, 300}, "", Image4_Click},
    {Key::Five, "Image5", "5", {195, 1110, 420, 345}, "", Image5_Click},
    {Key::Six, "Image6", "6", {660, 1125, 450, 345}, "", Image6_Click},
    {Key::Seven, "Image7", "7", {1140, 1080, 480, 405}, "", Image7_Click},
    {Key::Eight, "Image8", "8", {1635, 1095, 450, 360}, "", Image8_Click},
    {Key::Nine, "Image9", "9", {2100, 1095, 480, 345}, "", Image9_Click},
    {Key::Zero, "Image10", "0", {180, 1470, 450, 315}, "", Image10_Click},
    {Key::Off,
     "Image11",
     "OFF",
     {180, 1815, 420, 330},
     //: %1 is the web address of the newest version.
     QT_TRANSLATE_NOOP("Keys", "終了（最新版は、%1にあります。）"),
     Image11_Click},
    {Key::Mod,
     "Image12",
     "MOD",
     {645, 1815, 480, 345},
     QT_TRANSLATE_NOOP("Keys", "モード切替（タイマー計測時には停止します。）"),
     Image12_Click},
    {Key::Clear,
     "Image13",
     "CLR",
     {1170, 1830, 450, 330},
     QT_TRANSLATE_NOOP("Keys", "クリア（タイマー計測時には停止します。）"),
     Image13_Click},
    {Key::Start,
     "Image14",
     "START",
     {1635, 1815, 990, 375},
     QT_TRANSLATE_NOOP("Keys", "スタート／一時停止（現在時刻表示時は 12←→24Ｈ切り替え）"),
     Image14_Click},
}};

// KeyOf finds a key at its number, and DigitKey takes a digit for one.
constexpr bool InKeyOrder() {
    for (std::size_t index = 0; index < KeyTable.size(); ++index) {
        if (KeyTable[index].key != static_cast<Key>(index + 1))
            return false;
    }
    return true;
}
static_assert(InKeyOrder(), "the key table lists the keys in the order of their numbers");
static_assert(static_cast<int>(Key::Nine) == 9,
              "the digit keys 1 to 9 are numbered as their digits");

} // namespace

const std::array<KeyControl, KeyCount> &Keys() {
    return KeyTable;
}

const KeyControl &KeyOf(Key key) {
    return Keys().at(static_cast<std::size_t>(key) - 1);
}

Key DigitKey(int digit) {
    return digit == 0 ? Key::Zero : static_cast<Key>(digit);
}

} // namespace pomelo
