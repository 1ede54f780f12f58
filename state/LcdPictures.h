#pragma once

#include "state/PictureArray.h"
#include "state/PictureLayout.h"

#include <array>

namespace pomelo {

// One picture of the LCD as the handlers set it: its place in twips and
// whether it shows. Its bitmap and box size never change.
struct Picture {
    int Left = 0;
    int Top = 0;
    bool Visible = false;
    friend bool operator==(const Picture &, const Picture &) = default;
};

using PictureRow = std::array<Picture, 10>;

// What the LCD shows: the four digit stacks and the indicators, element 0..9
// of each array. The handlers set it; the window draws it.
struct LcdPictures {
    PictureRow Picture1;
    PictureRow Picture2;
    PictureRow Picture3;
    PictureRow Picture4;
    // The indicators stand where the window's design puts them.
    PictureRow Picture5 = [] {
        PictureRow row;
        for (std::size_t index = 0; index < row.size(); ++index)
            row[index] = {IndicatorBoxes[index].left, IndicatorBoxes[index].top, false};
        return row;
    }();

    PictureRow &operator[](PictureArray array) { return this->*Row(array); }
    const PictureRow &operator[](PictureArray array) const { return this->*Row(array); }
    friend bool operator==(const LcdPictures &, const LcdPictures &) = default;

private:
    static PictureRow LcdPictures::*Row(PictureArray array) {
        constexpr std::array<PictureRow LcdPictures::*, 5> rows{
            &LcdPictures::Picture1, &LcdPictures::Picture2, &LcdPictures::Picture3,
            &LcdPictures::Picture4, &LcdPictures::Picture5};
        return rows.at(static_cast<std::size_t>(array) - 1);
    }
};

} // namespace pomelo
