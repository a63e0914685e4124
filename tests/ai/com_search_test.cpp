// The one-ply search: scan order and tie-break, promotion choices, the early
// stop among drops, levels, determinism, and positions without a legal move.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ai/choose.h"
#include "ai/evaluation.h"
#include "com_fixture.h"

namespace murokan::com_test {
namespace {

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -";

struct 探索例 {
    const char* name;
    const char* sfen;
    int level;
    const char* best;
    double score;
    int candidates;  // positions scored; -1 = not checked
};

const 探索例 kSearches[] = {
    // Pawn 3c3d opens our bishop: +10 (with the approach 0.1 and the board
    // move's -0.1).
    {"start_level3", kStart, 3, "3c3d", 10, -1},
    {"start_level1_same_as_3", kStart, 1, "3c3d", 10, -1},
    // Without piece rules everything scores at most 0.1; the first such move
    // in scan order is the lance on column 1.
    {"start_level2", kStart, 2, "9a9b", 0.1, -1},
    // King moves to 6b and 4b both score 1.1; 6b (column 4) comes first.
    {"tie_goes_to_first_in_scan_order", "4k4/9/9/9/9/9/9/9/4K4 b -", 3, "5a6b", 1.1, 5},
    // Three king moves, then gold drops down column 1: the eighth (9h) mates
    // and nothing after it is tried.
    {"early_stop_at_mating_drop", "8k/9/9/9/9/9/9/9/K8 b g", 3, "G*9h", 9998, 3 + 8},
    // The gold's step to 8h mates on the board, before any drop is tried.
    {"board_mate_before_drops", "8k/9/9/9/9/9/9/2g6/K8 b p", 3, "7h8h", 9998, -1},
    // The rook on 6f, attacked by a pawn and unguarded, runs to 9f where
    // nothing reaches it.
    {"loose_rook_runs", "k8/9/9/9/9/3rs4/3P5/9/8K b -", 3, "6f9f", 0, -1},
};

class 探索表 : public ::testing::TestWithParam<探索例> {};

TEST_P(探索表, PlaysTheExpectedMove) {
    const 探索例& e = GetParam();
    GameState g = 局面(e.sfen);
    g.com_level = e.level;
    const GameState before = g;
    ComState c;
    const 思考結果 r = 思考(g, c);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(usi(r.te), e.best);
    EXPECT_DOUBLE_EQ(r.score, e.score);
    EXPECT_DOUBLE_EQ(c.saikouten, e.score);
    if (e.candidates >= 0) {
        EXPECT_EQ(r.candidates, e.candidates);
    }
    // Every trial was taken back.
    EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
    EXPECT_EQ(0, std::memcmp(before.mochi_teki, g.mochi_teki, sizeof g.mochi_teki));
    EXPECT_EQ(before.mochi_teki_kazu, g.mochi_teki_kazu);
}

INSTANTIATE_TEST_SUITE_P(Com, 探索表, ::testing::ValuesIn(kSearches),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- promotion

struct 成り例 {
    const char* name;
    const char* sfen;
    const char* move;  // unpromoted USI
    int after;
    bool forced;  // the unpromoted piece could never move again
};

const 成り例 kPromotions[] = {
    {"lance_to_last_row_forced", "k8/9/9/9/9/9/8l/9/4K4 b -", "1g1i", KYOU_NARI, true},
    {"knight_to_row8_forced", "k8/9/9/9/9/7n1/9/9/4K4 b -", "2f3h", KEI_NARI, true},
    {"pawn_always_promotes", "k8/9/9/9/9/4p4/9/9/8K b -", "5f5g", HU_NARI, false},
    {"bishop_always_promotes", "k8/9/9/9/4b4/9/9/9/8K b -", "5e7g", KAKU_NARI, false},
    {"silver_promotes_when_better", "k8/9/9/9/9/4s4/9/9/8K b -", "5f5g", GIN_NARI, false},
    {"silver_stays_when_not_better", "k8/9/9/9/9/3rs4/3P5/9/8K b -", "5f5g", GIN, false},
};

class 成り表 : public ::testing::TestWithParam<成り例> {};

TEST_P(成り表, PromotionAsTheSearchChooses) {
    const 成り例& e = GetParam();
    GameState g = 局面(e.sfen);
    ComState c;
    const 採点 r = 採点_USI(g, c, e.move);
    EXPECT_EQ(r.after, e.after);

    // Score each form on its own and compare with the search's pick.
    const Move te = te_of(g, e.move);
    const int nari = te.piece + 1;
    const double s_nari = 一形評価(g, c, te, nari);
    if (e.forced) {
        EXPECT_DOUBLE_EQ(r.score, s_nari);
        return;
    }
    const double s_plain = 一形評価(g, c, te, te.piece);
    EXPECT_DOUBLE_EQ(r.score, std::max(s_plain, s_nari));
    if (te.piece == GIN) {
        EXPECT_EQ(r.after == GIN_NARI, s_nari > s_plain);
    }
}

INSTANTIATE_TEST_SUITE_P(Com, 成り表, ::testing::ValuesIn(kPromotions),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- random positions

// Positions reached by seeded random play from the start, with the top side
// to move; the search never sees who is to move, only the board and hands.
std::vector<GameState> 乱数局面(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState g = 局面(kStart);
        g.teban = g.ji_teban;
        const int plies = 10 + static_cast<int>(rng() % 60);
        for (int i = 0; i < plies && g.shuukyoku == 0; ++i) {
            MoveList list;
            generate_moves(g, list);
            if (list.count == 0) break;
            play_move(g, list.moves[rng() % list.count]);
        }
        if (g.shuukyoku != 0) continue;
        g.teban = g.teki_teban;
        out.push_back(g);
    }
    return out;
}

// The move the search must play, found without the search: every candidate in
// scan order, scored alone; the first with the top score, or the first drop
// reaching 9998.
std::string 素朴な最善(GameState g) {
    ComState c;
    思考_準備(g, c);
    double best = -99999;
    std::string best_usi = "none";
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy)
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    const int p = g.ban[fx][fy];
                    if (p < HU || 移動チェック(g, fx, fy, tx, ty, p) != FLAG_ON) continue;
                    Move te = Move::of(fx, fy, tx, ty, p, false);
                    const double s = 思考_候補評価(g, c, te);
                    if (s > best) best = s, best_usi = usi(te);
                }
    for (int k = 1; k <= 7; ++k)
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty) {
                if (g.mochi_teki[k] <= 0 ||
                    移動チェック(g, TEKI_MOCHI_X, k, tx, ty, 10 * k) != FLAG_ON) {
                    continue;
                }
                Move te = Move::of(TEKI_MOCHI_X, k, tx, ty, 10 * k, false);
                const double s = 思考_候補評価(g, c, te);
                if (s > best) {
                    best = s, best_usi = usi(te);
                    if (best >= HYOUKA_TSUMI) return best_usi;
                }
            }
    return best_usi;
}

TEST(ComSearch, PlaysTheFirstBestCandidateOnRandomPositions) {
    for (const GameState& pos : 乱数局面(25, 7)) {
        GameState g = pos;
        ComState c;
        const 思考結果 r = 思考(g, c);
        EXPECT_EQ(r.found ? usi(r.te) : "none", 素朴な最善(pos)) << format_sfen(pos);
    }
}

TEST(ComSearch, Levels1And3AlwaysAgree) {
    for (const GameState& pos : 乱数局面(200, 11)) {
        GameState g1 = pos, g3 = pos;
        g1.com_level = 1;
        g3.com_level = 3;
        ComState c1, c3;
        const 思考結果 r1 = 思考(g1, c1);
        const 思考結果 r3 = 思考(g3, c3);
        ASSERT_EQ(usi(r1.te), usi(r3.te)) << format_sfen(pos);
        ASSERT_DOUBLE_EQ(r1.score, r3.score);
    }
}

TEST(ComSearch, SamePositionSameMoveWhateverCameBefore) {
    const std::vector<GameState> positions = 乱数局面(12, 3);
    ComState shared;  // carries maps and scratch values from one search to the next
    for (size_t i = 0; i < positions.size(); ++i) {
        GameState fresh_g = positions[i];
        ComState fresh;
        const 思考結果 a = 思考(fresh_g, fresh);
        GameState g = positions[i];
        const 思考結果 b = 思考(g, shared);
        GameState again = positions[i];
        const 思考結果 c = 思考(again, shared);
        EXPECT_EQ(usi(a.te), usi(b.te));
        EXPECT_EQ(usi(a.te), usi(c.te));
        EXPECT_DOUBLE_EQ(a.score, b.score);
        EXPECT_EQ(a.candidates, c.candidates);
    }
}

TEST(ComSearch, NoLegalMoveFindsNothing) {
    // The top king is boxed in by bottom golds and has nothing in hand.
    GameState g = 局面("kG7/GG7/9/9/9/9/9/9/4K4 w -");
    ComState c;
    const 思考結果 r = 思考(g, c);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.candidates, 0);
}

TEST(ComSearch, EmptyHandTriesNoDrop) {
    // Same lone kings as the tie test: five king moves and nothing else.
    GameState g = 局面("4k4/9/9/9/9/9/9/9/4K4 b -");
    ComState c;
    EXPECT_EQ(思考(g, c).candidates, 5);
    g.mochi_teki[1] = 1;
    g.mochi_teki_kazu = 1;
    ComState c2;
    EXPECT_GT(思考(g, c2).candidates, 5);
}

// The choice the game asks for: the search's move, or none, with the
// progress called once per source column and per hand kind.
TEST(ComSearch, ChooseGivesTheSearchedMoveAndReportsProgress) {
    struct Case {
        const char* sfen;
        const char* move;  // nullptr: no legal move
        int calls;
    };
    const Case cases[] = {
        {"8k/9/9/9/9/9/9/9/K8 b r", "R*7i", 9 + 7},  // no mate: all seven kinds scanned
        {"8k/9/9/9/9/9/9/9/K8 b g", "G*9h", 9 + 5},  // the mating drop ends the scan
        {"kG7/GG7/9/9/9/9/9/9/4K4 w -", nullptr, 9},
    };
    for (const Case& e : cases) {
        const GameState g = 局面(e.sfen);
        ComState c;
        int calls = 0;
        auto count = [&calls] { ++calls; };
        const std::optional<Move> m = choose(g, c, count);
        EXPECT_EQ(m ? usi(*m) : "none", e.move ? e.move : "none") << e.sfen;
        EXPECT_EQ(calls, e.calls) << e.sfen;
        GameState same = g;
        ComState c2;
        const 思考結果 r = 思考(same, c2);
        EXPECT_EQ(m.has_value(), r.found);
        if (m) {
            EXPECT_EQ(*m, r.te);  // promotion included
        }
    }
}

}  // namespace
}  // namespace murokan::com_test
