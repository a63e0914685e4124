// The handicap ladder's data: which piece each step takes or gives back, the
// rung names, and when the ladder may not move.
#include "core/handicap.h"

#include <gtest/gtest.h>

#include "core/rules.h"

namespace murokan {
namespace {

// Going up the top side loses bishop, rook, lances, knights, silvers, golds,
// each from its starting square; going down the bottom side the same. The
// opposite step gives back exactly that piece.
TEST(Handicap, StepTablesNameTheRightPieces) {
    GameState start;
    初期設定_状態(start);
    const int order[10] = {KAKU, SYA, KYOU, KYOU, KEI, KEI, GIN, GIN, KIN, KIN};
    for (int n = 1; n <= 10; ++n) {
        const ハンデ手 up = ハンデ_上げ手(n);
        EXPECT_EQ(up.code, KARA);
        EXPECT_EQ(start.ban[up.x][up.y], order[n - 1]) << n;
        const ハンデ手 back = ハンデ_下げ手(n - 1);
        EXPECT_EQ(back.x, up.x);
        EXPECT_EQ(back.y, up.y);
        EXPECT_EQ(back.code, order[n - 1]);

        const ハンデ手 down = ハンデ_下げ手(-n);
        EXPECT_EQ(down.code, KARA);
        EXPECT_EQ(start.ban[down.x][down.y], -order[n - 1]) << -n;
        const ハンデ手 again = ハンデ_上げ手(-n + 1);
        EXPECT_EQ(again.x, down.x);
        EXPECT_EQ(again.y, down.y);
        EXPECT_EQ(again.code, -order[n - 1]);
    }
    // Beyond the ends there is no step at all.
    for (const ハンデ手 none :
         {ハンデ_上げ手(-10), ハンデ_上げ手(11), ハンデ_下げ手(10), ハンデ_下げ手(-11)}) {
        EXPECT_EQ(none.x, 0);
        EXPECT_EQ(none.code, KARA);
    }
}

TEST(Handicap, NamesRunFrom名人To12級) {
    EXPECT_EQ(ハンデ名(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(ハンデ名(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_EQ(ハンデ名(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    EXPECT_EQ(ハンデ名(11), "");
    EXPECT_EQ(ハンデ名(-11), "");
}

TEST(Handicap, RefusalReasonsInTheirOrder) {
    struct Case {
        int kifu_mode, kifu_genzai, hanten, reason;
    };
    const Case cases[] = {
        {FLAG_OFF, 0, FLAG_OFF, 0}, {FLAG_ON, 0, FLAG_OFF, 1}, {FLAG_OFF, 3, FLAG_OFF, 2},
        {FLAG_OFF, 0, FLAG_ON, 3},  {FLAG_ON, 3, FLAG_ON, 1},  {FLAG_OFF, 1, FLAG_ON, 2},
    };
    for (const Case& c : cases) {
        GameState g;
        g.kifu_mode = c.kifu_mode;
        g.kifu_genzai = c.kifu_genzai;
        g.hanten = c.hanten;
        EXPECT_EQ(ハンデ_拒否理由(g), c.reason) << c.kifu_mode << c.kifu_genzai << c.hanten;
    }
}

}  // namespace
}  // namespace murokan
