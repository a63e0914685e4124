// The position the rules and the computer work on: the board, the hands, whose
// turn it is, the kings' squares, the two-pawn flags and whether a king has
// been taken. Nothing of the window (clocks, modes, clicks) lives here, so a
// search can copy a position cheaply.
#pragma once

#include "core/constants.h"

namespace murokan {

struct Position {
    // ban[x][y]: x the column from the left, y the row from the top, both 1..9.
    // Row 0 and column 0 exist and always hold KARA.
    int ban[10][10] = {};

    // Counts per hand kind 1..7 (1 歩 … 7 飛); index 0 unused.
    int mochi_ji[8] = {};    // bottom side's hand
    int mochi_teki[8] = {};  // top side's hand
    int mochi_ji_kazu = 0;   // totals, kept equal to the sums above
    int mochi_teki_kazu = 0;

    int teban = TEBAN_NASHI;  // side to move; 0 while no game runs
    int ji_teban = TEBAN_SENTE;   // the bottom side's turn code
    int teki_teban = TEBAN_GOTE;  // the top side's turn code
    int shuukyoku = 0;  // 0 while both kings stand, else the winner's turn code

    // nifu_ji[x] = 1 when column x holds an unpromoted bottom pawn; likewise top.
    int nifu_ji[10] = {};
    int nifu_teki[10] = {};

    int ji_ou_x = 5, ji_ou_y = 9;
    int teki_ou_x = 5, teki_ou_y = 1;

    // Every field alike.
    friend bool operator==(const Position&, const Position&) = default;
};

// True when (x, y) is one of the 81 squares: the board's border row and
// column 0 and the hand stands' columns are not.
constexpr bool on_board(int x, int y) {
    return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

}  // namespace murokan
