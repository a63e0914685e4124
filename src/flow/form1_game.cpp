// The game the board shows. The window's turns are played through it; every
// other change of the board (a new board, the handicap ladder, 反転, a loaded
// record, the driver) makes it start over from what the board shows when the
// next turn asks for it, and a step back through the history takes it back.
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
    const bool same_ply = game_.plies() == g.kifu_genzai;
    if (same_ply && game_.position() == static_cast<const Position&>(board)) return game_;
    // The board shows a position of the game at the ply the history's cursor
    // names: the last one with its worked-out fields refreshed, or an earlier
    // one that 戻 stepped back to. The game goes on from there with the
    // positions before it; anything else starts a game of its own.
    const std::vector<Position>& h = game_.history();
    const int first = game_.plies() - static_cast<int>(h.size()) + 1;  // the ply of h[0]
    const int at = g.kifu_genzai - first;
    std::vector<Position> earlier;
    if (at >= 0 && at < static_cast<int>(h.size()) && same_placement(h[at], board)) {
        earlier.assign(h.begin(), h.begin() + at);
    }
    game_.start(board, g.kifu_genzai, std::move(earlier));
    return game_;
}

}  // namespace murokan
