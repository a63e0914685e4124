// The game the board shows. The window's turns are played through it; every
// other change of the board (a new board, the handicap ladder, the history's
// steps, 反転, a loaded record, the driver) makes it start over from what the
// board shows when the next turn asks for it.
#include <utility>
#include <vector>

#include "flow/form1.h"

namespace murokan {

namespace {

// True when a and b differ at most in what is worked out from the board: the
// kings' squares and the two-pawn flags, which the window works out again
// between turns for its own drawing and for the computer.
bool same_placement(const Position& a, const Position& b) {
    Position c = a;
    for (int x = 0; x < 10; ++x) {
        c.nifu_ji[x] = b.nifu_ji[x];
        c.nifu_teki[x] = b.nifu_teki[x];
    }
    c.ji_ou_x = b.ji_ou_x;
    c.ji_ou_y = b.ji_ou_y;
    c.teki_ou_x = b.teki_ou_x;
    c.teki_ou_y = b.teki_ou_y;
    return c == b;
}

}  // namespace

Game& Form1::game_for_turn(int side) {
    GameState board = g;
    board.teban = side;
    const Position& now = game_.position();
    const bool same_ply = game_.plies() == g.kifu_genzai;
    if (same_ply && now == static_cast<const Position&>(board)) return game_;
    // The same placement with its worked-out fields refreshed goes on as the
    // same game, its history kept.
    std::vector<Position> earlier;
    if (same_ply && same_placement(now, board)) {
        earlier.assign(game_.history().begin(), game_.history().end() - 1);
    }
    game_.start(board, g.kifu_genzai, std::move(earlier));
    return game_;
}

}  // namespace murokan
