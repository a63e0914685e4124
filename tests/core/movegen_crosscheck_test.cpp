// The move generator against the plain one it replaced: every source of the
// side to move tried on every square with 移動チェック. Both must give the same
// moves in the same order (the computer's tie-breaks and the perft counts rest
// on that order), over positions from random games and random scatterings.
#include <gtest/gtest.h>

#include <random>

#include "core/movegen.h"
#include "core/sfen.h"
#include "support/random_game.h"

namespace murokan {
namespace {

Move make(int x1, int y1, int x2, int y2, int piece, bool promote) {
    return Move{static_cast<std::int8_t>(x1),     static_cast<std::int8_t>(y1),
                static_cast<std::int8_t>(x2),     static_cast<std::int8_t>(y2),
                static_cast<std::int16_t>(piece), promote};
}

void reference_moves(GameState& g, MoveList& out) {
    out.count = 0;
    const bool bottom = g.teban != TEBAN_NASHI && g.teban == g.ji_teban;
    const bool top = g.teban != TEBAN_NASHI && !bottom && g.teban == g.teki_teban;
    if (!bottom && !top) return;
    for (int x1 = 1; x1 <= 9; ++x1) {
        for (int y1 = 1; y1 <= 9; ++y1) {
            const int code = g.ban[x1][y1];
            if (!owns_piece(g, code)) continue;
            for (int x2 = 1; x2 <= 9; ++x2) {
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (移動チェック(g, x1, y1, x2, y2, code) != FLAG_ON) continue;
                    if (調査_駒成(g, x1, y1, x2, y2, code) == FLAG_ON) {
                        out.push(make(x1, y1, x2, y2, code, true));
                    }
                    if (移動後チェック(y2, code) == FLAG_ON) {
                        out.push(make(x1, y1, x2, y2, code, false));
                    }
                }
            }
        }
    }
    const int* hand = bottom ? g.mochi_ji : g.mochi_teki;
    調査_2歩フラグ設定(g);
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int x1 = bottom ? JI_MOCHI_X : TEKI_MOCHI_X;
        const int y1 = kind;
        const int code = bottom ? -10 * kind : 10 * kind;
        for (int x2 = 1; x2 <= 9; ++x2) {
            for (int y2 = 1; y2 <= 9; ++y2) {
                if (移動チェック(g, x1, y1, x2, y2, code) == FLAG_ON) {
                    out.push(make(x1, y1, x2, y2, code, false));
                }
            }
        }
    }
}

// Compares the lists. generate_moves only reads the position, so the two-pawn
// rule it applies comes from the board, whatever the flags say.
void expect_same(const GameState& pos, const char* where) {
    GameState b = pos;
    MoveList fast, slow;
    generate_moves(pos, fast);
    reference_moves(b, slow);
    ASSERT_EQ(fast.count, slow.count) << where << ": " << format_sfen(pos);
    for (int i = 0; i < fast.count; ++i) {
        ASSERT_EQ(fast.moves[i], slow.moves[i])
            << where << " move " << i << ": " << format_sfen(pos) << " "
            << format_usi_move(slow.moves[i]);
    }
}

// Every code that can stand on the board, including promoted ones.
constexpr int kCodes[] = {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80};

TEST(MovegenCrossCheck, RandomGamesAndScatteredBoards) {
    std::mt19937 rng(777);
    // Positions met in random games, with either side playing first.
    for (int game = 0; game < 120; ++game) {
        GameState g = test::start_of_game(game);
        expect_same(g, "start");
        test::play_randomly(g, rng, 200, [](const GameState&, const Move&, const GameState& after,
                                            const PlayReport&) { expect_same(after, "game"); });
        ASSERT_FALSE(HasFatalFailure());
    }
    // Random scatterings: any piece on any square, full hands, pawns on last rows.
    for (int n = 0; n < 3000; ++n) {
        GameState g;
        g.teban = n % 3 == 0 ? TEBAN_GOTE : TEBAN_SENTE;
        if (n % 4 == 1) std::swap(g.ji_teban, g.teki_teban);
        const int density = 5 + static_cast<int>(rng() % 50);
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                if (static_cast<int>(rng() % 100) >= density) continue;
                const int code = kCodes[rng() % std::size(kCodes)];
                g.ban[x][y] = rng() % 2 ? code : -code;
            }
        }
        for (int k = 1; k <= 7; ++k) {
            g.mochi_ji[k] = static_cast<int>(rng() % 3);
            g.mochi_teki[k] = static_cast<int>(rng() % 3);
        }
        expect_same(g, "scatter");
    }
}

}  // namespace
}  // namespace murokan
