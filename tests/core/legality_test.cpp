// Move legality, table-driven. Every board-move case is also checked turned
// half round (the other side's piece on the mirrored squares), so each row
// covers both sides.
#include <gtest/gtest.h>

#include <string>

#include "board.h"
#include "core/rules.h"

namespace murokan {
namespace {

using test::Piece;

struct MoveCase {
    const char* name;
    std::vector<Piece> others;  // pieces besides the mover
    int x1, y1, x2, y2, code;
    int want;
};

// Bottom side's pieces (negative codes); forward is up the board.
const MoveCase kBoardMoves[] = {
    {"pawn forward", {}, 5, 5, 5, 4, -HU, FLAG_ON},
    {"pawn backward", {}, 5, 5, 5, 6, -HU, FLAG_OFF},
    {"pawn sideways", {}, 5, 5, 4, 5, -HU, FLAG_OFF},
    {"pawn diagonal", {}, 5, 5, 4, 4, -HU, FLAG_OFF},
    {"pawn two squares", {}, 5, 5, 5, 3, -HU, FLAG_OFF},
    {"pawn onto enemy", {{5, 4, HU}}, 5, 5, 5, 4, -HU, FLAG_OFF},
    {"pawn onto own", {{5, 4, -KIN}}, 5, 5, 5, 4, -HU, FLAG_OFF},

    {"lance far", {}, 5, 9, 5, 1, -KYOU, FLAG_ON},
    {"lance blocked by own", {{5, 5, -HU}}, 5, 9, 5, 3, -KYOU, FLAG_OFF},
    {"lance blocked by enemy", {{5, 5, HU}}, 5, 9, 5, 3, -KYOU, FLAG_OFF},
    {"lance up to a blocker", {{5, 5, HU}}, 5, 9, 5, 6, -KYOU, FLAG_ON},
    {"lance backward", {}, 5, 5, 5, 7, -KYOU, FLAG_OFF},
    {"lance sideways", {}, 5, 5, 3, 5, -KYOU, FLAG_OFF},
    {"lance diagonal", {}, 5, 5, 4, 4, -KYOU, FLAG_OFF},

    {"knight left", {}, 5, 9, 4, 7, -KEI, FLAG_ON},
    {"knight right over pieces", {{5, 8, -HU}, {6, 8, HU}}, 5, 9, 6, 7, -KEI, FLAG_ON},
    {"knight straight", {}, 5, 9, 5, 7, -KEI, FLAG_OFF},
    {"knight backward jump", {}, 5, 5, 4, 7, -KEI, FLAG_OFF},
    {"knight wide jump", {}, 5, 9, 3, 8, -KEI, FLAG_OFF},
    {"knight one step", {}, 5, 9, 5, 8, -KEI, FLAG_OFF},

    {"silver forward", {}, 5, 5, 5, 4, -GIN, FLAG_ON},
    {"silver forward left", {}, 5, 5, 4, 4, -GIN, FLAG_ON},
    {"silver forward right", {}, 5, 5, 6, 4, -GIN, FLAG_ON},
    {"silver back left", {}, 5, 5, 4, 6, -GIN, FLAG_ON},
    {"silver back right", {}, 5, 5, 6, 6, -GIN, FLAG_ON},
    {"silver straight back", {}, 5, 5, 5, 6, -GIN, FLAG_OFF},
    {"silver sideways", {}, 5, 5, 6, 5, -GIN, FLAG_OFF},
    {"silver two ahead", {}, 5, 5, 5, 3, -GIN, FLAG_OFF},

    {"bishop long diagonal", {}, 5, 5, 1, 1, -KAKU, FLAG_ON},
    {"bishop down right", {}, 5, 5, 9, 9, -KAKU, FLAG_ON},
    {"bishop up right", {}, 5, 5, 9, 1, -KAKU, FLAG_ON},
    {"bishop down left", {}, 5, 5, 1, 9, -KAKU, FLAG_ON},
    {"bishop blocked by own", {{3, 3, -HU}}, 5, 5, 1, 1, -KAKU, FLAG_OFF},
    {"bishop blocked by enemy", {{7, 7, HU}}, 5, 5, 9, 9, -KAKU, FLAG_OFF},
    {"bishop blocked up right", {{6, 4, HU}}, 5, 5, 8, 2, -KAKU, FLAG_OFF},
    {"bishop blocked down left", {{4, 6, HU}}, 5, 5, 2, 8, -KAKU, FLAG_OFF},
    {"bishop up to a blocker", {{3, 3, HU}}, 5, 5, 4, 4, -KAKU, FLAG_ON},
    {"bishop orthogonal step", {}, 5, 5, 5, 4, -KAKU, FLAG_OFF},
    {"bishop off diagonal", {}, 5, 5, 6, 7, -KAKU, FLAG_OFF},

    {"horse orthogonal step", {}, 5, 5, 5, 4, -KAKU_NARI, FLAG_ON},
    {"horse sideways step", {}, 5, 5, 6, 5, -KAKU_NARI, FLAG_ON},
    {"horse diagonal run", {}, 5, 5, 1, 1, -KAKU_NARI, FLAG_ON},
    {"horse diagonal blocked", {{3, 3, HU}}, 5, 5, 1, 1, -KAKU_NARI, FLAG_OFF},
    {"horse two orthogonal", {}, 5, 5, 5, 3, -KAKU_NARI, FLAG_OFF},

    {"rook up the file", {}, 5, 5, 5, 1, -SYA, FLAG_ON},
    {"rook along the rank", {}, 5, 5, 9, 5, -SYA, FLAG_ON},
    {"rook left", {}, 5, 5, 1, 5, -SYA, FLAG_ON},
    {"rook down", {}, 5, 5, 5, 9, -SYA, FLAG_ON},
    {"rook blocked by enemy", {{7, 5, HU}}, 5, 5, 9, 5, -SYA, FLAG_OFF},
    {"rook blocked by own", {{5, 3, -HU}}, 5, 5, 5, 1, -SYA, FLAG_OFF},
    {"rook blocked below", {{5, 8, HU}}, 5, 5, 5, 9, -SYA, FLAG_OFF},
    {"rook blocked left", {{2, 5, HU}}, 5, 5, 1, 5, -SYA, FLAG_OFF},
    {"rook onto enemy on open file", {{5, 1, KIN}}, 5, 5, 5, 1, -SYA, FLAG_OFF},
    {"rook diagonal", {}, 5, 5, 6, 6, -SYA, FLAG_OFF},

    {"dragon diagonal step", {}, 5, 5, 6, 6, -SYA_NARI, FLAG_ON},
    {"dragon file run", {}, 5, 5, 5, 1, -SYA_NARI, FLAG_ON},
    {"dragon file blocked", {{5, 3, HU}}, 5, 5, 5, 1, -SYA_NARI, FLAG_OFF},
    {"dragon two diagonal", {}, 5, 5, 7, 7, -SYA_NARI, FLAG_OFF},

    {"king diagonal", {}, 5, 5, 4, 6, -OU, FLAG_ON},
    {"king backward", {}, 5, 5, 5, 6, -OU, FLAG_ON},
    {"king two squares", {}, 5, 5, 5, 7, -OU, FLAG_OFF},
    {"king onto enemy", {{5, 4, HU}}, 5, 5, 5, 4, -OU, FLAG_OFF},

    {"off the board above", {}, 5, 1, 5, 0, -SYA, FLAG_OFF},
    {"off the board right", {}, 9, 5, 10, 5, -SYA, FLAG_OFF},
    {"same square", {}, 5, 5, 5, 5, -OU, FLAG_OFF},
    {"gold-promoted never stands", {}, 5, 5, 5, 4, -KIN_NARI, FLAG_OFF},
};

// (x, y) -> (10 - x, 10 - y) and every code negated: the top side's view.
MoveCase turned(const MoveCase& c) {
    MoveCase t = c;
    for (Piece& p : t.others) p = {10 - p.x, 10 - p.y, -p.code};
    t.x1 = 10 - c.x1;
    t.y1 = 10 - c.y1;
    t.x2 = 10 - c.x2;
    t.y2 = 10 - c.y2;
    t.code = -c.code;
    return t;
}

int check(const MoveCase& c) {
    GameState g = test::board_with(c.others);
    g.ban[c.x1][c.y1] = c.code;
    return 移動チェック(g, c.x1, c.y1, c.x2, c.y2, c.code);
}

TEST(MoveCheck, BoardMovesBothSides) {
    for (const MoveCase& c : kBoardMoves) {
        EXPECT_EQ(check(c), c.want) << "bottom: " << c.name;
        EXPECT_EQ(check(turned(c)), c.want) << "top: " << c.name;
    }
}

// The gold step and every piece that moves like one after promotion.
TEST(MoveCheck, GoldPatternForGoldAndPromotedSmallPieces) {
    // Bottom side from (5, 5): allowed squares marked 1, with forward = up.
    const int pattern[3][3] = {
        {1, 1, 1},  // row 4
        {1, 0, 1},  // row 5
        {0, 1, 0},  // row 6
    };
    for (int code : {KIN, HU_NARI, KYOU_NARI, KEI_NARI, GIN_NARI}) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx == 0 && dy == 0) continue;
                const int want = pattern[dy + 1][dx + 1] ? FLAG_ON : FLAG_OFF;
                MoveCase c{"gold", {}, 5, 5, 5 + dx, 5 + dy, -code, want};
                EXPECT_EQ(check(c), want) << "bottom " << code << " dx=" << dx << " dy=" << dy;
                EXPECT_EQ(check(turned(c)), want) << "top " << code << " dx=" << dx << " dy=" << dy;
            }
        }
        MoveCase two{"two ahead", {}, 5, 5, 5, 3, -code, FLAG_OFF};
        EXPECT_EQ(check(two), FLAG_OFF) << code;
    }
}

struct DropCase {
    const char* name;
    std::vector<Piece> board;
    int x2, y2, code;  // bottom side's drop; code as it will stand
    int want;
};

const DropCase kDrops[] = {
    {"pawn on a free column", {}, 5, 5, -HU, FLAG_ON},
    {"pawn beside own pawn column", {{4, 7, -HU}}, 5, 5, -HU, FLAG_ON},
    {"pawn on own pawn column", {{5, 7, -HU}}, 5, 5, -HU, FLAG_OFF},
    {"pawn where own pawn promoted", {{5, 2, -HU_NARI}}, 5, 5, -HU, FLAG_ON},
    {"pawn on enemy pawn column", {{5, 3, HU}}, 5, 5, -HU, FLAG_ON},
    {"pawn on the last row", {}, 5, 1, -HU, FLAG_OFF},
    {"pawn on the second row", {}, 5, 2, -HU, FLAG_ON},
    {"lance on the last row", {}, 5, 1, -KYOU, FLAG_OFF},
    {"lance on the second row", {}, 5, 2, -KYOU, FLAG_ON},
    {"knight on the last row", {}, 5, 1, -KEI, FLAG_OFF},
    {"knight on the second row", {}, 5, 2, -KEI, FLAG_OFF},
    {"knight on the third row", {}, 5, 3, -KEI, FLAG_ON},
    {"knight on its own back row", {}, 5, 9, -KEI, FLAG_ON},
    {"silver on the last row", {}, 5, 1, -GIN, FLAG_ON},
    {"gold on the last row", {}, 5, 1, -KIN, FLAG_ON},
    {"bishop on the last row", {}, 5, 1, -KAKU, FLAG_ON},
    {"rook on the last row", {}, 5, 1, -SYA, FLAG_ON},
    {"onto an enemy piece", {{5, 5, HU}}, 5, 5, -KIN, FLAG_OFF},
    {"onto own piece", {{5, 5, -HU}}, 5, 5, -KIN, FLAG_OFF},
    {"off the board", {}, 5, 0, -KIN, FLAG_OFF},
};

TEST(MoveCheck, DropsBothSides) {
    for (const DropCase& c : kDrops) {
        GameState g = test::board_with(c.board);
        調査_2歩フラグ設定(g);
        EXPECT_EQ(移動チェック(g, JI_MOCHI_X, 2 + (-c.code) / 10, c.x2, c.y2, c.code), c.want)
            << "bottom: " << c.name;

        GameState t = test::empty_game();
        for (const Piece& p : c.board) t.ban[10 - p.x][10 - p.y] = -p.code;
        調査_2歩フラグ設定(t);
        EXPECT_EQ(移動チェック(t, TEKI_MOCHI_X, (-c.code) / 10, 10 - c.x2, 10 - c.y2, -c.code),
                  c.want)
            << "top: " << c.name;
    }
}

TEST(MoveCheck, PawnDropFollowsTheFlagsNotTheBoard) {
    // The flags are the caller's to refresh; a stale flag still decides.
    GameState g = test::empty_game();
    g.nifu_ji[5] = 1;
    EXPECT_EQ(移動チェック(g, JI_MOCHI_X, 3, 5, 5, -HU), FLAG_OFF);
    g.nifu_ji[5] = 0;
    g.ban[5][7] = -HU;
    EXPECT_EQ(移動チェック(g, JI_MOCHI_X, 3, 5, 5, -HU), FLAG_ON);
}

TEST(MoveCheck, LineChecks) {
    GameState g = test::board_with({{5, 3, HU}, {3, 5, -HU}});
    struct {
        int x1, y1, x2, y2, rook, bishop;
    } const cases[] = {
        {5, 5, 5, 4, FLAG_ON, FLAG_OFF},  {5, 5, 5, 2, FLAG_OFF, FLAG_OFF},
        {5, 5, 5, 3, FLAG_ON, FLAG_OFF},  // the end square itself is not looked at
        {5, 5, 1, 5, FLAG_OFF, FLAG_OFF}, {5, 5, 4, 5, FLAG_ON, FLAG_OFF},
        {5, 5, 7, 7, FLAG_OFF, FLAG_ON},  {5, 5, 6, 7, FLAG_OFF, FLAG_OFF},
        {4, 4, 6, 2, FLAG_OFF, FLAG_OFF},  // (5, 3) between
        {6, 4, 8, 2, FLAG_OFF, FLAG_ON},  {6, 6, 4, 4, FLAG_OFF, FLAG_ON},
        {2, 8, 4, 6, FLAG_OFF, FLAG_ON},  {6, 6, 2, 2, FLAG_OFF, FLAG_ON},
        {4, 6, 2, 4, FLAG_OFF, FLAG_OFF},  // (3, 5) between
    };
    for (const auto& c : cases) {
        EXPECT_EQ(移動チェック飛車(g, c.x1, c.y1, c.x2, c.y2), c.rook)
            << c.x1 << c.y1 << "->" << c.x2 << c.y2;
        EXPECT_EQ(移動チェック角(g, c.x1, c.y1, c.x2, c.y2), c.bishop)
            << c.x1 << c.y1 << "->" << c.x2 << c.y2;
    }
}

TEST(MoveCheck, PostMoveCheck) {
    struct {
        int y, code, want;
    } const cases[] = {
        {9, HU, FLAG_OFF},     {8, HU, FLAG_ON},        {9, KYOU, FLAG_OFF}, {9, KEI, FLAG_OFF},
        {8, KEI, FLAG_OFF},    {7, KEI, FLAG_ON},       {1, -HU, FLAG_OFF},  {2, -HU, FLAG_ON},
        {1, -KYOU, FLAG_OFF},  {1, -KEI, FLAG_OFF},     {2, -KEI, FLAG_OFF}, {3, -KEI, FLAG_ON},
        {9, HU_NARI, FLAG_ON}, {1, -KEI_NARI, FLAG_ON}, {1, -GIN, FLAG_ON},  {9, SYA, FLAG_ON},
        {1, -OU, FLAG_ON},     {1, HU, FLAG_ON},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(移動後チェック(c.y, c.code), c.want) << "y=" << c.y << " code=" << c.code;
    }
}

TEST(MoveCheck, PiecePresent) {
    GameState g = test::board_with({{9, 9, -OU}, {1, 1, OU}});
    EXPECT_EQ(調査_駒存在(g, -OU), FLAG_ON);
    EXPECT_EQ(調査_駒存在(g, OU), FLAG_ON);
    g.ban[1][1] = KARA;
    EXPECT_EQ(調査_駒存在(g, OU), FLAG_OFF);
    // Row 0 and column 0 are never part of the board.
    g.ban[0][5] = OU;
    EXPECT_EQ(調査_駒存在(g, OU), FLAG_OFF);
}

}  // namespace
}  // namespace murokan
