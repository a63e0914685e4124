// Small helpers for building positions in the rules tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/game_state.h"
#include "core/rules.h"

namespace murokan::test {

struct Piece {
    int x, y, code;
};

// An empty board, the bottom side 先手, nobody to move yet.
inline GameState empty_game() {
    GameState g;
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    return g;
}

inline void place(GameState& g, const std::vector<Piece>& pieces) {
    for (const Piece& p : pieces) g.ban[p.x][p.y] = p.code;
}

inline GameState board_with(const std::vector<Piece>& pieces) {
    GameState g = empty_game();
    place(g, pieces);
    return g;
}

// Counts pieces standing on the board (every non-empty square).
inline int pieces_on_board(const GameState& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) n += g.ban[x][y] != KARA;
    }
    return n;
}

inline int hand_sum(const int (&hand)[8]) {
    int n = 0;
    for (int k = 1; k <= 7; ++k) n += hand[k];
    return n;
}

}  // namespace murokan::test
