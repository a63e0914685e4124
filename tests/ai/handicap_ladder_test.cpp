// The handicap ladder (△ / ▽) and the level menu items.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ai/handicap.h"
#include "ai/levels.h"
#include "com_fixture.h"
#include "core/rules.h"

namespace murokan::com_test {
namespace {

GameState 開始局面() {
    GameState g;
    初期設定_状態(g);
    return g;
}

int 盤差(const GameState& a, const GameState& b) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += a.ban[x][y] != b.ban[x][y];
    return n;
}

TEST(HandicapLadder, TenStepsDownLeaveTheBottomKingAndPawns) {
    GameState g = 開始局面();
    RecordingHost h;
    for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click(g, h);
    EXPECT_EQ(g.hande_level, -10);
    EXPECT_EQ(ハンデ名(g.hande_level), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = g.ban[x][y];
            if (code < 0) {
                EXPECT_TRUE(code == -HU || code == -OU) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(g.ban[5][9], -OU);
    // The top side is untouched, and nothing went into a hand.
    const GameState start = 開始局面();
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (start.ban[x][y] > 0) {
                EXPECT_EQ(g.ban[x][y], start.ban[x][y]);
            }
        }
    }
    EXPECT_EQ(g.mochi_ji_kazu + g.mochi_teki_kazu, 0);
    EXPECT_EQ(h.with("ハンデレベル").back(), "ハンデレベル -10");
    EXPECT_EQ(h.with("音 駒打").size(), 10u);
}

TEST(HandicapLadder, UpThenDownRestoresTheTopBishop) {
    GameState g = 開始局面();
    const GameState start = g;
    RecordingHost h;
    LBEL_UP_Click(g, h);
    EXPECT_EQ(g.ban[8][2], KARA);
    EXPECT_EQ(盤差(g, start), 1);
    LEBEL_DOWN_Click(g, h);
    EXPECT_EQ(g.hande_level, 0);
    EXPECT_EQ(0, std::memcmp(start.ban, g.ban, sizeof g.ban));
    EXPECT_EQ(g.hande_settei, FLAG_ON);
}

// Walking the whole ladder: every step changes one square, and the way back
// restores every position met on the way out.
TEST(HandicapLadder, WholeLadderBothWays) {
    for (int dir : {+1, -1}) {
        GameState g = 開始局面();
        RecordingHost h;
        std::vector<GameState> seen{g};
        for (int i = 0; i < 10; ++i) {
            const GameState prev = g;
            dir > 0 ? LBEL_UP_Click(g, h) : LEBEL_DOWN_Click(g, h);
            EXPECT_EQ(盤差(g, prev), 1) << "step " << i;
            seen.push_back(g);
        }
        for (int i = 9; i >= 0; --i) {
            dir > 0 ? LEBEL_DOWN_Click(g, h) : LBEL_UP_Click(g, h);
            EXPECT_EQ(0, std::memcmp(seen[i].ban, g.ban, sizeof g.ban)) << "back to " << i;
        }
    }
}

// The order in which pieces leave: going up the top side loses bishop, rook,
// lances, knights, silvers, golds; going down the bottom side the same.
TEST(HandicapLadder, StepTablesNameTheRightPieces) {
    const GameState start = 開始局面();
    const int top_order[10] = {KAKU, SYA, KYOU, KYOU, KEI, KEI, GIN, GIN, KIN, KIN};
    for (int n = 1; n <= 10; ++n) {
        const ハンデ手 up = ハンデ_上げ手(n);
        EXPECT_EQ(up.code, KARA);
        EXPECT_EQ(start.ban[up.x][up.y], top_order[n - 1]) << n;
        const ハンデ手 down = ハンデ_下げ手(n - 1);  // puts it back
        EXPECT_EQ(down.x, up.x);
        EXPECT_EQ(down.y, up.y);
        EXPECT_EQ(down.code, top_order[n - 1]);
    }
    for (int n = -1; n >= -10; --n) {
        const ハンデ手 down = ハンデ_下げ手(n);
        EXPECT_EQ(down.code, KARA);
        EXPECT_EQ(start.ban[down.x][down.y], -top_order[-n - 1]) << n;
        const ハンデ手 up = ハンデ_上げ手(n + 1);
        EXPECT_EQ(up.x, down.x);
        EXPECT_EQ(up.y, down.y);
        EXPECT_EQ(up.code, -top_order[-n - 1]);
    }
}

TEST(HandicapLadder, EndsOfTheLadderChangeNothingButSetTheFlag) {
    for (int dir : {+1, -1}) {
        GameState g = 開始局面();
        g.hande_level = 10 * dir;
        const GameState before = g;
        RecordingHost h;
        dir > 0 ? LBEL_UP_Click(g, h) : LEBEL_DOWN_Click(g, h);
        EXPECT_EQ(g.hande_level, 10 * dir);
        EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
        EXPECT_EQ(g.hande_settei, FLAG_ON);
        EXPECT_TRUE(h.with("ハンデレベル").empty());
        EXPECT_TRUE(h.with("音").empty());
        EXPECT_EQ(h.with("kifu_saishu"), std::vector<std::string>{"kifu_saishu 0"});
    }
}

struct 拒否例 {
    const char* name;
    int kifu_mode, kifu_genzai, hanten;
    int reason;
};

const 拒否例 kRefusals[] = {
    {"record_replay", FLAG_ON, 0, FLAG_OFF, 1},
    {"game_under_way", FLAG_OFF, 3, FLAG_OFF, 2},
    {"board_reversed", FLAG_OFF, 0, FLAG_ON, 3},
    {"replay_checked_first", FLAG_ON, 3, FLAG_ON, 1},
    {"moves_checked_before_reversal", FLAG_OFF, 1, FLAG_ON, 2},
};

class 拒否表 : public ::testing::TestWithParam<拒否例> {};

TEST_P(拒否表, RefusedWithSoundAndMessage) {
    const 拒否例& e = GetParam();
    for (bool up : {true, false}) {
        GameState g = 開始局面();
        g.kifu_mode = e.kifu_mode;
        g.kifu_genzai = e.kifu_genzai;
        g.hanten = e.hanten;
        const GameState before = g;
        RecordingHost h;
        up ? LBEL_UP_Click(g, h) : LEBEL_DOWN_Click(g, h);
        const std::vector<std::string> expected = {"可視 000", "棋譜_IO 1", "音 禁止",
                                                   "メッセージ " + std::to_string(e.reason)};
        EXPECT_EQ(h.calls, expected);
        EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
        EXPECT_EQ(g.hande_level, 0);
        EXPECT_EQ(g.hande_settei, FLAG_OFF);
    }
}

INSTANTIATE_TEST_SUITE_P(HandicapLadder, 拒否表, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HandicapLadder, AcceptedStepDrawsNameSquareAndSound) {
    GameState g = 開始局面();
    RecordingHost h;
    LBEL_UP_Click(g, h);
    const std::vector<std::string> expected = {
        "可視 000", "棋譜_IO 1",  "kifu_saishu 0", "ハンデレベル 1",
        "絵 0 8 2", "輪郭 2 8 2", "音 駒打",
    };
    EXPECT_EQ(h.calls, expected);
}

// ---------------------------------------------------------------- levels

TEST(ComLevel, MenuItemMarksAndSetsTheLevel) {
    GameState g;
    g.taikyoku_mode = MODE_COM;
    RecordingHost h;
    LEVEL_Click(g, h, 2);
    EXPECT_EQ(g.com_level, 2);
    const std::vector<std::string> expected = {
        "絵 6 -2 0",  "絵 6 -1 0",  "絵 6 0 0",  "LEVEL1 off",
        "LEVEL2 off", "LEVEL3 off", "LEVEL2 on", "レベル 2",
    };
    EXPECT_EQ(h.calls, expected);
}

TEST(ComLevel, HumanGameMarksButDrawsNoLevel) {
    GameState g;
    g.taikyoku_mode = MODE_MAN;
    RecordingHost h;
    レベル_設定(g, h, 1);
    EXPECT_EQ(g.com_level, 1);
    EXPECT_EQ(h.with("LEVEL1 on").size(), 1u);
    EXPECT_TRUE(h.with("レベル").empty());
}

TEST(ComLevel, OtherNumbersUnmarkAllAndKeepTheLevel) {
    GameState g;
    g.taikyoku_mode = MODE_COM;
    g.com_level = 2;
    RecordingHost h;
    レベル_設定(g, h, 4);
    EXPECT_EQ(g.com_level, 2);
    const std::vector<std::string> expected = {"LEVEL1 off", "LEVEL2 off", "LEVEL3 off",
                                               "レベル 2"};
    EXPECT_EQ(h.calls, expected);
}

}  // namespace
}  // namespace murokan::com_test
