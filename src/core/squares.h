// Sets of board squares, one bit per square, and the numbering behind them.
#pragma once

#include <cstdint>

#include "core/position.h"

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

// The lowest and the highest square number of a set that is not empty.
inline int lowest_square(Squares s) {
    const auto lo = static_cast<std::uint64_t>(s);
    return lo != 0 ? __builtin_ctzll(lo)
                   : 64 + __builtin_ctzll(static_cast<std::uint64_t>(s >> 64));
}
inline int highest_square(Squares s) {
    const auto hi = static_cast<std::uint64_t>(s >> 64);
    return hi != 0 ? 127 - __builtin_clzll(hi)
                   : 63 - __builtin_clzll(static_cast<std::uint64_t>(s));
}

// The squares of g that hold a piece.
inline Squares occupied_squares(const Position& g) {
    Squares s = 0;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (g.ban[x][y] != KARA) s |= square_bit(square_index(x, y));
        }
    }
    return s;
}

}  // namespace murokan
