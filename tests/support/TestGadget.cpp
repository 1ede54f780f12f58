#include "TestGadget.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <sstream>

namespace pomelo::test {

TestGadget::TestGadget(int opMode, const LocalTime &wallClock) {
    state.OpMode = opMode;
    effects.setWallClock(wallClock);
    seconds(1);
}

void TestGadget::press(const std::string &labels) {
    std::istringstream words(labels);
    for (std::string label; words >> label;) {
        const auto &keys = Keys();
        const auto key = std::find_if(keys.begin(), keys.end(), [&label](const KeyControl &each) {
            return label == each.label;
        });
        if (key == keys.end())
            ADD_FAILURE() << "no key " << label;
        else
            gadget.press(key->key);
    }
}

void TestGadget::run(std::int64_t ms) {
    for (std::int64_t passed = 0; passed < ms; passed += 100) {
        effects.advance(100);
        if (gadget.wantsTicks())
            gadget.tick();
        if (gadget.wantsShakeSteps())
            gadget.shakeTick();
    }
}

std::string ShownDigits(const LcdPictures &lcd) {
    std::string shown;
    for (const DigitCell &cell : DigitCells) {
        char glyph = ' ';
        for (int digit = 0; digit < 10; ++digit) {
            if (lcd[cell.array][digit].Visible)
                glyph = glyph == ' ' ? static_cast<char>('0' + digit) : '?';
        }
        shown += glyph;
    }
    return shown;
}

std::string ShownIndicators(const LcdPictures &lcd) {
    static constexpr std::array<const char *, IndicatorCount> names{
        "colon", "H", "hM", "M", "S", "dial", "runner", "A", "P", "slash"};
    std::string shown;
    for (int index = 0; index < IndicatorCount; ++index) {
        if (!lcd.Picture5[index].Visible)
            continue;
        if (!shown.empty())
            shown += ' ';
        shown += names[index];
    }
    return shown;
}

} // namespace pomelo::test
