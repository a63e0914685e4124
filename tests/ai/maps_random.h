// Positions reached by random play from the starting position, for the map
// tests that compare against brute force or check that probes leave the board
// alone. Deterministic: the same seed gives the same positions.
#pragma once

#include <random>
#include <vector>

#include "core/game_state.h"
#include "core/movegen.h"
#include "core/rules.h"

namespace murokan::testing_maps {

// `count` positions, each taken after a random move; a game that ends (a king
// taken, no move left, or 160 plies) restarts from the starting position.
inline std::vector<GameState> ランダム局面(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    out.reserve(count);
    GameState g;
    MoveList moves;
    int ply = 0;
    auto restart = [&] {
        初期設定_状態(g);
        g.ji_teban = TEBAN_SENTE;
        g.teki_teban = TEBAN_GOTE;
        g.teban = (rng() & 1) ? TEBAN_SENTE : TEBAN_GOTE;
        ply = 0;
    };
    restart();
    while (static_cast<int>(out.size()) < count) {
        moves.count = 0;
        generate_moves(g, moves);
        if (moves.count == 0 || g.shuukyoku != 0 || ply >= 160) {
            restart();
            continue;
        }
        play_move(g, moves.moves[rng() % moves.count]);
        ++ply;
        if (g.shuukyoku == 0) out.push_back(g);
    }
    return out;
}

}  // namespace murokan::testing_maps
