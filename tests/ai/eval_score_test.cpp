// Scores of single trial moves and of the danger-square walk, each worked out
// by hand on a small position where only a few terms are not zero.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "ai/evaluation.h"
#include "com_fixture.h"

namespace murokan::com_test {
namespace {

struct 採点例 {
    const char* name;
    const char* sfen;
    const char* move;
    int level;
    double score;
    int after;
};

// How each expected score is made up (T the destination; "approach" is the
// 0.1 of step 5 when the source was farther from the bottom king):
const 採点例 kScores[] = {
    // Lance 9c9d: approach 0.1; a lance moved on the board finishes with -0.9.
    {"lance_board_move_finishes_minus_0_9", "4k4/9/8l/9/9/9/9/9/4K4 b -", "1c1d", 3, -0.8, 20},
    // The same at level 2: no piece rules, only the approach.
    {"level2_skips_piece_rules", "4k4/9/8l/9/9/9/9/9/4K4 b -", "1c1d", 2, 0.1, 20},
    // Level 1 scores every term, like level 3.
    {"level1_scores_like_level3", "4k4/9/8l/9/9/9/9/9/4K4 b -", "1c1d", 1, -0.8, 20},
    // King 5c5d: approach 0.1, row 4 costs 15 + 4.
    {"king_to_row4_costs_19", "9/9/4k4/9/9/9/9/9/4K4 b -", "5c5d", 3, -18.9, 80},
    // King 5a4a: off the centre file +1 and nothing else.
    {"king_off_centre_file", "4k4/9/9/9/9/9/9/9/4K4 b -", "5a4a", 3, 1.0, 80},
    // Rook 1c5c checks the king on 5e from two squares: unattacked T +10,
    // approach 0.1, two escapes taken +2, the square in front attacked -1,
    // then on the king's file within two squares it finishes with +100.
    {"rook_beside_king_finishes_plus_100", "k8/9/8r/9/4K4/9/9/9/9 b -", "1c5c", 3, 111.1, 70},
    // Rook 9c9a: unattacked, but its only safe square left is 9b (9c is
    // attacked by the pawn): finishes with -35. The pawn below 9c is met by
    // the rook and the knight, so the danger walk adds nothing.
    {"boxed_rook_finishes_minus_35", "1n2k4/9/r8/P8/9/9/9/9/4K4 b -", "9c9a", 3, -35, 70},
    // Pawn drop 5e in front of the bottom rook, guarded by the gold: drop -5,
    // approach 0.1 (the gold's square is the last source tried), and the pawn
    // rule finishes with +120.
    {"pawn_drop_blocking_rook_finishes_plus_120", "k8/9/9/4g4/9/9/4R4/9/8K b p", "P*5e", 3, 115.1,
     10},
    // Silver 4b3c beside our pawn on 2c, a bottom pawn on 2e: approach 0.1,
    // and the silver rule finishes with +115.
    {"silver_to_7_3_finishes_plus_115", "4k4/5s3/7p1/9/7P1/9/9/9/4K4 b -", "4b3c", 3, 115.1, 40},
    // Gold drop 9h: mate.
    {"mating_drop_scores_9998", "8k/9/9/9/9/9/9/9/K8 b g", "G*9h", 3, 9998, 50},
    // Pawn drop 9h mates too (the gold on 7h takes both escapes): a pawn may not mate.
    {"mating_pawn_drop_scores_minus_9998", "8k/9/9/9/9/9/9/2g6/K8 b p", "P*9h", 3, -9998, 10},
    // Gold 5g5h mates, but uncovers the bottom rook's line to our king on 9g.
    {"own_king_left_attacked_beats_mate", "9/9/9/9/9/9/k3g3R/9/4K4 b -", "5g5h", 3, -9998, 50},
    {"same_mate_without_the_rook", "9/9/9/9/9/9/k3g4/9/4K4 b -", "5g5h", 3, 9998, 50},
    // Gold drop 5e in front of a bottom pawn, undefended: drop -5; danger: the
    // exchange loss 10 - 50 and the hanging gold -50; approach 0.1 (the last
    // board move tried is the king's from 9a); dropped into attack -(50 + 50).
    {"drop_into_undefended_attack", "k8/9/9/9/9/4P4/9/9/8K b g", "G*5e", 3, -194.9, 50},
};

class 採点表 : public ::testing::TestWithParam<採点例> {};

TEST_P(採点表, ScoreMatchesHandCount) {
    const 採点例& e = GetParam();
    GameState g = 局面(e.sfen);
    g.com_level = e.level;
    ComState c;
    const GameState before = g;
    const 採点 r = 採点_USI(g, c, e.move);
    EXPECT_DOUBLE_EQ(r.score, e.score);
    EXPECT_EQ(r.after, e.after);
    // The trial is taken back: board and hands as they were.
    EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
    EXPECT_EQ(0, std::memcmp(before.mochi_teki, g.mochi_teki, sizeof g.mochi_teki));
}

INSTANTIATE_TEST_SUITE_P(Eval, 採点表, ::testing::ValuesIn(kScores),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- danger squares

struct 危険例 {
    const char* name;
    const char* sfen;
    double danger;
};

const 危険例 kDanger[] = {
    // Silver on 5e attacked by a pawn, undefended: exchange loss 10 - 40, hanging -40.
    {"hanging_silver", "k8/9/9/9/4s4/4P4/9/9/8K b -", -70},
    // On row 3 the hanging piece costs 10 more, and 20 more against a pawn.
    {"hanging_silver_in_own_camp", "k8/9/4s4/4P4/9/9/9/9/8K b -", -100},
    // Defended by the gold above it: only the exchange loss.
    {"defended_silver", "k8/9/9/4g4/4s4/4P4/9/9/8K b -", -30},
    // King on row 1, the square in front attacked as often as defended, gold in
    // the bottom hand: -50 -250 -700; that square is also beside the king
    // (-0.5 per attacker, -10 for the gold in hand) and has a pawn below it
    // (-30); twenty empty unattacked squares in rows 1..3 cost 0.1 each.
    {"king_front_square_attacked", "4k4/9/4P4/9/9/9/9/9/4K4 b G", -1042.5},
};

class 危険表 : public ::testing::TestWithParam<危険例> {};

TEST_P(危険表, DangerMatchesHandCount) {
    const 危険例& e = GetParam();
    GameState g = 局面(e.sfen);
    ComState c;
    思考_準備(g, c);
    EXPECT_DOUBLE_EQ(std::round(盤評価_COM危険座標(g, c, 0, 0, 0) * 10) / 10, e.danger);
}

INSTANTIATE_TEST_SUITE_P(Eval, 危険表, ::testing::ValuesIn(kDanger),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvalDanger, HangingPieceThatJustCapturedGetsItsCaptureBack) {
    GameState g = 局面("k8/9/9/9/4s4/4P4/9/9/8K b -");
    ComState c;
    思考_準備(g, c);
    c.ban_kaishi[5][5] = -KEI;  // a bottom knight stood there before the turn
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(g, c, 0, 0, 0), -70 + 30);
}

// Drop threats of the bottom side, isolated by comparing two hands that differ
// in one piece: a pawn in hand triggers none of the terms below.
struct 持駒差例 {
    const char* name;
    const char* board;
    const char* hand;
    double diff;
};

const 持駒差例 kHandDiffs[] = {
    // A knight dropped on 5e would fork the golds on 6c and 4c.
    {"knight_fork", "8k/9/3g1g3/9/9/9/9/9/4K4", "N", -20},
    // A silver dropped on 5e would fork the loose pawns on 6d and 4f.
    {"silver_fork", "8k/9/9/3p5/9/5p3/9/9/K8", "S", -20},
    // A lance dropped on 5d (which no top piece reaches) would skewer the
    // knight on 5c and the rook on 5a: -(100 + 70 / 2).
    {"lance_skewer", "4r3k/9/4n4/9/9/9/9/9/K8", "L", -135},
};

class 持駒差表 : public ::testing::TestWithParam<持駒差例> {};

TEST_P(持駒差表, OneHandPieceMakesTheDifference) {
    const 持駒差例& e = GetParam();
    auto danger = [&](const std::string& hand) {
        GameState g = 局面(std::string(e.board) + " b " + hand);
        ComState c;
        思考_準備(g, c);
        return 盤評価_COM危険座標(g, c, 0, 0, 0);
    };
    EXPECT_NEAR(danger(e.hand) - danger("P"), e.diff, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Eval, 持駒差表, ::testing::ValuesIn(kHandDiffs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EvalDanger, EmptyBottomHandScoresNoDropThreat) {
    // The knight-fork board: with nothing in the bottom hand, none of the drop
    // terms apply, and nothing else on this board is in danger.
    GameState g = 局面("8k/9/3g1g3/9/9/9/9/9/4K4 b -");
    ComState c;
    思考_準備(g, c);
    EXPECT_DOUBLE_EQ(盤評価_COM危険座標(g, c, 0, 0, 0), 0);
}

}  // namespace
}  // namespace murokan::com_test
