// The move history: what 手順保存 stores, the setup entry, the latest position,
// the full history and the move found between two entries.
#include "record/history.h"

#include <gtest/gtest.h>

#include "record_test_util.h"

namespace murokan {
namespace {

using test::Game;

void 盤が同じ(const History& h, int n, const GameState& g) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            ASSERT_EQ(h.kifu_ban[n][x][y], g.ban[x][y])
                << "entry " << n << " (" << x << "," << y << ")";
        }
    }
    for (int k = 1; k <= 7; ++k) {
        ASSERT_EQ(h.kifu_mochi_ji[n][k], g.mochi_ji[k]) << "entry " << n << " kind " << k;
        ASSERT_EQ(h.kifu_mochi_teki[n][k], g.mochi_teki[k]) << "entry " << n << " kind " << k;
    }
}

Move 手(int x1, int y1, int x2, int y2, int piece) {
    Move m;
    m.x1 = static_cast<std::int8_t>(x1);
    m.y1 = static_cast<std::int8_t>(y1);
    m.x2 = static_cast<std::int8_t>(x2);
    m.y2 = static_cast<std::int8_t>(y2);
    m.piece = static_cast<std::int16_t>(piece);
    return m;
}

TEST(HistoryTest, SetupStoresTheStartingPositionAsEntryZero) {
    Game game;
    game.g.keika_byou = 4.5f;  // setup leaves the turn clock as it was
    game.setup();
    EXPECT_EQ(game.g.kifu_genzai, 0);
    EXPECT_EQ(game.h->kifu_saishu, 0);
    盤が同じ(*game.h, 0, game.g);
    EXPECT_EQ(game.h->kifu_ban[0][5][9], -OU);
    EXPECT_EQ(game.h->kifu_ban[0][2][2], SYA);
    EXPECT_FLOAT_EQ(game.h->kifu_ji_mae[0], 0);
    EXPECT_FLOAT_EQ(game.h->kifu_ji_ato[0], 4.5f);
    EXPECT_FLOAT_EQ(game.h->kifu_teki_mae[0], 0);
    EXPECT_FLOAT_EQ(game.h->kifu_teki_ato[0], 0);
}

// Three moves: entries 0..2 hold the positions before moves 1..3; the position
// the third move reached joins as entry 3 once the history is about to be read.
TEST(HistoryTest, ThreeMovesThenLatestPositionStored) {
    Game game;
    game.start();
    GameState before[3];
    const Move moves[] = {手(3, 7, 3, 6, -HU), 手(7, 3, 7, 4, HU), 手(2, 8, 4, 6, -KAKU)};
    const float seconds[] = {5, 7, 3};
    for (int i = 0; i < 3; ++i) {
        before[i] = game.g;
        game.move(moves[i], seconds[i]);
    }
    EXPECT_EQ(game.h->kifu_saishu, 2);
    EXPECT_EQ(game.g.kifu_genzai, 3);
    EXPECT_EQ(game.g.tesuu, 3);
    for (int n = 0; n < 3; ++n) 盤が同じ(*game.h, n, before[n]);

    // A bottom move puts its time only in bottom-after, a top move only in top-after.
    struct Times {
        float ji_mae, ji_ato, teki_mae, teki_ato;
    };
    const Times expected[] = {{0, 5, 0, 0}, {5, 5, 0, 7}, {5, 8, 7, 7}};
    for (int n = 0; n < 3; ++n) {
        EXPECT_FLOAT_EQ(game.h->kifu_ji_mae[n], expected[n].ji_mae) << n;
        EXPECT_FLOAT_EQ(game.h->kifu_ji_ato[n], expected[n].ji_ato) << n;
        EXPECT_FLOAT_EQ(game.h->kifu_teki_mae[n], expected[n].teki_mae) << n;
        EXPECT_FLOAT_EQ(game.h->kifu_teki_ato[n], expected[n].teki_ato) << n;
    }

    EXPECT_TRUE(保存_最新局面(game.g, *game.h));
    EXPECT_EQ(game.h->kifu_saishu, 3);
    EXPECT_EQ(game.g.kifu_genzai, 3);
    盤が同じ(*game.h, 3, game.g);
    EXPECT_FLOAT_EQ(game.h->kifu_ji_mae[3], 8);
    EXPECT_FLOAT_EQ(game.h->kifu_ji_ato[3], 8);
    EXPECT_FLOAT_EQ(game.h->kifu_teki_mae[3], 7);
    EXPECT_FLOAT_EQ(game.h->kifu_teki_ato[3], 7);
    // Stored once; asking again changes nothing.
    const History stored = *game.h;
    EXPECT_FALSE(保存_最新局面(game.g, *game.h));
    EXPECT_TRUE(stored == *game.h);
    // The last move is found between entries 2 and 3: the bishop on (4, 6).
    const 移動結果 r = 調査_移動結果(*game.h, 3);
    EXPECT_EQ(r.x, 4);
    EXPECT_EQ(r.y, 6);
    EXPECT_EQ(r.koma, -KAKU);
}

TEST(HistoryTest, LatestPositionOnlyWhenNotAlreadyStored) {
    struct Case {
        const char* name;
        void (*arrange)(Game&);
        bool stores;
    };
    const Case cases[] = {
        {"fresh setup", [](Game&) {}, false},
        {"after a move", [](Game& t) { t.move(手(3, 7, 3, 6, -HU), 1); }, true},
        {"stepped back to a stored entry",
         [](Game& t) {
             t.move(手(3, 7, 3, 6, -HU), 1);
             t.move(手(7, 3, 7, 4, HU), 1);
             保存_最新局面(t.g, *t.h);
             t.g.kifu_genzai = 1;  // what one step back leaves
             複写_棋譜から盤(*t.h, 1, t.g);
         },
         false},
        {"stepped forward to the end: its clock values stay",
         [](Game& t) {
             t.move(手(3, 7, 3, 6, -HU), 1);
             保存_最新局面(t.g, *t.h);
             t.g.ji_jikan = 99;  // shown after-values may differ from the before-values
         },
         false},
        {"game resumed with the end marker moved onto the unsaved latest position",
         [](Game& t) {
             t.move(手(3, 7, 3, 6, -HU), 1);
             t.h->kifu_saishu = t.g.tesuu;
         },
         true},
    };
    for (const Case& c : cases) {
        Game game;
        game.start();
        c.arrange(game);
        const History before = *game.h;
        EXPECT_EQ(保存_最新局面(game.g, *game.h), c.stores) << c.name;
        if (c.stores) {
            EXPECT_EQ(game.h->kifu_saishu, game.g.kifu_genzai) << c.name;
            盤が同じ(*game.h, game.g.kifu_genzai, game.g);
        } else {
            EXPECT_TRUE(before == *game.h) << c.name;
        }
    }
}

// 500 moves fit (their positions are entries 0..500); a 501st does not.
TEST(HistoryTest, FullHistoryRefusesTheNextMoveAndKeepsEveryEntry) {
    Game game;
    game.start();
    for (int i = 0; i < MAX_KIFU; ++i) {
        ASSERT_EQ(調査_棋譜満杯(game.g), FLAG_OFF) << i;
        game.g.ji_jikan = static_cast<float>(i);  // tells the entries apart
        ASSERT_TRUE(手順保存(game.g, *game.h, 0, 0, 0, 0, 0, 0, game.g.ji_jikan, 0, 0, 0));
        game.g.kifu_genzai += 1;
    }
    EXPECT_EQ(game.g.kifu_genzai, MAX_KIFU);
    EXPECT_EQ(調査_棋譜満杯(game.g), FLAG_ON);
    game.g.ji_jikan = 500;
    EXPECT_TRUE(保存_最新局面(game.g, *game.h));
    EXPECT_EQ(game.h->kifu_saishu, MAX_KIFU);

    const History full = *game.h;
    game.g.kifu_genzai = MAX_KIFU + 1;  // a caller that ignored the refusal
    EXPECT_FALSE(手順保存(game.g, *game.h, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1));
    EXPECT_FALSE(保存_最新局面(game.g, *game.h));
    EXPECT_TRUE(full == *game.h);
    for (int n = 0; n <= MAX_KIFU; ++n)
        ASSERT_FLOAT_EQ(game.h->kifu_ji_mae[n], static_cast<float>(n));
}

TEST(HistoryTest, MoveFoundBetweenEntries) {
    auto h = std::make_unique<History>();
    h->kifu_ban[0][3][7] = -HU;
    h->kifu_ban[0][8][2] = KAKU;
    // Entry 1: the pawn went from (3, 7) to (3, 6). The emptied source is skipped.
    h->kifu_ban[1][3][6] = -HU;
    h->kifu_ban[1][8][2] = KAKU;
    // Entry 2: a drop of a top silver on (1, 5); nothing else moved.
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) h->kifu_ban[2][x][y] = h->kifu_ban[1][x][y];
    }
    h->kifu_ban[2][1][5] = GIN;
    // Entry 3: the same as entry 2.
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) h->kifu_ban[3][x][y] = h->kifu_ban[2][x][y];
    }
    struct Case {
        int n, x, y, koma;
    };
    const Case cases[] = {{1, 3, 6, -HU},  {2, 1, 5, GIN},   {3, 0, 0, KARA},
                          {0, 0, 0, KARA}, {-1, 0, 0, KARA}, {MAX_KIFU + 1, 0, 0, KARA}};
    for (const Case& c : cases) {
        const 移動結果 r = 調査_移動結果(*h, c.n);
        EXPECT_EQ(r.x, c.x) << c.n;
        EXPECT_EQ(r.y, c.y) << c.n;
        EXPECT_EQ(r.koma, c.koma) << c.n;
    }
}

}  // namespace
}  // namespace murokan
