// Sets of board squares, one bit per square, and the numbering behind them.
#pragma once

#include <cstdint>

namespace murokan {

// A square as a number 0..80: (x - 1) * 9 + (y - 1), so that ascending numbers
// run column by column and row by row within a column.
constexpr int square_index(int x, int y) {
    return (x - 1) * 9 + (y - 1);
}
constexpr int square_x(int i) {
    return i / 9 + 1;
}
constexpr int square_y(int i) {
    return i % 9 + 1;
}

// A set of squares: bit i for square number i.
using Squares = unsigned __int128;

constexpr Squares square_bit(int i) {
    return Squares{1} << i;
}

// The lowest square number of a set that is not empty.
inline int lowest_square(Squares s) {
    const auto lo = static_cast<std::uint64_t>(s);
    return lo != 0 ? __builtin_ctzll(lo)
                   : 64 + __builtin_ctzll(static_cast<std::uint64_t>(s >> 64));
}

}  // namespace murokan
