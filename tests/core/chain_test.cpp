// Moving pieces and the strike-and-flick chain.
#include <gtest/gtest.h>

#include "board.h"
#include "core/movegen.h"
#include "core/rules.h"

namespace murokan {
namespace {

using test::Piece;

// Plays a board move by the side `side` the way the game does: 駒移動, then
// the chain along the direction of travel.
ChainReport move_and_strike(GameState& g, int side, int x1, int y1, int x2, int y2) {
    駒移動(g, x1, y1, x2, y2, g.ban[x1][y1]);
    return はじき連鎖(g, side, x2, y2, 取得_進行方向(x1, y1, x2, y2));
}

TEST(Direction, OfTravel) {
    struct {
        int x1, y1, x2, y2;
        方向 want;
        const char* name;
    } const cases[] = {
        {5, 5, 5, 1, 方向::上, "上"},     {5, 5, 5, 9, 方向::下, "下"},
        {5, 5, 1, 5, 方向::左, "左"},     {5, 5, 9, 5, 方向::右, "右"},
        {5, 5, 4, 4, 方向::左上, "左上"}, {5, 5, 2, 8, 方向::左下, "左下"},
        {5, 5, 6, 4, 方向::右上, "右上"}, {5, 5, 9, 9, 方向::右下, "右下"},
        {5, 9, 6, 7, 方向::右上, "右上"},  // a knight's jump counts as diagonal
        {5, 1, 4, 3, 方向::左下, "左下"}, {5, 5, 5, 5, 方向::無, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(取得_進行方向(c.x1, c.y1, c.x2, c.y2), c.want) << c.name;
        EXPECT_EQ(方向_名前(c.want), c.name);
        const Step s = 方向_単位(c.want);
        if (c.want != 方向::無) {
            // Stepping from the source along the unit step reaches the
            // destination's row or column sense.
            EXPECT_EQ(s.dx, (c.x2 > c.x1) - (c.x2 < c.x1)) << c.name;
            EXPECT_EQ(s.dy, (c.y2 > c.y1) - (c.y2 < c.y1)) << c.name;
        }
    }
}

// Worked example: the rook's strike flicks a pawn, which comes to rest against
// a silver; the pawn belongs to the other side, so nothing is taken.
TEST(Chain, FlickWithoutCapture) {
    GameState g = test::board_with({{5, 8, -SYA}, {5, 4, HU}, {5, 2, GIN}, {5, 1, KIN}});
    const ChainReport r = move_and_strike(g, g.ji_teban, 5, 8, 5, 6);
    EXPECT_EQ(g.ban[5][6], -SYA);
    EXPECT_EQ(g.ban[5][4], KARA);
    EXPECT_EQ(g.ban[5][3], HU);
    EXPECT_EQ(g.ban[5][2], GIN);
    EXPECT_EQ(g.ban[5][1], KIN);
    EXPECT_EQ(r.passes, 3);
    ASSERT_EQ(r.step_count, 1);
    EXPECT_EQ(r.steps[0].from_y, 4);
    EXPECT_EQ(r.steps[0].to_y, 3);
    EXPECT_EQ(r.steps[0].code, HU);
    EXPECT_FALSE(r.sandwiched);
    EXPECT_EQ(test::hand_sum(g.mochi_ji), 0);
}

// Worked example: the rook stops right under the silver, which is jammed
// against the gold; the striker is the mover's, so the silver is taken.
TEST(Chain, AdjacentJammedPieceIsTaken) {
    GameState g = test::board_with({{5, 8, -SYA}, {5, 2, GIN}, {5, 1, KIN}});
    const ChainReport r = move_and_strike(g, g.ji_teban, 5, 8, 5, 3);
    EXPECT_TRUE(r.sandwiched);
    EXPECT_EQ(r.sand_x, 5);
    EXPECT_EQ(r.sand_y, 2);
    EXPECT_EQ(r.taken_code, GIN);
    EXPECT_EQ(g.ban[5][2], KARA);
    EXPECT_EQ(g.ban[5][1], KIN);
    EXPECT_EQ(g.mochi_ji[4], 1);
    EXPECT_EQ(g.mochi_ji_kazu, 1);
    EXPECT_EQ(r.passes, 1);
    EXPECT_EQ(r.step_count, 0);
}

struct ChainCase {
    const char* name;
    std::vector<Piece> board;
    int x1, y1, x2, y2;
    std::vector<Piece> after;  // squares to check afterwards (KARA = empty)
    bool sandwiched;
    int taken;      // code taken, KARA for none
    int ji_hand;    // total in the bottom hand afterwards
    int teki_hand;  // total in the top hand afterwards
    int winner;     // shuukyoku afterwards
};

// Bottom side (先手) moves in every case.
const ChainCase kChains[] = {
    {"a pawn's step still flicks a distant piece to the far end",
     {{5, 7, -HU}, {5, 3, HU}, {5, 1, KYOU}},
     5,
     7,
     5,
     6,
     {{5, 6, -HU}, {5, 3, KARA}, {5, 2, HU}, {5, 1, KYOU}},
     false,
     KARA,
     0,
     0,
     0},
    {"a flicked piece stops on the last square",
     {{5, 8, -SYA}, {5, 4, HU}},
     5,
     8,
     5,
     6,
     {{5, 4, KARA}, {5, 1, HU}},
     false,
     KARA,
     0,
     0,
     0},
    {"own piece jammed next to the mover goes to the opponent",
     {{5, 8, -SYA}, {5, 2, -GIN}, {5, 1, KIN}},
     5,
     8,
     5,
     3,
     {{5, 2, KARA}, {5, 1, KIN}},
     true,
     -GIN,
     0,
     1,
     0},
    {"jammed against the edge next to the mover",
     {{5, 8, -SYA}, {5, 1, KIN}},
     5,
     8,
     5,
     2,
     {{5, 1, KARA}},
     true,
     KIN,
     1,
     0,
     0},
    {"own piece slides up and takes the jammed piece it meets",
     {{5, 9, -SYA}, {5, 6, -HU}, {5, 4, HU}, {5, 3, GIN}},
     5,
     9,
     5,
     8,
     {{5, 6, KARA}, {5, 5, -HU}, {5, 4, KARA}, {5, 3, GIN}},
     true,
     HU,
     1,
     0,
     0},
    {"a jammed own piece the chain passes through takes the next one",
     {{5, 9, -SYA}, {5, 6, HU}, {5, 4, -KIN}, {5, 3, GIN}, {5, 2, KIN}},
     5,
     9,
     5,
     8,
     {{5, 5, HU}, {5, 4, -KIN}, {5, 3, KARA}, {5, 2, KIN}},
     true,
     GIN,
     1,
     0,
     0},
    {"an opponent's jammed piece struck by an opponent's piece stays",
     {{5, 9, -SYA}, {5, 6, HU}, {5, 4, GIN}, {5, 3, KIN}},
     5,
     9,
     5,
     8,
     {{5, 5, HU}, {5, 4, GIN}, {5, 3, KARA}, {5, 1, KIN}},
     false,
     KARA,
     0,
     0,
     0},
    {"a knight strikes along its diagonal",
     {{5, 9, -KEI}, {7, 6, HU}, {8, 5, KIN}, {6, 6, HU}},
     5,
     9,
     6,
     7,
     {{6, 7, -KEI}, {7, 6, KARA}, {8, 5, KIN}, {6, 6, HU}},
     true,
     HU,
     1,
     0,
     0},
    {"a diagonal flick slides into the corner",
     {{5, 5, -KAKU}, {3, 3, KAKU_NARI}},
     5,
     5,
     4,
     4,
     {{3, 3, KARA}, {1, 1, KAKU_NARI}},
     false,
     KARA,
     0,
     0,
     0},
    {"own king jammed next to the mover is lost",
     {{5, 8, -SYA}, {5, 2, -OU}, {5, 1, KIN}},
     5,
     8,
     5,
     3,
     {{5, 2, KARA}},
     true,
     -OU,
     0,
     0,
     TEBAN_GOTE},
    {"the enemy king jammed next to the mover is taken",
     {{4, 5, -SYA}, {8, 5, OU}, {9, 5, KIN}},
     4,
     5,
     7,
     5,
     {{8, 5, KARA}},
     true,
     OU,
     0,
     0,
     TEBAN_SENTE},
    {"nothing in the line",
     {{5, 8, -SYA}, {4, 3, HU}},
     5,
     8,
     5,
     3,
     {{5, 3, -SYA}, {4, 3, HU}},
     false,
     KARA,
     0,
     0,
     0},
};

TEST(Chain, Cases) {
    for (const ChainCase& c : kChains) {
        GameState g = test::board_with(c.board);
        const int before = test::pieces_on_board(g);
        const ChainReport r = move_and_strike(g, g.ji_teban, c.x1, c.y1, c.x2, c.y2);
        for (const Piece& p : c.after) EXPECT_EQ(g.ban[p.x][p.y], p.code) << c.name;
        EXPECT_EQ(r.sandwiched, c.sandwiched) << c.name;
        EXPECT_EQ(r.taken_code, c.taken) << c.name;
        EXPECT_EQ(g.mochi_ji_kazu, c.ji_hand) << c.name;
        EXPECT_EQ(g.mochi_teki_kazu, c.teki_hand) << c.name;
        EXPECT_EQ(g.mochi_ji_kazu, test::hand_sum(g.mochi_ji)) << c.name;
        EXPECT_EQ(g.mochi_teki_kazu, test::hand_sum(g.mochi_teki)) << c.name;
        EXPECT_EQ(g.shuukyoku, c.winner) << c.name;
        EXPECT_EQ(test::pieces_on_board(g), before - (c.taken != KARA)) << c.name;
        EXPECT_LE(r.passes, 8) << c.name;
    }
}

// A jammed piece found further away than the next square is not taken (the
// capture step looks right next to the striker), and the chain must not
// report a sandwich there either: the piece stays on the board.
TEST(Chain, JammedPieceAtADistanceStaysAndIsNotReported) {
    struct {
        const char* name;
        std::vector<Piece> board;
        int x2, y2;
        Piece stays;
    } const cases[] = {
        {"against a piece", {{5, 8, -SYA}, {5, 2, GIN}, {5, 1, KIN}}, 5, 6, {5, 2, GIN}},
        {"against the edge", {{5, 8, -SYA}, {5, 1, KIN}}, 5, 5, {5, 1, KIN}},
        {"own piece", {{5, 8, -SYA}, {5, 2, -GIN}, {5, 1, KIN}}, 5, 4, {5, 2, -GIN}},
    };
    for (const auto& c : cases) {
        GameState g = test::board_with(c.board);
        int fx = 0, fy = 0, fcode = 0;
        駒移動(g, 5, 8, c.x2, c.y2, -SYA);
        EXPECT_EQ(調査_存在弾駒(g, g.ji_teban, c.x2, c.y2, 方向::上, fx, fy, fcode), 弾結果::取)
            << c.name;
        const ChainReport r = はじき連鎖(g, g.ji_teban, c.x2, c.y2, 方向::上);
        EXPECT_FALSE(r.sandwiched) << c.name;
        EXPECT_EQ(r.taken_code, KARA) << c.name;
        EXPECT_EQ(r.step_count, 0) << c.name;
        EXPECT_EQ(r.passes, 1) << c.name;
        EXPECT_EQ(g.ban[c.stays.x][c.stays.y], c.stays.code) << c.name;
        EXPECT_EQ(g.mochi_ji_kazu + g.mochi_teki_kazu, 0) << c.name;
    }
}

TEST(Chain, FindStruckPiece) {
    struct {
        const char* name;
        std::vector<Piece> board;  // striker at (5, 5), looking up
        int side;
        弾結果 want;
        int fy;
    } const cases[] = {
        {"empty line", {{5, 5, -SYA}}, TEBAN_SENTE, 弾結果::無, 0},
        {"room behind", {{5, 5, -SYA}, {5, 3, HU}}, TEBAN_SENTE, 弾結果::有, 3},
        {"mover's striker, edge behind", {{5, 5, -SYA}, {5, 1, HU}}, TEBAN_SENTE, 弾結果::取, 1},
        {"other striker, edge behind", {{5, 5, HU}, {5, 1, HU}}, TEBAN_SENTE, 弾結果::無, 1},
        {"mover's striker, piece behind",
         {{5, 5, -SYA}, {5, 4, HU}, {5, 3, HU}},
         TEBAN_SENTE,
         弾結果::取,
         4},
        {"other striker, piece behind",
         {{5, 5, HU}, {5, 4, HU}, {5, 3, HU}},
         TEBAN_SENTE,
         弾結果::有,
         4},
        {"the side decides, not the sign",
         {{5, 5, HU}, {5, 4, -HU}, {5, 3, HU}},
         TEBAN_GOTE,
         弾結果::取,
         4},
        {"striker on the edge", {{5, 1, -SYA}}, TEBAN_SENTE, 弾結果::無, 0},
    };
    for (const auto& c : cases) {
        GameState g = test::board_with(c.board);
        const int sy = c.board[0].y;
        int fx = 0, fy = 0, fcode = 0;
        EXPECT_EQ(調査_存在弾駒(g, c.side, 5, sy, 方向::上, fx, fy, fcode), c.want) << c.name;
        EXPECT_EQ(fy, c.fy) << c.name;
        if (c.fy != 0) {
            EXPECT_EQ(fcode, g.ban[5][c.fy]) << c.name;
        }
    }
}

TEST(Chain, TheMoverIsNamedByTurnCode) {
    // The human playing 後手: the bottom side's turn code is -1.
    GameState g = test::board_with({{5, 8, -SYA}, {5, 2, GIN}, {5, 1, KIN}});
    g.ji_teban = TEBAN_GOTE;
    g.teki_teban = TEBAN_SENTE;
    GameState other = g;
    EXPECT_TRUE(move_and_strike(g, TEBAN_GOTE, 5, 8, 5, 3).sandwiched);
    EXPECT_EQ(g.mochi_ji[4], 1);
    // Passing the top side's code makes the rook a stranger: the silver stays,
    // and as the top side's own striker it then takes the gold behind it.
    const ChainReport r = move_and_strike(other, TEBAN_SENTE, 5, 8, 5, 3);
    EXPECT_EQ(other.ban[5][2], GIN);
    EXPECT_EQ(other.ban[5][1], KARA);
    EXPECT_EQ(r.taken_code, KIN);
    EXPECT_EQ(r.sand_y, 1);
}

TEST(Chain, FlickOfAJammedPieceStaysPut) {
    GameState g = test::board_with({{5, 2, GIN}, {5, 1, KIN}});
    ChainReport r;
    int sx = 0, sy = 0;
    はじき処理(g, 5, 2, 方向::上, GIN, sx, sy, r);
    EXPECT_EQ(sx, 5);
    EXPECT_EQ(sy, 2);
    EXPECT_EQ(r.step_count, 0);
    はじき処理(g, 5, 2, 方向::下, GIN, sx, sy, r);
    EXPECT_EQ(sy, 9);
    EXPECT_EQ(r.step_count, 7);
    EXPECT_EQ(g.ban[5][9], GIN);
    EXPECT_EQ(g.ban[5][2], KARA);
}

TEST(Move, DropsTakeFromTheRightHandAndNeverStrike) {
    GameState g = test::board_with({{5, 4, HU}, {5, 3, GIN}, {5, 6, -OU}});
    g.teban = g.ji_teban;
    g.mochi_ji[5] = 2;
    g.mochi_ji_kazu = 2;
    g.mochi_teki[1] = 1;
    g.mochi_teki_kazu = 1;

    const PlayReport r = play_move(g, Move::drop(JI_MOCHI_X, 5, 5, 5, -KIN));
    EXPECT_TRUE(r.move.ji_mochi_changed);
    EXPECT_FALSE(r.move.teki_mochi_changed);
    EXPECT_EQ(g.ban[5][5], -KIN);
    EXPECT_EQ(g.ban[5][4], HU);  // nothing flicked, nothing taken
    EXPECT_EQ(g.mochi_ji[5], 1);
    EXPECT_EQ(g.mochi_ji_kazu, 1);
    EXPECT_EQ(r.chain.passes, 0);
    EXPECT_EQ(g.teban, g.teki_teban);

    // From the top hand the row is the kind itself.
    駒移動(g, TEKI_MOCHI_X, 1, 1, 5, HU);
    EXPECT_EQ(g.mochi_teki[1], 0);
    EXPECT_EQ(g.mochi_teki_kazu, 0);
    EXPECT_EQ(g.ban[1][5], HU);
}

TEST(Move, BottomKingSquareFollowsTheKing) {
    GameState g = test::board_with({{5, 9, -OU}, {5, 1, OU}});
    駒移動(g, 5, 9, 4, 8, -OU);
    EXPECT_EQ(g.ji_ou_x, 4);
    EXPECT_EQ(g.ji_ou_y, 8);
    EXPECT_EQ(g.ban[5][9], KARA);
    駒移動(g, 5, 1, 6, 2, OU);  // the top king's square is the survey's to keep
    EXPECT_EQ(g.teki_ou_x, 5);
    EXPECT_EQ(g.teki_ou_y, 1);
}

}  // namespace
}  // namespace murokan
