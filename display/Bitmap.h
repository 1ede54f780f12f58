#pragma once

#include <string>
#include <vector>

namespace pomelo {

// A two-colour LCD picture, one string per pixel row: '#' is a black dot
// pixel, anything else the LCD ground.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;

    bool isDot(int x, int y) const { return rows[y][x] == '#'; }
};

} // namespace pomelo
