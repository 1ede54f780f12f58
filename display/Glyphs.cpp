#include "display/Glyphs.h"

#include <array>

namespace pomelo {
namespace {

// Each digit is a 5 x 7 dot matrix, rows from the top, read left to right.
constexpr std::array<std::array<const char *, 7>, 10> DigitDots{{
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", ".###.", "....#", "....#", "####."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
}};

// A dot is a 3 x 4 px block; dots stand on a 4 x 5 px pitch from (3, 4).
constexpr int DotWidth = 3;
constexpr int DotHeight = 4;
constexpr int PitchX = 4;
constexpr int PitchY = 5;
constexpr int OriginX = 3;
constexpr int OriginY = 4;

Bitmap renderDigit(int digit) {
    Bitmap glyph{GlyphWidth, GlyphHeight,
                 std::vector<std::string>(GlyphHeight, std::string(GlyphWidth, '.'))};
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (DigitDots[digit][row][column] != '#')
                continue;
            for (int y = 0; y < DotHeight; ++y)
                for (int x = 0; x < DotWidth; ++x)
                    glyph.rows[OriginY + row * PitchY + y][OriginX + column * PitchX + x] = '#';
        }
    }
    return glyph;
}

} // namespace

const Bitmap &DigitGlyph(int digit) {
    static const std::array<Bitmap, 10> glyphs = [] {
        std::array<Bitmap, 10> all;
        for (int value = 0; value < 10; ++value)
            all[value] = renderDigit(value);
        return all;
    }();
    return glyphs.at(digit);
}

} // namespace pomelo
