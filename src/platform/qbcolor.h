// The 16-colour QBColor palette that every colour number of the game refers to.
#pragma once

#include <array>
#include <cstdint>

namespace murokan::platform {

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> kQbPalette{{
    {0, 0, 0},        // 0 black
    {0, 0, 128},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 128, 128},    // 3 cyan
    {128, 0, 0},      // 4 red
    {128, 0, 128},    // 5 magenta
    {128, 128, 0},    // 6 yellow (brown)
    {192, 192, 192},  // 7 white (light grey)
    {128, 128, 128},  // 8 grey
    {0, 0, 255},      // 9 light blue
    {0, 255, 0},      // 10 light green
    {0, 255, 255},    // 11 light cyan
    {255, 0, 0},      // 12 light red
    {255, 0, 255},    // 13 light magenta
    {255, 255, 0},    // 14 light yellow
    {255, 255, 255},  // 15 bright white
}};

// The colour of a QBColor number; numbers outside 0..15 are taken modulo 16.
constexpr Rgb qbColor(int n) {
    return kQbPalette[static_cast<std::size_t>(n & 15)];
}

}  // namespace murokan::platform
