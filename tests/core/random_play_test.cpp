// Seeded random legal play from the start, both sides random. After every
// move the position must still hold together: no piece lost or made, hand
// totals equal to the hands, nothing outside the board, short chains.
#include <gtest/gtest.h>

#include <random>

#include "board.h"
#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan {
namespace {

constexpr int kGames = 1000;
constexpr int kMaxPlies = 300;

// Returns a description of the first broken invariant, or nullptr.
const char* broken(const GameState& g, int kings_taken) {
    const int in_hand = test::hand_sum(g.mochi_ji) + test::hand_sum(g.mochi_teki);
    if (test::pieces_on_board(g) + in_hand != 40 - kings_taken) return "piece count";
    if (g.mochi_ji_kazu != test::hand_sum(g.mochi_ji)) return "bottom hand total";
    if (g.mochi_teki_kazu != test::hand_sum(g.mochi_teki)) return "top hand total";
    for (int k = 1; k <= 7; ++k) {
        if (g.mochi_ji[k] < 0 || g.mochi_teki[k] < 0) return "negative hand count";
    }
    for (int i = 0; i <= 9; ++i) {
        if (g.ban[0][i] != KARA || g.ban[i][0] != KARA) return "piece on row or column 0";
    }
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = g.ban[x][y] < 0 ? -g.ban[x][y] : g.ban[x][y];
            if (c != KARA && (c < 10 || c > 80 || c % 10 > 1 || c == 51 || c == 81)) {
                return "unknown code on the board";
            }
        }
    }
    return nullptr;
}

TEST(RandomPlay, PositionsStayWhole) {
    std::mt19937 rng(20240607);
    MoveList list;
    long long plies = 0, captures = 0, drops = 0, games_won = 0;
    for (int game = 0; game < kGames; ++game) {
        GameState g;
        ASSERT_EQ(parse_sfen(kStartSfen, g), nullptr);
        // Half the games with the bottom side playing second.
        if (game % 2 == 1) {
            g.ji_teban = TEBAN_GOTE;
            g.teki_teban = TEBAN_SENTE;
            g.teban = g.teki_teban;
        }
        for (int ply = 0; ply < kMaxPlies && g.shuukyoku == 0; ++ply) {
            generate_moves(g, list);
            if (list.count == 0) break;  // every piece blocked and the hand empty
            ASSERT_LT(list.count, MoveList::kCapacity);
            const Move m = list.moves[std::uniform_int_distribution<int>(0, list.count - 1)(rng)];
            const int mover = g.teban;
            const PlayReport r = play_move(g, m);
            ++plies;
            drops += m.is_drop();
            captures += r.chain.sandwiched;

            const int kings_taken =
                (調査_駒存在(g, -OU) == FLAG_OFF) + (調査_駒存在(g, OU) == FLAG_OFF);
            const char* why = broken(g, kings_taken);
            ASSERT_EQ(why, nullptr) << why << " after " << format_usi_move(m) << " in game " << game
                                    << " ply " << ply << ": " << format_sfen(g);
            ASSERT_LE(r.chain.passes, 8) << "game " << game << " ply " << ply;
            ASSERT_EQ(g.teban, -mover);
            // A king leaves the board exactly when the game is over.
            ASSERT_EQ(kings_taken > 0, g.shuukyoku != 0) << "game " << game;
            if (r.chain.sandwiched) {
                ASSERT_EQ(g.ban[r.chain.sand_x][r.chain.sand_y], KARA);
            }
        }
        games_won += g.shuukyoku != 0;
    }
    // The games must really exercise the strike chain, drops and endings.
    EXPECT_GT(captures, 1000);
    EXPECT_GT(drops, 1000);
    EXPECT_GT(games_won, 100);
    std::printf("plies %lld, captures %lld, drops %lld, games won %lld\n", plies, captures, drops,
                games_won);
}

}  // namespace
}  // namespace murokan
