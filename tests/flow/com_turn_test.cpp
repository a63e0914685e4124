// The computer's turn as the player sees it: the thinking indicator and the
// running clock, the blinking piece, the move with its pause and sound, the
// strike chain, then the last-move text and the hand-over, or the end of the
// game; and how a human move and the computer's reply follow each other.
#include <cstring>

#include "core/sfen.h"
#include "flow_fixture.h"

namespace murokan::test {
namespace {

class ComTurnTest : public FlowTest {
  protected:
    // A game against the computer, four moves in, the computer to move in `sfen`.
    void position(const char* sfen) {
        form.dispatchMenu("CANCEL");
        form.g.taikyoku_mode = MODE_COM;
        ASSERT_EQ(parse_sfen(sfen, form.g), nullptr) << sfen;
        form.g.teban = form.g.teki_teban;
        form.g.tesuu = 4;
        form.g.kifu_genzai = 4;
        form.g.ji_jikan = 12;
        form.g.teki_jikan = 30;
        form.g.keika_byou = 2.5f;
        rp.menu.setChecked("KEIKA", true);
        forget_events();
        timeline.start();
    }
    // The timeline from the first line that starts with `from`.
    std::vector<std::string> from(const std::vector<std::string>& ev, std::string_view first) {
        auto it = std::find_if(ev.begin(), ev.end(),
                               [&](const std::string& e) { return e.rfind(first, 0) == 0; });
        return {it, ev.end()};
    }
    // The lines that start with `prefix`.
    static std::vector<std::string> only(const std::vector<std::string>& ev,
                                         std::string_view prefix) {
        std::vector<std::string> out;
        for (const std::string& e : ev)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
};

TEST_F(ComTurnTest, PlaysTheSearchedMoveInTheGamesOrder) {
    position("4k4/9/9/9/9/9/9/9/4K4 w -");  // lone kings: the search plays 5a6b
    const float start = static_cast<float>(rp.clock.now());
    form.com_ban();
    EXPECT_EQ(form.g.ban[4][2], OU);
    EXPECT_EQ(form.g.ban[5][1], KARA);
    EXPECT_EQ(form.g.tesuu, 5);
    EXPECT_EQ(form.g.kifu_genzai, 5);
    EXPECT_EQ(form.g.teban, form.g.ji_teban);
    EXPECT_FLOAT_EQ(form.g.kaishi_byou, start + 1.3f);  // after the blink and the pause
    EXPECT_EQ(form.hist.kifu_ban[4][5][1], OU);         // entry 4: the position before the move

    const std::vector<std::string> expected = {
        // The clock starts and the indicator shows before the search.
        "Timer1 on", "絵 5 -2 8", "絵 5 -1 8", "絵 5 0 8", "輪郭 2 -1 7", "字 思考中 0 -1.5 8.5",
        "字 思考中 15 -1.6 8.4", "輪郭 2 1 8", "更新",
        // The move number.
        "絵 5 13 3", "絵 5 14 3", "輪郭 2 11 3", "字  5 0 13.3 3.4", "字  5 15 13.2 3.3",
        "字 手目 0 14.1 3.5", "字 手目 15 14 3.4",
        // The king blinks twice on its square.
        "絵 0 5 1", "輪郭 2 5 1", "更新", "待ち 0.2", "絵 80 5 1", "輪郭 2 5 1", "更新", "待ち 0.2",
        "絵 0 5 1", "輪郭 2 5 1", "更新", "待ち 0.2", "絵 80 5 1", "輪郭 2 5 1", "更新", "待ち 0.2",
        // It moves, and lands with a pause and the sound; the clock stops.
        "絵 0 5 1", "輪郭 2 5 1", "絵 80 4 2", "輪郭 2 4 2", "待ち 0.5", "sound play 駒打音.wav",
        "Timer1 off",
        // Named where it was played (６二王), outlined in white; the human's clock starts.
        "絵 5 -2 8", "絵 5 -1 8", "絵 5 0 8", "輪郭 2 -1 7", "輪郭 2 1 8", "字 ６ 0 -1.5 8.5",
        "字 ６ 15 -1.6 8.4", "字 二 0 -1.1 8.5", "字 二 15 -1.2 8.4", "字 王 0 -0.5 8.5",
        "字 王 15 -0.6 8.4", "輪郭 2 1 8", "輪郭 15 4 2", "Timer1 on"};
    EXPECT_EQ(take_events(), expected);
}

// Its running total is drawn once per source column while it searches, and
// the time of the turn goes to its own total, in the history entry too.
TEST_F(ComTurnTest, TheClockRunsWhileTheComputerThinks) {
    position("4k4/9/9/9/9/9/9/9/4K4 w -");
    timeline.seconds_per_reading = 1;
    form.com_ban();
    std::vector<std::string> shown;  // the white text of each clock drawing
    for (const std::string& e : only(take_events(), "字 00:00:")) {
        if (e.find(" 15 ") != std::string::npos) shown.push_back(e.substr(4, 8));
    }
    const std::vector<std::string> expected = {"00:00:31", "00:00:32", "00:00:33",
                                               "00:00:34", "00:00:35", "00:00:36",
                                               "00:00:37", "00:00:38", "00:00:39"};
    EXPECT_EQ(shown, expected);
    EXPECT_FLOAT_EQ(form.g.teki_jikan, 39);
    EXPECT_FLOAT_EQ(form.g.ji_jikan, 12);
    EXPECT_FLOAT_EQ(form.hist.kifu_teki_ato[4], 39);
    EXPECT_FLOAT_EQ(form.hist.kifu_ji_ato[4], 12);
}

TEST_F(ComTurnTest, DropBlinksInTheTopHandStand) {
    position("8k/9/9/9/9/9/9/9/K8 w g");  // the gold drop on 9h mates
    form.com_ban();
    EXPECT_EQ(form.g.ban[1][8], KIN);
    EXPECT_EQ(form.g.mochi_teki[5], 0);
    EXPECT_EQ(form.g.mochi_teki_kazu, 0);
    const auto ev = take_events();
    // The gold blinks in row 8 - 5 = 3 of the top stand, which is then redrawn.
    EXPECT_EQ(only(ev, "絵 50 -1"), std::vector<std::string>(2, "絵 50 -1 3"));
    EXPECT_EQ(only(ev, "絵 50 1 8").size(), 1u);
    EXPECT_TRUE(only(ev, "待ち 0.15").empty());  // a drop strikes nothing
}

TEST_F(ComTurnTest, WithoutElapsedTimeTheTimerNeverStarts) {
    position("4k4/9/9/9/9/9/9/9/4K4 w -");
    rp.menu.setChecked("KEIKA", false);
    form.com_ban();
    EXPECT_EQ(only(take_events(), "Timer1"), std::vector<std::string>{"Timer1 off"});
}

TEST_F(ComTurnTest, DoesNothingOnceTheGameIsOver) {
    position("4k4/9/9/9/9/9/9/9/4K4 w -");
    form.g.shuukyoku = TEBAN_SENTE;
    form.com_ban();
    EXPECT_TRUE(take_events().empty());
    EXPECT_EQ(form.g.tesuu, 4);
    EXPECT_EQ(form.g.teban, form.g.teki_teban);
}

// A king taken by the move's chain ends the game at once: no last-move text,
// no time added, and the turn is the human's, who may no longer move.
TEST_F(ComTurnTest, ATakenKingEndsTheGame) {
    struct Case {
        const char* what;
        const char* sfen;
        int square;  // the king's square, now empty
        const char* text;
    };
    const Case cases[] = {
        // The top king is boxed in, so the pawn's step to 5h is the only move;
        // it strikes the bottom king against the edge.
        {"the bottom king", "kG7/GG7/9/9/9/9/4p4/9/4K4 w -", 59, "ｺﾝﾋﾟｭｰﾀの勝ちです"},
        // Every move leaves the top king attacked, so the first legal move is
        // played: the pawn to 5h, striking its own king on 5i off the board.
        {"its own king", "K8/9/9/9/9/9/4p4/3G1G3/3GkG3 w -", 59, "あなたの勝ちです"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        position(c.sfen);
        form.com_ban();
        EXPECT_EQ(form.g.ban[c.square / 10][c.square % 10], KARA);
        EXPECT_EQ(form.g.ban[5][8], HU_NARI);  // a pawn always promotes when it may
        EXPECT_NE(form.g.shuukyoku, 0);
        EXPECT_EQ(form.g.teban, form.g.ji_teban);
        EXPECT_FLOAT_EQ(form.g.teki_jikan, 30);
        const auto ev = from(take_events(), "sound play 消滅.wav");
        ASSERT_FALSE(ev.empty());
        EXPECT_EQ(ev.back(), "msg \"終了\" \"" + std::string(c.text) + "\"");
        EXPECT_TRUE(only(ev, "字").empty());  // the move is not named
        form.com_ban();                       // every later call returns at once
        EXPECT_TRUE(take_events().empty());
        click(5, 5);
        EXPECT_EQ(take_events(),
                  std::vector<std::string>{"msg \"終局\" \"新規に対局してください\""});
    }
}

TEST_F(ComTurnTest, NoLegalMovePlaysAndRecordsNothing) {
    position("kG7/GG7/9/9/9/9/9/9/4K4 w -");
    const GameState before = form.g;
    form.com_ban();
    EXPECT_EQ(0, std::memcmp(before.ban, form.g.ban, sizeof form.g.ban));
    EXPECT_EQ(form.g.tesuu, 4);
    EXPECT_EQ(form.g.kifu_genzai, 4);
    EXPECT_EQ(form.hist.kifu_saishu, 0);
    EXPECT_EQ(form.g.teban, form.g.ji_teban);
    // The indicator is painted over again and the human's clock starts.
    const std::vector<std::string> tail = {"更新", "絵 5 -2 8", "絵 5 -1 8", "絵 5 0 8",
                                           "Timer1 on"};
    EXPECT_EQ(from(take_events(), "更新"), tail);
}

// The window knows no drawn game: the computer without a move passes as often
// as it is asked, and the human's moves between and after are played and
// answered as any other, the history counting only them.
TEST_F(ComTurnTest, TheComputersPassesEndNothing) {
    position("kG7/GG7/9/9/9/9/9/9/4K4 w -");
    form.com_ban();
    form.com_ban();
    EXPECT_EQ(form.g.shuukyoku, 0);
    ASSERT_EQ(form.g.teban, form.g.ji_teban);
    for (int y : {8, 7}) {
        click(5, y + 1);
        click(5, y);  // the bottom king steps up; the computer passes again
        EXPECT_EQ(form.g.ban[5][y], -OU);
        EXPECT_EQ(form.g.teban, form.g.ji_teban);
    }
    EXPECT_EQ(form.g.tesuu, 6);
    EXPECT_EQ(form.g.kifu_genzai, 6);
    EXPECT_EQ(form.g.shuukyoku, 0);
}

TEST_F(ComTurnTest, TheStrikeChainSlidesThePieceSquareBySquare) {
    // Only the pawn on 5c can move (the top king is boxed in): it steps to 5d
    // and flicks the bottom pawn on 5f down to 5h, against the bottom king.
    position("kG7/GG7/4p4/9/9/4P4/9/9/4K4 w -");
    form.com_ban();
    EXPECT_EQ(form.g.ban[5][4], HU);
    EXPECT_EQ(form.g.ban[5][8], -HU);
    const std::vector<std::string> slides = {"絵 0 5 6",   "輪郭 2 5 6", "絵 -10 5 7", "輪郭 2 5 7",
                                             "更新",       "待ち 0.15",  "絵 0 5 7",   "輪郭 2 5 7",
                                             "絵 -10 5 8", "輪郭 2 5 8", "更新",       "待ち 0.15"};
    const auto ev = from(take_events(), "Timer1 off");
    ASSERT_GT(ev.size(), slides.size());
    EXPECT_EQ(std::vector<std::string>(ev.begin() + 1, ev.begin() + 1 + slides.size()), slides);
    // The move is named where it was played, not where the flicked pawn stopped.
    EXPECT_TRUE(has(ev, "輪郭 15 5 4"));
}

// The game's two-pawn flags are brought up to the position the computer moves
// in, so that a drop from a hand selection still standing is judged by it.
TEST_F(ComTurnTest, TheTwoPawnFlagsFollowThePositionItMovesIn) {
    position("4k4/9/9/9/9/9/9/2P6/4K4 w -");
    for (int& f : form.g.nifu_ji) f = 0;  // left from another position
    form.com_ban();
    EXPECT_EQ(form.g.nifu_ji[3], 1);
}

// The history holds entries 0..MAX_KIFU: the computer's move from entry
// MAX_KIFU is refused as a human one would be, before it thinks.
TEST_F(ComTurnTest, MovesOnlyWhileTheHistoryHasRoom) {
    for (int genzai : {MAX_KIFU - 1, MAX_KIFU}) {
        position("4k4/9/9/9/9/9/9/9/4K4 w -");
        form.g.kifu_genzai = genzai;
        form.g.tesuu = genzai;
        form.com_ban();
        EXPECT_EQ(form.g.teban, form.g.ji_teban);
        const auto ev = take_events();
        if (genzai < MAX_KIFU) {
            EXPECT_EQ(form.g.kifu_genzai, MAX_KIFU);
            EXPECT_EQ(form.hist.kifu_saishu, MAX_KIFU - 1);
            EXPECT_TRUE(only(ev, "msg").empty());
            continue;
        }
        const std::vector<std::string> refused = {
            "sound play 禁止.wav", "msg \"棋譜\" \"手数が500手に達したため、これ以上指せません\""};
        EXPECT_EQ(ev, refused);
        EXPECT_EQ(form.g.tesuu, MAX_KIFU);
        EXPECT_EQ(form.g.ban[5][1], OU);
        EXPECT_FLOAT_EQ(form.g.teki_jikan, 30);
    }
}

// The human's move and the computer's reply in one click, each shown in its
// own order: the human's move is named as soon as it lands, before its chain,
// and its clock stops after the chain; the computer's clock stops before its
// chain, and its move is named after it.
TEST_F(ComTurnTest, TheHumansMoveAndTheRepliesShowInTheirOwnOrder) {
    form.dispatchMenu("SENTE");
    forget_events();
    timeline.start();
    move(7, 7, 7, 6);  // the pawn strikes the top pawn on 7c one square on
    std::vector<std::string> steps;
    for (const std::string& e : take_events()) {
        for (std::string_view key :
             {"sound", "待ち 0.15", "待ち 0.5", "Timer1", "字 歩 15", "字 思考中 15"}) {
            if (e.rfind(key, 0) == 0) steps.push_back(e);
        }
    }
    const std::vector<std::string> expected = {
        "sound play 駒打音.wav",
        "字 歩 15 13.4 2.4",  // ３六歩, named at once
        "待ち 0.15",
        "Timer1 off",  // its chain, then the clock stops
        "Timer1 on",
        "字 思考中 15 -1.6 8.4",  // the computer thinks
        "待ち 0.5",
        "sound play 駒打音.wav",  // its piece lands
        "Timer1 off",
        "字 歩 15 -0.6 8.4",  // ８四歩, named after its chain
        "Timer1 on",
    };
    EXPECT_EQ(steps, expected);
}

}  // namespace
}  // namespace murokan::test
