// Counting tests: the number of legal moves and drops of the side to move
// (depth 1), and of the replies after each of them with the strike chain
// played (depth 2). A position where a king has been taken has no moves.
//
// The depth-1 counts were worked out by hand piece by piece (see the notes by
// each position); at depth 2 the small position was counted by hand and a few
// single replies from the start were reasoned out, the rest locked in.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan {
namespace {

std::int64_t perft(const GameState& g, int depth) {
    if (depth == 0) return 1;
    if (g.shuukyoku != 0) return 0;
    GameState work = g;
    MoveList list;
    generate_moves(work, list);
    if (depth == 1) return list.count;
    std::int64_t n = 0;
    for (const Move& m : list) {
        GameState next = work;
        play_move(next, m);
        n += perft(next, depth - 1);
    }
    return n;
}

GameState position(std::string_view sfen) {
    GameState g;
    const char* error = parse_sfen(sfen, g);
    EXPECT_EQ(error, nullptr) << (error ? error : "");
    return g;
}

struct PerftCase {
    const char* name;
    const char* sfen;
    std::int64_t depth1, depth2;
};

const PerftCase kPositions[] = {
    // 9 pawns, 2 lances, 4 silver, 6 gold, 3 king, 6 rook steps. At depth 2
    // fewer than 30 x 30: most pawn pushes flick the opposing pawn back to
    // row 2 and so change the top side's replies.
    {"start", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 30, 861},
    // King 5, pawn 1, gold drops on 78 empty squares = 84. Replies: the king
    // step to 5h flicks the pawn up against the top king and takes it (0);
    // the pawn push finds the king jammed at a distance, so nothing happens
    // (5); four other king steps (4 x 5); gold drops 78 x 5 less the five
    // drops on the top king's own squares = 385. 20 + 5 + 385 = 410.
    {"lone kings", "4k4/9/9/9/4P4/9/9/9/4K4 b G 1", 84, 410},
    // Board moves 31 (pawns 9, silvers 4 + 2, golds 3 + 3, king 4, rook 3,
    // lances 2, knight 1) plus a bishop drop on each of 44 empty squares.
    {"middle game, bishops in hand",
     "ln1g3nl/1r3kg2/p2ppp1pp/2ps2p2/1p5P1/2P1P1P2/PPSP1P2P/2G3SR1/LN2KG1NL b Bbs 1", 75, 9047},
    // Top to move. Board moves 30 (dragon 12, gold 5, king 4, silver 3,
    // pawns 4, knight 2). Drops on 65 empty squares: pawns 34 (only files
    // without a top pawn), lance 57 (not row 9), knight 49 (not rows 8-9),
    // silver, gold and bishop 65 each.
    {"endgame, top full hand",
     "3g1k3/5s3/2+P1p1n2/p5p1p/9/P1+r3P1P/4+B4/5G3/2K6 w RGSNL3Pbgs2nl5p 1", 365, 134853},
};

TEST(Perft, Counts) {
    for (const PerftCase& c : kPositions) {
        const GameState g = position(c.sfen);
        EXPECT_EQ(perft(g, 1), c.depth1) << c.name;
        EXPECT_EQ(perft(g, 2), c.depth2) << c.name;
    }
}

// Replies to single first moves, reasoned out square by square.
TEST(Perft, RepliesFromTheStart) {
    struct {
        const char* move;
        std::int64_t replies;
        const char* why;
    } const cases[] = {
        {"1g1f", 31, "1c pawn flicked to 1b: lance -1, bishop and knight reach 1c +2"},
        {"9g9f", 29, "9c pawn flicked to 9b: lance -1, rook -1, knight reaches 9c +1"},
        {"7g7f", 24, "7c pawn to 7b: silver -1, gold -1, rook's five steps right -5, knight +1"},
        {"8g8f", 30, "8c pawn is jammed at a distance under the rook: nothing changes"},
        {"7i6h", 34,
         "silver flicks 5g pawn up the diagonal to 2d, which takes 1c: lance +4, knight +1, "
         "bishop +1, 1c pawn -1, 2c pawn blocked -1"},
    };
    const GameState start = position(kStartSfen);
    for (const auto& c : cases) {
        GameState g = start;
        Move m;
        ASSERT_EQ(parse_usi_move(c.move, g, m), nullptr) << c.move;
        ASSERT_TRUE(is_legal_move(g, m)) << c.move;
        play_move(g, m);
        EXPECT_EQ(perft(g, 1), c.replies) << c.move << ": " << c.why;
    }
}

TEST(Perft, GeneratedMovesAreExactlyTheLegalOnes) {
    // Every generated move passes the driver's own check, and the number of
    // (source, destination, promotion) triples the check accepts equals the
    // number generated.
    for (const PerftCase& c : kPositions) {
        GameState g = position(c.sfen);
        MoveList list;
        generate_moves(g, list);
        for (const Move& m : list) EXPECT_TRUE(is_legal_move(g, m)) << c.name;

        int accepted = 0;
        for (int x1 = -1; x1 <= 11; ++x1) {
            for (int y1 = 1; y1 <= 9; ++y1) {
                for (int x2 = 1; x2 <= 9; ++x2) {
                    for (int y2 = 1; y2 <= 9; ++y2) {
                        for (bool promote : {false, true}) {
                            Move m{static_cast<std::int8_t>(x1),
                                   static_cast<std::int8_t>(y1),
                                   static_cast<std::int8_t>(x2),
                                   static_cast<std::int8_t>(y2),
                                   0,
                                   promote};
                            if (m.is_drop()) {
                                const int kind = y1;
                                m.piece = static_cast<std::int16_t>(x1 == JI_MOCHI_X ? -10 * kind
                                                                                     : 10 * kind);
                            } else if (x1 >= 1 && x1 <= 9) {
                                m.piece = static_cast<std::int16_t>(g.ban[x1][y1]);
                            } else {
                                continue;
                            }
                            accepted += is_legal_move(g, m);
                        }
                    }
                }
            }
        }
        EXPECT_EQ(accepted, list.count) << c.name;
    }
}

}  // namespace
}  // namespace murokan
