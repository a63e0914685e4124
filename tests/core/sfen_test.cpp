// USI/SFEN positions and moves, and the driver's move check.
#include "core/sfen.h"

#include <gtest/gtest.h>

#include "board.h"
#include "core/movegen.h"
#include "core/rules.h"

namespace murokan {
namespace {

TEST(Sfen, StartIsTheSetupPosition) {
    GameState setup = test::empty_game();
    初期設定_状態(setup);
    GameState parsed = test::empty_game();
    ASSERT_EQ(parse_sfen(kStartSfen, parsed), nullptr);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(parsed.ban[x][y], setup.ban[x][y]) << x << y;
    }
    EXPECT_EQ(parsed.teban, parsed.ji_teban);
    EXPECT_EQ(format_sfen(parsed), kStartSfen);
}

TEST(Sfen, FilesRunRightToLeftAndCaseIsTheSide) {
    GameState g = test::empty_game();
    ASSERT_EQ(parse_sfen("8k/9/9/9/4+b4/9/9/9/K8 w 2Pn 1", g), nullptr);
    EXPECT_EQ(g.ban[9][1], OU);         // file 1, rank a: the right-hand top corner
    EXPECT_EQ(g.ban[1][9], -OU);        // file 9, rank i
    EXPECT_EQ(g.ban[5][5], KAKU_NARI);  // lower case is the top side
    EXPECT_EQ(g.teban, g.teki_teban);
    EXPECT_EQ(g.mochi_ji[1], 2);
    EXPECT_EQ(g.mochi_teki[3], 1);
    EXPECT_EQ(g.mochi_ji_kazu, 2);
    EXPECT_EQ(g.mochi_teki_kazu, 1);
    EXPECT_EQ(g.ji_ou_x, 1);
    EXPECT_EQ(g.ji_ou_y, 9);
    EXPECT_EQ(g.teki_ou_x, 9);
    EXPECT_EQ(g.teki_ou_y, 1);
}

TEST(Sfen, RoundTrips) {
    const char* cases[] = {
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "3g1k3/5s3/2+P1p1n2/p5p1p/9/P1+r3P1P/4+B4/5G3/2K6 w RGSNL3Pbgs2nl5p 1",
        "+l+n+s1k4/9/9/9/9/9/9/9/4K4 - 18P2g 1",
    };
    for (const char* s : cases) {
        GameState g = test::empty_game();
        ASSERT_EQ(parse_sfen(s, g), nullptr) << s;
        EXPECT_EQ(format_sfen(g), s);
    }
}

TEST(Sfen, TwoPawnFlagsAreRecomputed) {
    GameState g = test::empty_game();
    g.nifu_teki[3] = 1;
    ASSERT_EQ(parse_sfen("4k4/9/9/9/9/9/4P4/9/4K4 b - 1", g), nullptr);
    EXPECT_EQ(g.nifu_ji[5], 1);
    EXPECT_EQ(g.nifu_teki[3], 0);
}

TEST(Sfen, BadTextLeavesThePositionAlone) {
    const char* bad[] = {
        "",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1 b - 1",  // eight ranks
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL/9 b - 1",
        "lnsgkgsnl/1r6b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",  // ten squares
        "lnsgkgsnl/1r4b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",  // eight squares
        "lnsgkgsnx/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "lnsg+kgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN+ b - 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL x - 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b K 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 2 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b 0P 1",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - x",
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 2",
    };
    for (const char* s : bad) {
        GameState g = test::board_with({{5, 5, HU}});
        g.teban = 7;
        EXPECT_NE(parse_sfen(s, g), nullptr) << s;
        EXPECT_EQ(g.ban[5][5], HU) << s;
        EXPECT_EQ(g.ban[5][9], KARA) << s;
        EXPECT_EQ(g.teban, 7) << s;
    }
}

TEST(Usi, MovesReadAndWrite) {
    GameState g = test::empty_game();
    ASSERT_EQ(parse_sfen(kStartSfen, g), nullptr);
    struct {
        const char* text;
        Move want;
    } const cases[] = {
        {"7g7f", {3, 7, 3, 6, -HU, false}},
        {"2h2b+", {8, 8, 8, 2, -SYA, true}},
        {"P*5e", {JI_MOCHI_X, 1, 5, 5, -HU, false}},
        {"R*1a", {JI_MOCHI_X, 7, 9, 1, -SYA, false}},
    };
    for (const auto& c : cases) {
        Move m;
        ASSERT_EQ(parse_usi_move(c.text, g, m), nullptr) << c.text;
        EXPECT_EQ(m, c.want) << c.text;
        EXPECT_EQ(format_usi_move(m), c.text);
    }
    // The top side drops from its own hand, named by kind alike.
    g.teban = g.teki_teban;
    Move m;
    ASSERT_EQ(parse_usi_move("N*5e", g, m), nullptr);
    EXPECT_EQ(m, (Move{TEKI_MOCHI_X, 3, 5, 5, KEI, false}));
    EXPECT_EQ(format_usi_move(m), "N*5e");

    for (const char* bad : {"", "7g7", "7g7f++", "0g7f", "7j7f", "K*5e", "X*5e", "P*0e",
                            "7g7f=", "P*5e+", "7g7f7e"}) {
        EXPECT_NE(parse_usi_move(bad, g, m), nullptr) << bad;
    }
}

// The driver's check: ownership, the hand, forced and refused promotion.
TEST(Usi, LegalityOfTypedMoves) {
    struct {
        const char* sfen;
        const char* move;
        bool legal;
    } const cases[] = {
        {kStartSfen.data(), "7g7f", true},
        {kStartSfen.data(), "7g7e", false},
        {kStartSfen.data(), "3c3d", false},   // not the mover's piece
        {kStartSfen.data(), "5e5d", false},   // empty source
        {kStartSfen.data(), "7g7f+", false},  // no promotion outside the zone
        {kStartSfen.data(), "P*5e", false},   // nothing in hand
        {"4k4/9/9/4P4/9/9/9/9/4K4 b - 1", "5d5c", true},
        {"4k4/9/9/4P4/9/9/9/9/4K4 b - 1", "5d5c+", true},
        {"4k4/9/4P4/9/9/9/9/9/4K4 b - 1", "5c5b", true},
        {"4k4/4P4/9/9/9/9/9/9/3K5 b - 1", "5b5a", false},  // occupied
        {"3k5/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a", false},  // must promote
        {"3k5/4P4/9/9/9/9/9/9/4K4 b - 1", "5b5a+", true},
        {"3k5/9/9/9/9/9/9/4p4/4K4 w - 1", "5h5i", false},  // must promote
        {"3k5/9/9/9/9/9/9/4p4/3K5 w - 1", "5h5i+", true},
        {"3k5/9/9/9/9/9/9/4p4/3K5 w - 1", "5a5b", false},
        {"3k5/9/9/9/9/9/9/9/4K4 b P 1", "P*5a", false},
        {"3k5/9/9/9/9/9/4P4/9/4K4 b P 1", "P*5e", false},  // two pawns
        {"3k5/9/9/9/9/9/4P4/9/4K4 b P 1", "P*4e", true},
        {"3k5/9/9/9/9/9/9/9/4K4 b p 1", "P*4e", false},  // the other side's hand
        {"3k5/9/9/9/9/9/9/9/4K4 w p 1", "P*4e", true},
        {"3k5/9/9/9/9/9/9/9/4K4 w p 1", "P*4i", false},
        {"3k5/9/9/9/9/9/9/9/4K4 - P 1", "P*4e", false},  // no game
        {"3k5/9/9/9/9/9/9/9/4K4 - P 1", "5i5h", false},
    };
    for (const auto& c : cases) {
        GameState g = test::empty_game();
        ASSERT_EQ(parse_sfen(c.sfen, g), nullptr) << c.sfen;
        Move m;
        ASSERT_EQ(parse_usi_move(c.move, g, m), nullptr) << c.move;
        EXPECT_EQ(is_legal_move(g, m), c.legal) << c.sfen << " " << c.move;
    }
}

}  // namespace
}  // namespace murokan
