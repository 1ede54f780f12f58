#include "display/IndicatorArt.h"

#include "display/IndicatorLetters.h"
#include "state/PictureLayout.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pomelo {
namespace {

// Each picture is drawn at its full bitmap size, one string per pixel row,
// '#' a dot. Its box may clip the right and bottom edges, so everything that
// matters stays inside the box. The letters are in display/IndicatorLetters.h.

// clang-format off
// Colon: two digit-sized dots in the digits' 3rd and 5th dot rows, centred in
// the 20 px its box shows.
constexpr std::array<const char *, 42> ColonRows{
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    "........###..............",
    "........###..............",
    "........###..............",
    "........###..............",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    "........###..............",
    "........###..............",
    "........###..............",
    "........###..............",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
    ".........................",
};

// Countdown: a kitchen-timer dial with a crown, bottom on the digits' bottom row.
constexpr std::array<const char *, 24> DialRows{
    "........###............",
    "........###............",
    ".......#####...........",
    ".....#########.........",
    "....###.....###........",
    "...##....#....##.......",
    "...##.......#.##.......",
    "..##.......#...##......",
    "..##.....##....##......",
    "..##.#...##..#.##......",
    "..##...........##......",
    "..##...........##......",
    "...##.........##.......",
    "...##....#....##.......",
    "....###.....###........",
    ".....#########.........",
    ".......#####...........",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
};

// Stopwatch: a figure in mid-stride, feet on the digits' bottom row.
constexpr std::array<const char *, 30> RunnerRows{
    ".......................",
    "............##.........",
    "...........####........",
    "...........####........",
    "............##.........",
    ".......................",
    "..........###...##.....",
    ".......#######.##......",
    ".....###.#######.......",
    "....##...###...........",
    "...##...###............",
    "........###............",
    ".......####............",
    "......######...........",
    ".....###..###..........",
    "....###....###.........",
    "...###......##.........",
    ".#####......##.........",
    "##..........##.........",
    "............####.......",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
    ".......................",
};

// Dotted slash, digit-sized dots rising to the right.
constexpr std::array<const char *, 28> DottedSlashRows{
    "..................",
    ".............###..",
    ".............###..",
    ".............###..",
    ".............###..",
    "..................",
    "..........###.....",
    "..........###.....",
    "..........###.....",
    "..........###.....",
    "..................",
    ".......###........",
    ".......###........",
    ".......###........",
    ".......###........",
    "..................",
    "....###...........",
    "....###...........",
    "....###...........",
    "....###...........",
    "..................",
    ".###..............",
    ".###..............",
    ".###..............",
    ".###..............",
    "..................",
    "..................",
    "..................",
};
// clang-format on

template <std::size_t Height>
constexpr bool hasWidth(const std::array<const char *, Height> &rows, std::size_t width) {
    for (const char *row : rows)
        if (std::string_view(row).size() != width)
            return false;
    return true;
}

static_assert(hasWidth(ColonRows, 25));
static_assert(hasWidth(LetterHRows, 16));
static_assert(hasWidth(LetterMAfterHoursRows, 16));
static_assert(hasWidth(LetterMAfterMinutesRows, 16));
static_assert(hasWidth(LetterSRows, 16));
static_assert(hasWidth(DialRows, 23));
static_assert(hasWidth(RunnerRows, 23));
static_assert(hasWidth(LetterARows, 18));
static_assert(hasWidth(LetterPRows, 14));
static_assert(hasWidth(DottedSlashRows, 18));

template <std::size_t Height> Bitmap toBitmap(const std::array<const char *, Height> &rows) {
    Bitmap picture;
    picture.width = static_cast<int>(std::string_view(rows[0]).size());
    picture.height = static_cast<int>(Height);
    picture.rows.assign(rows.begin(), rows.end());
    return picture;
}

} // namespace

const Bitmap &IndicatorPicture(int index) {
    // In Indicator order.
    static const std::array<Bitmap, IndicatorCount> pictures{
        toBitmap(ColonRows),
        toBitmap(LetterHRows),
        toBitmap(LetterMAfterHoursRows),
        toBitmap(LetterMAfterMinutesRows),
        toBitmap(LetterSRows),
        toBitmap(DialRows),
        toBitmap(RunnerRows),
        toBitmap(LetterARows),
        toBitmap(LetterPRows),
        toBitmap(DottedSlashRows),
    };
    return pictures.at(index);
}

} // namespace pomelo
