// The window grid: every position on the window is a cell of the board's grid
// continued beyond the board. Cell (x, y) may be fractional or negative.
#pragma once

#include <cmath>

#include "core/constants.h"

namespace murokan {

struct Twips {
    double x;
    double y;
};

// Top-left corner of cell (x, y) in twips.
constexpr Twips cell_twips(double x, double y) {
    return {BAN_X0 + MASU_W * x, BAN_Y0 + MASU_H * y};
}

struct Cell {
    int x;
    int y;
    friend bool operator==(Cell, Cell) = default;
};

// The cell that holds the point (x, y) twips; left of or above the grid gives
// negative cells.
inline Cell cell_at(double x, double y) {
    return {static_cast<int>(std::floor((x - BAN_X0) / MASU_W)),
            static_cast<int>(std::floor((y - BAN_Y0) / MASU_H))};
}

}  // namespace murokan
