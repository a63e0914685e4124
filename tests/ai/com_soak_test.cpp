// Self-play soak: the computer (top side, its choice played through the rules'
// play_move as the game plays it) against a seeded random bottom side,
// checking the game's invariants after every move.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "ai/choose.h"
#include "com_fixture.h"

namespace murokan::com_test {
namespace {

int 王の数(const GameState& g) {
    return (調査_駒存在(g, OU) == FLAG_ON) + (調査_駒存在(g, -OU) == FLAG_ON);
}

bool 正しい駒(int code) {
    const int a = std::abs(code);
    return a == KARA || a == HU || a == HU_NARI || a == KYOU || a == KYOU_NARI || a == KEI ||
           a == KEI_NARI || a == GIN || a == GIN_NARI || a == KIN || a == KAKU || a == KAKU_NARI ||
           a == SYA || a == SYA_NARI || a == OU;
}

// The invariants every position of a game keeps. Returns "" or what broke.
std::string 不変条件(const GameState& g) {
    int on_board = 0;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const int code = g.ban[x][y];
            if ((x == 0 || y == 0) && code != KARA) return "row or column 0 written";
            if (!正しい駒(code)) return "bad code " + std::to_string(code);
            on_board += code != KARA;
        }
    }
    int ji = 0, teki = 0;
    for (int k = 1; k <= 7; ++k) {
        if (g.mochi_ji[k] < 0 || g.mochi_teki[k] < 0) return "negative hand";
        ji += g.mochi_ji[k];
        teki += g.mochi_teki[k];
    }
    if (ji != g.mochi_ji_kazu || teki != g.mochi_teki_kazu) return "hand totals out of step";
    if (on_board + ji + teki != 40 - (2 - 王の数(g))) return "pieces lost or made";
    return "";
}

TEST(ComSoak, FiftyGamesAgainstRandomPlay) {
    std::mt19937 rng(2024);
    int finished = 0;
    int com_wins = 0;
    for (int game = 0; game < 50; ++game) {
        GameState g = 局面("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -");
        ComState c;
        // The bottom side moves first in even games, the computer in odd ones.
        if (game % 2 == 1) g.teban = g.teki_teban;
        while (g.shuukyoku == 0 && g.tesuu < MAX_KIFU) {
            const std::string where = "game " + std::to_string(game) + " move " +
                                      std::to_string(g.tesuu) + " " + format_sfen(g);
            if (g.teban == g.ji_teban) {
                MoveList list;
                generate_moves(g, list);
                if (list.count == 0) break;
                const PlayReport r = play_move(g, list.moves[rng() % list.count]);
                ASSERT_LE(r.chain.passes, 8) << where;
                g.tesuu += 1;
            } else {
                const std::optional<Move> m = choose(g, c);
                ASSERT_TRUE(m.has_value()) << where << ": no move chosen";
                // The move chosen is legal for the top side.
                ASSERT_TRUE(is_legal_move(g, *m)) << where << " " << usi(*m);
                const PlayReport r = play_move(g, *m);
                ASSERT_LE(r.chain.passes, 8) << where;
                ASSERT_EQ(g.teban, g.ji_teban) << where;
                g.tesuu += 1;
            }
            ASSERT_EQ(不変条件(g), "") << where;
        }
        finished += g.shuukyoku != 0;
        com_wins += g.shuukyoku == g.teki_teban;
        if (g.shuukyoku != 0) {
            EXPECT_EQ(王の数(g), 1);
        }
    }
    // Random play rarely survives long; the computer wins most games (a sign
    // error in the evaluation would turn this round).
    EXPECT_GT(finished, 40);
    EXPECT_GT(com_wins, 2 * (finished - com_wins));
}

}  // namespace
}  // namespace murokan::com_test
