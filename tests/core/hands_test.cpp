// Hands, the capture step, ownership of strikers, two-pawn flags, promotion
// and the starting position.
#include <gtest/gtest.h>

#include "board.h"
#include "core/rules.h"

namespace murokan {
namespace {

TEST(Setup, StartingPosition) {
    GameState g = test::empty_game();
    g.teban = TEBAN_SENTE;
    g.tesuu = 12;
    g.shuukyoku = TEBAN_GOTE;
    g.mochi_ji[3] = 2;
    g.mochi_ji_kazu = 2;
    g.ban[5][5] = HU;
    g.com_level = 2;
    g.ji_teban = TEBAN_GOTE;
    g.teki_teban = TEBAN_SENTE;
    初期設定_状態(g);

    EXPECT_EQ(g.teban, TEBAN_NASHI);
    EXPECT_EQ(g.tesuu, 0);
    EXPECT_EQ(g.shuukyoku, 0);
    EXPECT_EQ(g.mochi_ji_kazu, 0);
    EXPECT_EQ(g.mochi_teki_kazu, 0);
    EXPECT_EQ(test::hand_sum(g.mochi_ji) + test::hand_sum(g.mochi_teki), 0);
    // Sides and level are the menus' business, not the setup's.
    EXPECT_EQ(g.ji_teban, TEBAN_GOTE);
    EXPECT_EQ(g.com_level, 2);

    int top = 0, bottom = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            top += g.ban[x][y] > 0;
            bottom += g.ban[x][y] < 0;
            EXPECT_EQ(g.ban[x][y], -g.ban[10 - x][10 - y]) << x << "," << y;
        }
    }
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom, 20);
    EXPECT_EQ(g.ban[5][1], OU);
    EXPECT_EQ(g.ban[5][9], -OU);
    EXPECT_EQ(g.ban[8][8], -SYA);
    EXPECT_EQ(g.ban[2][8], -KAKU);
    EXPECT_EQ(g.ban[2][2], SYA);
    EXPECT_EQ(g.ban[8][2], KAKU);
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(g.ban[0][i], KARA);
        EXPECT_EQ(g.ban[i][0], KARA);
    }
}

TEST(Hands, TakenPieceGoesDemotedToTheOtherHand) {
    struct {
        int code, ji_kind, teki_kind;
    } const cases[] = {
        {HU, 1, 0},       {HU_NARI, 1, 0}, {KYOU_NARI, 2, 0}, {KEI, 3, 0},
        {GIN_NARI, 4, 0}, {KIN, 5, 0},     {KAKU_NARI, 6, 0}, {SYA_NARI, 7, 0},
        {-HU_NARI, 0, 1}, {-KYOU, 0, 2},   {-KEI_NARI, 0, 3}, {-GIN, 0, 4},
        {-KIN, 0, 5},     {-KAKU, 0, 6},   {-SYA, 0, 7},      {KARA, 0, 0},
    };
    for (const auto& c : cases) {
        GameState g = test::empty_game();
        駒取得(g, c.code);
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(g.mochi_ji[k], k == c.ji_kind ? 1 : 0) << c.code << " kind " << k;
            EXPECT_EQ(g.mochi_teki[k], k == c.teki_kind ? 1 : 0) << c.code << " kind " << k;
        }
        // The totals are the callers' to keep.
        EXPECT_EQ(g.mochi_ji_kazu, 0);
        EXPECT_EQ(g.shuukyoku, 0);
    }
}

TEST(Hands, TakingAKingEndsTheGameForTheOtherSide) {
    for (int ji : {TEBAN_SENTE, TEBAN_GOTE}) {
        GameState g = test::empty_game();
        g.ji_teban = ji;
        g.teki_teban = -ji;
        駒取得(g, OU);
        EXPECT_EQ(g.shuukyoku, ji);
        g.shuukyoku = 0;
        駒取得(g, -OU);
        EXPECT_EQ(g.shuukyoku, -ji);
        EXPECT_EQ(test::hand_sum(g.mochi_ji) + test::hand_sum(g.mochi_teki), 0);
    }
}

TEST(Hands, CaptureStepKeepsTotalsInStep) {
    struct {
        int code;
        方向 d;
        int ji_total, teki_total;
    } const cases[] = {
        {SYA_NARI, 方向::上, 1, 0},
        {-HU_NARI, 方向::左下, 0, 1},
        {OU, 方向::右, 0, 0},
        {KARA, 方向::下, 0, 0},
    };
    for (const auto& c : cases) {
        GameState g = test::empty_game();
        const Step s = 方向_単位(c.d);
        g.ban[5 + s.dx][5 + s.dy] = c.code;
        EXPECT_EQ(駒取得_処理(g, 5, 5, c.d), c.code);
        EXPECT_EQ(g.ban[5 + s.dx][5 + s.dy], KARA);
        EXPECT_EQ(g.mochi_ji_kazu, c.ji_total) << c.code;
        EXPECT_EQ(g.mochi_teki_kazu, c.teki_total) << c.code;
        EXPECT_EQ(g.mochi_ji_kazu, test::hand_sum(g.mochi_ji));
        EXPECT_EQ(g.mochi_teki_kazu, test::hand_sum(g.mochi_teki));
    }
    GameState g = test::board_with({{5, 4, HU}});
    EXPECT_EQ(駒取得_処理(g, 5, 5, 方向::無), KARA);
    EXPECT_EQ(g.ban[5][4], HU);
}

TEST(Hands, StrikerOwnership) {
    struct {
        int ji, side, code, want;
    } const cases[] = {
        {TEBAN_SENTE, TEBAN_SENTE, -OU, FLAG_ON}, {TEBAN_SENTE, TEBAN_SENTE, -10, FLAG_ON},
        {TEBAN_SENTE, TEBAN_SENTE, 10, FLAG_OFF}, {TEBAN_SENTE, TEBAN_GOTE, -10, FLAG_OFF},
        {TEBAN_SENTE, TEBAN_GOTE, 80, FLAG_ON},   {TEBAN_SENTE, TEBAN_SENTE, KARA, FLAG_OFF},
        {TEBAN_GOTE, TEBAN_GOTE, -71, FLAG_ON},   {TEBAN_GOTE, TEBAN_SENTE, 11, FLAG_ON},
        {TEBAN_GOTE, TEBAN_SENTE, -11, FLAG_OFF}, {TEBAN_SENTE, TEBAN_NASHI, -10, FLAG_OFF},
        {TEBAN_SENTE, TEBAN_NASHI, 10, FLAG_OFF}, {TEBAN_SENTE, 5, 10, FLAG_OFF},
    };
    for (const auto& c : cases) {
        GameState g = test::empty_game();
        g.ji_teban = c.ji;
        g.teki_teban = -c.ji;
        EXPECT_EQ(調査_駒取(g, c.side, c.code), c.want)
            << "ji=" << c.ji << " side=" << c.side << " code=" << c.code;
    }
}

TEST(Hands, HandSizeCountsOnlyPositiveEntries) {
    GameState g = test::empty_game();
    g.mochi_ji[1] = 3;
    g.mochi_ji[7] = 1;
    g.mochi_ji[4] = -2;
    g.mochi_teki[5] = 2;
    EXPECT_EQ(調査_持駒数(g, g.ji_teban), 4);
    EXPECT_EQ(調査_持駒数(g, g.teki_teban), 2);
    EXPECT_EQ(調査_持駒数(g, TEBAN_NASHI), 0);
    g.ji_teban = TEBAN_GOTE;
    g.teki_teban = TEBAN_SENTE;
    EXPECT_EQ(調査_持駒数(g, TEBAN_GOTE), 4);
}

TEST(Hands, TwoPawnFlags) {
    GameState g = test::board_with(
        {{1, 7, -HU}, {2, 2, -HU_NARI}, {3, 3, HU}, {9, 9, -HU}, {9, 1, HU}, {4, 5, HU_NARI}});
    g.nifu_ji[5] = 1;  // stale, must be cleared
    調査_2歩フラグ設定(g);
    const int ji[10] = {0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    const int teki[10] = {0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(g.nifu_ji[x], ji[x]) << x;
        EXPECT_EQ(g.nifu_teki[x], teki[x]) << x;
    }
}

TEST(Promotion, Zones) {
    struct {
        int x1, y1, x2, y2, code, want;
    } const cases[] = {
        {4, 3, 5, 4, -GIN, FLAG_ON},   // leaving the zone
        {4, 5, 4, 4, -GIN, FLAG_OFF},  // outside it
        {4, 4, 4, 3, -GIN, FLAG_ON},
        {5, 4, 5, 3, -HU, FLAG_ON},     // reaching row 3
        {5, 3, 5, 2, -HU, FLAG_ON},     // again from row 3 to row 2
        {5, 3, 5, 4, -KYOU, FLAG_OFF},  // a lance leaving the zone does not promote
        {4, 5, 5, 3, -KEI, FLAG_ON},
        {4, 6, 5, 4, -KEI, FLAG_OFF},
        {2, 2, 5, 5, -KAKU, FLAG_ON},
        {8, 3, 8, 8, -SYA, FLAG_ON},
        {8, 4, 8, 8, -SYA, FLAG_OFF},
        {5, 5, 5, 3, -SYA, FLAG_ON},
        {5, 6, 5, 7, HU, FLAG_ON},
        {5, 5, 5, 6, HU, FLAG_OFF},
        {5, 7, 4, 6, GIN, FLAG_ON},
        {5, 5, 4, 6, GIN, FLAG_OFF},
        {5, 3, 5, 8, KYOU, FLAG_ON},
        {4, 5, 5, 7, KEI, FLAG_ON},
        {8, 7, 2, 1, KAKU, FLAG_ON},
        {2, 2, 2, 6, SYA, FLAG_OFF},
        {5, 3, 5, 2, -KIN, FLAG_OFF},
        {5, 3, 5, 2, -OU, FLAG_OFF},
        {5, 3, 5, 2, -HU_NARI, FLAG_OFF},
        {5, 7, 5, 8, SYA_NARI, FLAG_OFF},
        {5, 7, 5, 8, KIN, FLAG_OFF},
        {JI_MOCHI_X, 3, 5, 2, -HU, FLAG_OFF},  // drops never promote
        {TEKI_MOCHI_X, 6, 5, 8, KAKU, FLAG_OFF},
    };
    for (const auto& c : cases) {
        GameState g = test::empty_game();
        g.nari_koma = 12345;
        EXPECT_EQ(調査_駒成(g, c.x1, c.y1, c.x2, c.y2, c.code), c.want)
            << c.x1 << "," << c.y1 << "->" << c.x2 << "," << c.y2 << " code " << c.code;
        const int nari = c.want == FLAG_ON ? (c.code < 0 ? c.code - 1 : c.code + 1) : 12345;
        EXPECT_EQ(g.nari_koma, nari) << c.code;
    }
}

}  // namespace
}  // namespace murokan
