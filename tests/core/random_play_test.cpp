// Seeded random legal play from the start, both sides random. After every
// move the position must still hold together: no piece lost or made, hand
// totals equal to the hands, nothing outside the board, short chains.
#include <gtest/gtest.h>

#include "board.h"
#include "support/random_game.h"

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
    long long plies = 0, captures = 0, drops = 0, games_won = 0;
    for (int game = 0; game < kGames; ++game) {
        GameState g = test::start_of_game(game);
        test::play_randomly(g, rng, kMaxPlies, [&](const GameState& before, const Move& m,
                                                   const GameState& after, const PlayReport& r) {
            ++plies;
            drops += m.is_drop();
            captures += r.chain.sandwiched;
            const int kings_taken =
                (調査_駒存在(after, -OU) == FLAG_OFF) + (調査_駒存在(after, OU) == FLAG_OFF);
            const char* why = broken(after, kings_taken);
            ASSERT_EQ(why, nullptr) << why << " after " << format_usi_move(m) << " in game " << game
                                    << ": " << format_sfen(before);
            ASSERT_LE(r.chain.passes, 8) << "game " << game << ": " << format_sfen(before);
            ASSERT_EQ(after.teban, -before.teban);
            // The search's make_move, which writes no report, reaches the same position.
            Position quiet = before;
            make_move(quiet, m);
            ASSERT_TRUE(quiet == static_cast<const Position&>(after))
                << format_usi_move(m) << " in game " << game << ": " << format_sfen(before);
            // A king leaves the board exactly when the game is over.
            ASSERT_EQ(kings_taken > 0, after.shuukyoku != 0) << "game " << game;
            if (r.chain.sandwiched) {
                ASSERT_EQ(after.ban[r.chain.sand_x][r.chain.sand_y], KARA);
            }
        });
        ASSERT_FALSE(HasFatalFailure());
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
