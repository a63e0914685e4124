// A drop names the kind it drops the same way for both hands: the USI text
// reads into it and back, the stand row that shows the kind gives the kind
// back, and playing it takes one piece of that kind from the right hand.
#include <gtest/gtest.h>

#include "core/movegen.h"
#include "core/sfen.h"
#include "support/sfen_position.h"
#include "ui/cell.h"

namespace murokan {
namespace {

TEST(HandRowsTest, ADropByKindRoundTripsThroughTextAndStandRows) {
    struct Case {
        const char* sfen;  // the side to move holds one of every kind
        const char* usi;
        int hand_x, kind, row;  // the row where the player sees the kind
    } const cases[] = {
        {"4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnlp", "P*5e", JI_MOCHI_X, 1, 3},
        {"4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnlp", "G*5e", JI_MOCHI_X, 5, 7},
        {"4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnlp", "R*1a", JI_MOCHI_X, 7, 9},
        {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp", "P*5e", TEKI_MOCHI_X, 1, 7},
        {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp", "N*5e", TEKI_MOCHI_X, 3, 5},
        {"4k4/9/9/9/9/9/9/9/4K4 w RBGSNLPrbgsnlp", "R*9i", TEKI_MOCHI_X, 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.usi) + " " + c.sfen);
        GameState g = test::from_sfen(c.sfen);
        Move m;
        ASSERT_EQ(parse_usi_move(c.usi, g, m), nullptr);
        EXPECT_TRUE(m.is_drop());
        EXPECT_EQ(m.x1, c.hand_x);
        EXPECT_EQ(m.y1, c.kind);
        EXPECT_EQ(format_usi_move(m), c.usi);

        EXPECT_EQ(stand_row(c.hand_x, c.kind), c.row);
        EXPECT_EQ(stand_kind({c.hand_x, c.row}), c.kind);
        // The move the stand's cell names is the one the text names.
        EXPECT_EQ(Move::drop(c.hand_x, stand_kind({c.hand_x, c.row}), m.x2, m.y2, m.piece), m);

        ASSERT_TRUE(is_legal_move(g, m));
        const bool bottom = c.hand_x == JI_MOCHI_X;
        play_move(g, m);
        EXPECT_EQ(g.ban[m.x2][m.y2], (bottom ? -10 : 10) * c.kind);
        EXPECT_EQ((bottom ? g.mochi_ji : g.mochi_teki)[c.kind], 0);
        EXPECT_EQ((bottom ? g.mochi_teki : g.mochi_ji)[c.kind], 1);  // the other hand keeps its own
    }
}

TEST(HandRowsTest, OnlyTheSevenRowsOfEachStandShowAKind) {
    for (int y = -1; y <= 11; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(stand_kind({JI_MOCHI_X, y}) != 0, y >= 3 && y <= 9);
        EXPECT_EQ(stand_kind({TEKI_MOCHI_X, y}) != 0, y >= 1 && y <= 7);
        EXPECT_EQ(stand_kind({5, y}), 0);               // the board is no stand
        EXPECT_EQ(stand_kind({JI_MOCHI_X + 1, y}), 0);  // nor is a count beside one
    }
}

}  // namespace
}  // namespace murokan
