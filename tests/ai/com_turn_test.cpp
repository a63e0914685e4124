// com_ban as the game runs it: what it records, shows and plays, in order, and
// how it hands the turn back or ends the game.
#include "ai/com_turn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "com_fixture.h"

namespace murokan::com_test {
namespace {

GameState 手番(const char* sfen) {
    GameState g = 局面(sfen);
    g.teban = g.teki_teban;
    g.tesuu = 4;
    g.kifu_genzai = 4;
    g.ji_jikan = 12;
    g.teki_jikan = 30;
    g.keika_byou = 2.5f;
    return g;
}

TEST(ComTurn, PlaysTheSearchedMoveInTheGamesOrder) {
    // Lone kings: the search plays 5a6b (see the tie test).
    GameState g = 手番("4k4/9/9/9/9/9/9/9/4K4 w -");
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);

    EXPECT_EQ(g.ban[4][2], OU);
    EXPECT_EQ(g.ban[5][1], KARA);
    EXPECT_EQ(g.tesuu, 5);
    EXPECT_EQ(g.kifu_genzai, 5);
    EXPECT_EQ(g.teban, g.ji_teban);
    EXPECT_FLOAT_EQ(g.teki_jikan, 32.5f);
    EXPECT_FLOAT_EQ(g.kaishi_byou, h.clock);

    const std::vector<std::string> expected_tail = {
        "手順保存 5 1 4 2 80 80 12 12 30 32.5",
        "手数 5 15",
        "点滅 80 5 1 2",
        "駒移動 5 1 4 2 80",
        "待ち時間 0.5",
        "音 駒打",
        "Timer1 off",
        "連鎖 0",
        "移動結果 -1 4 2 80 15",
        "輪郭 15 4 2",
        "時刻",
        "Timer1 on",
    };
    const int first = h.index_of("手順保存");
    ASSERT_GE(first, 0);
    const std::vector<std::string> tail(h.calls.begin() + first, h.calls.end());
    EXPECT_EQ(tail, expected_tail);

    // Before the search: the clock starts, the indicator is drawn, the window
    // is repainted; the clock keeps ticking during the search.
    const std::vector<std::string> expected_head = {
        "時刻",
        "Timer1 on",
        "絵 6 -2 8",
        "絵 6 -1 8",
        "絵 6 0 8",
        "輪郭 2 -1 7",
        "数値 -1.5 8.5 思考中 0 0 12",
        "数値 -1.6 8.4 思考中 15 0 12",
        "輪郭 2 1 8",
        "更新",
    };
    const std::vector<std::string> head(h.calls.begin(), h.calls.begin() + first);
    EXPECT_EQ(head, expected_head);
    EXPECT_EQ(h.ticks, 9);
}

TEST(ComTurn, DropBlinksInTheTopHandStand) {
    // The gold drop on 9h mates; the gold sits in row 8 - 5 = 3 of the stand.
    GameState g = 手番("8k/9/9/9/9/9/9/9/K8 w g");
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_EQ(g.ban[1][8], KIN);
    EXPECT_EQ(g.mochi_teki[5], 0);
    EXPECT_EQ(g.mochi_teki_kazu, 0);
    EXPECT_EQ(h.with("点滅"), std::vector<std::string>{"点滅 50 -1 3 2"});
    EXPECT_EQ(h.with("駒移動"), std::vector<std::string>{"駒移動 -1 5 1 8 50"});
    EXPECT_TRUE(h.with("連鎖").empty());  // a drop strikes nothing
}

TEST(ComTurn, WithoutElapsedTimeTheTimerNeverStarts) {
    GameState g = 手番("4k4/9/9/9/9/9/9/9/4K4 w -");
    ComState c;
    RecordingHost h;
    h.keika = false;
    com_ban(g, c, h);
    EXPECT_EQ(h.with("Timer1"), std::vector<std::string>{"Timer1 off"});
}

TEST(ComTurn, DoesNothingOnceTheGameIsOver) {
    GameState g = 手番("4k4/9/9/9/9/9/9/9/4K4 w -");
    g.shuukyoku = TEBAN_SENTE;
    const GameState before = g;
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_TRUE(h.calls.empty());
    EXPECT_EQ(g.tesuu, before.tesuu);
    EXPECT_EQ(g.teban, before.teban);
}

TEST(ComTurn, TakingTheBottomKingWins) {
    // The top king is boxed in, so the pawn's step to 5h is the only move; it
    // strikes the bottom king against the edge.
    GameState g = 手番("kG7/GG7/9/9/9/9/4p4/9/4K4 w -");
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_EQ(g.ban[5][8], HU_NARI);  // a pawn always promotes when it may
    EXPECT_EQ(g.ban[5][9], KARA);
    EXPECT_NE(g.shuukyoku, 0);
    EXPECT_EQ(g.teban, g.ji_teban);
    EXPECT_EQ(h.with("msg"), std::vector<std::string>{"msg 終了 ｺﾝﾋﾟｭｰﾀの勝ちです"});
    EXPECT_TRUE(h.last_chain.sandwiched);
    EXPECT_TRUE(h.with("移動結果").empty());
    EXPECT_FLOAT_EQ(g.teki_jikan, 30);  // the turn's time is not added after a win

    // Every later call returns at once.
    RecordingHost later;
    com_ban(g, c, later);
    EXPECT_TRUE(later.calls.empty());
}

TEST(ComTurn, StrikingOwnKingOffLoses) {
    // Every move leaves the top king attacked, so the first legal move is
    // played: the pawn to 5h, which strikes its own king on 5i off the board.
    GameState g = 手番("K8/9/9/9/9/9/4p4/3G1G3/3GkG3 w -");
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_EQ(g.ban[5][9], KARA);
    EXPECT_EQ(h.with("msg"), std::vector<std::string>{"msg 終了 あなたの勝ちです"});
    EXPECT_EQ(g.teban, g.ji_teban);
}

TEST(ComTurn, NoLegalMovePlaysAndRecordsNothing) {
    GameState g = 手番("kG7/GG7/9/9/9/9/9/9/4K4 w -");
    const GameState before = g;
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_TRUE(h.with("手順保存").empty());
    EXPECT_TRUE(h.with("駒移動").empty());
    EXPECT_TRUE(h.with("msg").empty());
    EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
    EXPECT_EQ(g.tesuu, before.tesuu);
    EXPECT_EQ(g.kifu_genzai, before.kifu_genzai);
    EXPECT_EQ(g.teban, g.ji_teban);
    // The thinking indicator is painted over again and the human's clock starts.
    const std::vector<std::string> expected_tail = {"更新",     "絵 6 -2 8", "絵 6 -1 8",
                                                    "絵 6 0 8", "時刻",      "Timer1 on"};
    ASSERT_GE(h.calls.size(), expected_tail.size());
    EXPECT_EQ(std::vector<std::string>(h.calls.end() - 6, h.calls.end()), expected_tail);
}

TEST(ComTurn, StrikeChainRunsForABoardMoveAndIsShown) {
    // Only the pawn on 5c can move (the top king is boxed in): it steps to 5d
    // and flicks the bottom pawn on 5f down to 5h, against the bottom king.
    GameState g = 手番("kG7/GG7/4p4/9/9/4P4/9/9/4K4 w -");
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);
    EXPECT_EQ(g.ban[5][4], HU);
    EXPECT_EQ(g.ban[5][6], KARA);
    EXPECT_EQ(g.ban[5][8], -HU);
    EXPECT_EQ(h.with("連鎖"), std::vector<std::string>{"連鎖 2"});
    // The move is shown where it was played, not where the flicked pawn stopped.
    EXPECT_EQ(h.with("移動結果"), std::vector<std::string>{"移動結果 -1 5 4 10 15"});
}

// The history holds entries 0..MAX_KIFU: a move from entry MAX_KIFU would need
// one more, so the computer is refused as a human would be, and no entry past
// the end is written.
struct 満杯例 {
    const char* name;
    int kifu_genzai;
    bool plays;
};

const 満杯例 kFull[] = {
    {"last_move_that_fits", MAX_KIFU - 1, true},
    {"history_full", MAX_KIFU, false},
};

class 満杯表 : public ::testing::TestWithParam<満杯例> {};

TEST_P(満杯表, MovesOnlyWhileTheHistoryHasRoom) {
    const 満杯例& e = GetParam();
    GameState g = 手番("4k4/9/9/9/9/9/9/9/4K4 w -");
    g.kifu_genzai = e.kifu_genzai;
    g.tesuu = e.kifu_genzai;
    const GameState before = g;
    ComState c;
    RecordingHost h;
    com_ban(g, c, h);

    EXPECT_EQ(g.teban, g.ji_teban);
    if (e.plays) {
        EXPECT_EQ(h.with("手順保存").size(), 1u);
        EXPECT_EQ(g.kifu_genzai, MAX_KIFU);
        EXPECT_TRUE(h.with("msg").empty());
        return;
    }
    const std::vector<std::string> expected = {
        "音 禁止", "msg 棋譜 手数が500手に達したため、これ以上指せません"};
    EXPECT_EQ(h.calls, expected);
    EXPECT_EQ(g.kifu_genzai, MAX_KIFU);
    EXPECT_EQ(g.tesuu, before.tesuu);
    EXPECT_EQ(0, std::memcmp(before.ban, g.ban, sizeof g.ban));
    EXPECT_FLOAT_EQ(g.teki_jikan, before.teki_jikan);
}

INSTANTIATE_TEST_SUITE_P(ComTurn, 満杯表, ::testing::ValuesIn(kFull),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murokan::com_test
