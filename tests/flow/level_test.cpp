// The level items of the 対局 menu and the handicap ladder of the 局面 menu,
// as the player sees them: the board, the labels, the ticks, sounds and boxes.
#include <cstring>

#include "ai/engine_levels.h"
#include "core/handicap.h"
#include "flow_fixture.h"

namespace murokan::test {
namespace {

using LevelTest = FlowTest;

int changed_squares(const GameState& a, const GameState& b) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += a.ban[x][y] != b.ban[x][y];
    return n;
}

TEST_F(LevelTest, TenStepsDownLeaveTheBottomKingAndPawns) {
    const GameState start = form.g;
    for (int i = 0; i < 10; ++i) form.dispatchMenu("LEBEL_DOWN");
    EXPECT_EQ(form.g.hande_level, -10);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = form.g.ban[x][y];
            if (code < 0) {
                EXPECT_TRUE(code == -HU || code == -OU) << x << "," << y;
            }
            if (start.ban[x][y] > 0) {
                EXPECT_EQ(code, start.ban[x][y]);  // the top side stays
            }
        }
    }
    EXPECT_EQ(form.g.mochi_ji_kazu + form.g.mochi_teki_kazu, 0);  // nothing goes into a hand
    int sounds = 0;
    for (const std::string& e : rp.events) sounds += e == "sound play 駒打音.wav";
    EXPECT_EQ(sounds, 10);

    // The name beside the board is the last rung's.
    timeline.start();
    form.dispatchMenu("REVERSE");  // redraws the name (of the negated level)
    EXPECT_TRUE(has(take_events(), "字 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級 15 11.2 1.3"));
}

// Walking the whole ladder: every step changes one square, and the way back
// restores every position met on the way out.
TEST_F(LevelTest, WholeLadderBothWays) {
    for (const char* out : {"LBEL_UP", "LEBEL_DOWN"}) {
        form.dispatchMenu("CANCEL");
        const char* back = std::strcmp(out, "LBEL_UP") == 0 ? "LEBEL_DOWN" : "LBEL_UP";
        std::vector<GameState> seen{form.g};
        for (int i = 0; i < 10; ++i) {
            form.dispatchMenu(out);
            EXPECT_EQ(changed_squares(form.g, seen.back()), 1) << out << " " << i;
            seen.push_back(form.g);
        }
        for (int i = 9; i >= 0; --i) {
            form.dispatchMenu(back);
            EXPECT_EQ(0, std::memcmp(seen[i].ban, form.g.ban, sizeof form.g.ban)) << i;
        }
        EXPECT_EQ(form.g.hande_settei, FLAG_ON);
    }
}

TEST_F(LevelTest, AStepShowsTheNameTheSquareAndTheSound) {
    form.hist.kifu_saishu = 3;
    forget_events();
    timeline.start();
    form.dispatchMenu("LBEL_UP");
    const std::vector<std::string> expected = {
        "絵 5 11 1",
        "絵 5 12 1",
        "絵 5 13 1",
        "絵 5 14 1",  // the background (緑)
        "字 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級 0 11.3 1.4",
        "字 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級 15 11.2 1.3",
        "絵 0 8 2",
        "輪郭 2 8 2",
        "sound play 駒打音.wav",
    };
    EXPECT_EQ(take_events(), expected);
    EXPECT_EQ(form.g.ban[8][2], KARA);
    EXPECT_EQ(form.hist.kifu_saishu, 0);  // the record is cut to the start
}

TEST_F(LevelTest, TheEndsOfTheLadderChangeNothingButSetTheFlag) {
    for (int end : {10, -10}) {
        form.dispatchMenu("CANCEL");
        form.g.hande_level = end;
        form.hist.kifu_saishu = 2;
        const GameState before = form.g;
        forget_events();
        form.dispatchMenu(end > 0 ? "LBEL_UP" : "LEBEL_DOWN");
        EXPECT_EQ(form.g.hande_level, end);
        EXPECT_EQ(0, std::memcmp(before.ban, form.g.ban, sizeof form.g.ban));
        EXPECT_EQ(form.g.hande_settei, FLAG_ON);
        EXPECT_EQ(form.hist.kifu_saishu, 0);
        EXPECT_TRUE(take_events().empty());  // no sound, no box
    }
}

TEST_F(LevelTest, RefusedWithTheForbiddenSoundAndABox) {
    struct Case {
        int kifu_mode, kifu_genzai, hanten;
        const char* first_line;
    };
    const Case cases[] = {
        {FLAG_ON, 0, FLAG_OFF, "棋譜ﾓｰﾄﾞではできません"},
        {FLAG_OFF, 3, FLAG_OFF, "対局途中ではできません"},
        {FLAG_OFF, 0, FLAG_ON, "反転後ではできません"},
        {FLAG_ON, 3, FLAG_ON, "棋譜ﾓｰﾄﾞではできません"},
    };
    for (const Case& c : cases) {
        for (const char* item : {"LBEL_UP", "LEBEL_DOWN"}) {
            form.dispatchMenu("CANCEL");
            form.g.kifu_mode = c.kifu_mode;
            form.g.kifu_genzai = c.kifu_genzai;
            form.g.hanten = c.hanten;
            form.hist.kifu_saishu = 4;
            const GameState before = form.g;
            forget_events();
            form.dispatchMenu(item);
            const std::vector<std::string> expected = {
                "sound play 禁止.wav", std::string("msg \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定\" \"") + c.first_line +
                                           "\\r\\r局面→最初にして下さい\""};
            EXPECT_EQ(take_events(), expected) << item;
            EXPECT_EQ(0, std::memcmp(before.ban, form.g.ban, sizeof form.g.ban));
            EXPECT_EQ(form.g.hande_level, 0);
            EXPECT_EQ(form.g.hande_settei, FLAG_OFF);
            EXPECT_EQ(form.hist.kifu_saishu, 4);
        }
    }
}

// A level item erases the level display; it comes back, with the new level,
// only in a game against the computer. A number that is no level ticks none.
TEST_F(LevelTest, LevelItemsTickAndShowTheLevelInAComputerGame) {
    struct Case {
        int mode, n, level;
        std::vector<std::string> drawn;
    };
    const std::vector<std::string> erase = {"絵 5 -2 0", "絵 5 -1 0", "絵 5 0 0"};
    const auto label = [](std::vector<std::string> v, const char* digit) {
        for (const char* s : {"字 LEVEL 0 -1.4 0.2", "字 LEVEL 15 -1.5 0.1"}) v.push_back(s);
        v.push_back(std::string("字 ") + digit + " 0 0.1 0.1");
        v.push_back(std::string("字 ") + digit + " 15 0 0");
        return v;
    };
    const Case cases[] = {
        {MODE_COM, 2, 2, label(erase, " 2")}, {MODE_MAN, 1, 1, erase},
        {MODE_COM, 4, 4, label(erase, " 4")}, {MODE_COM, 5, 5, label(erase, " 5")},
        {MODE_COM, 10, 10, label(erase, " 10")},
        {MODE_COM, 11, 3, label({}, " 3")},  // レベル_設定 alone: no erasing
    };
    timeline.start();
    for (const Case& c : cases) {
        form.g.taikyoku_mode = c.mode;
        form.g.com_level = 3;
        forget_events();
        if (c.n <= kLastLevel) {
            form.dispatchMenu("LEVEL" + std::to_string(c.n));
        } else {
            form.レベル_設定(c.n);
        }
        EXPECT_EQ(form.g.com_level, c.level);
        EXPECT_EQ(take_events(), c.drawn) << c.n;
        for (int i = 1; i <= kLastLevel; ++i)
            EXPECT_EQ(rp.menu.checked("LEVEL" + std::to_string(i)), i == c.n);
    }
}

}  // namespace
}  // namespace murokan::test
