// The searching levels' evaluation: what a piece is worth on the board and in
// hand, and the strikes on a king that the search treats as this game's check.
#include "ai/engine_eval.h"

#include <gtest/gtest.h>

#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan {
namespace {

GameState position(const std::string& sfen) {
    GameState g;
    EXPECT_EQ(parse_sfen(sfen.c_str(), g), nullptr) << sfen;
    return g;
}

// Two kings far apart; the side to move (b) is the one whose piece is added.
constexpr const char* kBase = "4k4/9/9/9/9/9/9/9/4K4 b - 1";

TEST(EngineEval, MaterialOnTheBoardAndInHand) {
    const EvalWeights w;
    struct Case {
        const char* sfen;
        int expected;
    };
    const Case cases[] = {
        {"4k4/9/9/9/4P4/9/9/9/4K4 b - 1", w.board[1]},
        {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", w.board[7]},
        {"4k4/9/9/9/4+R4/9/9/9/4K4 b - 1", w.promoted[7]},
        {"4k4/9/9/9/4+P4/9/9/9/4K4 b - 1", w.promoted[1]},
        {"4k4/9/9/9/4g4/9/9/9/4K4 b - 1", -w.board[5]},
        {"4k4/9/9/9/9/9/9/9/4K4 b G 1", w.board[5] * w.hand_percent / 100},
        {"4k4/9/9/9/9/9/9/9/4K4 b 2p 1", -2 * w.board[1] * w.hand_percent / 100},
        {"4k4/9/9/9/4b4/9/9/9/4K4 b B 1", w.board[6] * w.hand_percent / 100 - w.board[6]},
    };
    const Evaluator e(w);
    const int base = e.material(position(kBase));
    for (const Case& c : cases)
        EXPECT_EQ(e.material(position(c.sfen)) - base, c.expected) << c.sfen;
}

// A king is struck by a move onto its empty neighbour towards it, with the
// king jammed behind by a piece or the edge; a knight strikes only diagonally.
TEST(EngineEval, StrikesOnAKing) {
    struct Case {
        const char* sfen;
        int strikes;  // on the top king, by the bottom side
    };
    const Case cases[] = {
        {"4k4/9/4P4/9/9/9/9/9/4K4 b - 1", 1},    // pawn steps up to the king on the edge
        {"4k4/9/9/4P4/9/9/9/9/4K4 b - 1", 0},    // one square too far
        {"4k4/9/9/9/4L4/9/9/9/4K4 b - 1", 1},    // lance runs up the file
        {"4k4/4p4/9/9/4L4/9/9/9/4K4 b - 1", 0},  // its own piece stands on the door
        {"9/4k4/9/9/4L4/9/9/9/4K4 b - 1", 0},    // nothing behind: the king would slide
        {"4s4/4k4/9/9/4L4/9/9/9/4K4 b - 1", 1},  // jammed by its own silver
        {"4k4/9/3N5/9/9/9/9/9/4K4 b - 1", 0},    // knight's landings: the king's square, or far
        {"4k4/9/9/6N2/9/9/9/9/4K4 b - 1", 1},    // knight jumps to the diagonal neighbour
        {"4k4/9/2B6/9/9/9/9/9/4K4 b - 1", 1},    // bishop along the diagonal, edge behind
        {"4k4/9/4P4/9/9/9/9/9/4K4 b R 1", 1},    // a piece in hand strikes nothing
        {"k7k/9/P8/9/9/9/9/9/4K4 b - 1", 1},     // two kings: the first one read counts
    };
    for (const Case& c : cases) {
        const GameState g = position(c.sfen);
        int top_king = 0;
        for (int x = 1; x <= BAN_SIZE; ++x)
            for (int y = 1; y <= BAN_SIZE; ++y)
                if (g.ban[x][y] == OU || g.ban[x][y] == -OU) {
                    if (y < 5) top_king = g.ban[x][y];
                }
        EXPECT_EQ(king_strikes(g, top_king), c.strikes) << c.sfen;
        // The evaluation counts the same strikes for the search on its way.
        Evaluator e;
        int strikes = -1;
        e.evaluate(g, &strikes);
        EXPECT_EQ(strikes, c.strikes) << c.sfen;
    }
}

}  // namespace
}  // namespace murokan
