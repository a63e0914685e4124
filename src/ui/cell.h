// The window grid: every position on the window is a cell of the board's grid
// continued beyond the board. Cell (x, y) may be fractional or negative.
#pragma once

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

}  // namespace murokan
