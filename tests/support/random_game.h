// Seeded random play, for the tests that need many positions met in real
// games: the rules' invariants, the move generator's cross-check and the
// computer's Zobrist keys.
#pragma once

#include <gtest/gtest.h>

#include <random>

#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan::test {

// The start position for game number `game` of a series: in odd games the
// bottom side plays second, so that a series covers both seatings.
inline GameState start_of_game(int game) {
    GameState g;
    EXPECT_EQ(parse_sfen(kStartSfen, g), nullptr);
    if (game % 2 == 1) {
        g.ji_teban = TEBAN_GOTE;
        g.teki_teban = TEBAN_SENTE;
        g.teban = g.teki_teban;
    }
    return g;
}

// Plays uniformly random legal moves on `g` until the game ends, the side to
// move has none, `max_plies` are played or a check fails. After each move,
// visit(before, move, after, report) runs with the position it was played in.
template <class Visit>
void play_randomly(GameState& g, std::mt19937& rng, int max_plies, Visit&& visit) {
    MoveList list;
    for (int ply = 0; ply < max_plies && g.shuukyoku == 0; ++ply) {
        generate_moves(g, list);
        if (list.count == 0) return;  // every piece blocked and the hand empty
        ASSERT_LT(list.count, MoveList::kCapacity) << format_sfen(g);
        const Move m = list.moves[std::uniform_int_distribution<int>(0, list.count - 1)(rng)];
        const GameState before = g;
        const PlayReport r = play_move(g, m);
        visit(before, m, g, r);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace murokan::test
