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

// The hand stands, the one place that knows their rows: each hand shows its
// seven kinds (1 歩 … 7 飛) in a column beside the board, 歩 nearest the middle
// of the window and 飛 nearest its own side. The bottom hand (JI_MOCHI_X)
// runs from row 3 to row 9, the top hand (TEKI_MOCHI_X) from row 7 up to row 1.

// The row of the stand `stand_x` that shows `kind` (1..7).
constexpr int stand_row(int stand_x, int kind) {
    return stand_x == TEKI_MOCHI_X ? 8 - kind : kind + 2;
}

// The kind that cell c shows on a hand stand, 0 when c is on neither stand.
constexpr int stand_kind(Cell c) {
    if (c.x != JI_MOCHI_X && c.x != TEKI_MOCHI_X) return 0;
    const int kind = c.x == TEKI_MOCHI_X ? 8 - c.y : c.y - 2;
    return kind >= 1 && kind <= 7 ? kind : 0;
}

}  // namespace murokan
