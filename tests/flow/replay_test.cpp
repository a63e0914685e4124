// The 局面 menu: 最初, 戻, 進 and 反転 over a game played through the mouse.
#include <array>
#include <cmath>
#include <cstring>

#include "panel_fixture.h"
#include "record/notation.h"

namespace murokan::test {
namespace {

// Board and both hands, as the replay commands must restore them.
struct Position {
    int ban[10][10];
    int ji[8];
    int teki[8];
    bool operator==(const Position& o) const {
        return std::memcmp(ban, o.ban, sizeof ban) == 0 && std::memcmp(ji, o.ji, sizeof ji) == 0 &&
               std::memcmp(teki, o.teki, sizeof teki) == 0;
    }
};

class ReplayTest : public PanelTest {
  protected:
    Position now() const {
        Position p;
        std::memcpy(p.ban, form.g.ban, sizeof p.ban);
        std::memcpy(p.ji, form.g.mochi_ji, sizeof p.ji);
        std::memcpy(p.teki, form.g.mochi_teki, sizeof p.teki);
        return p;
    }
    std::string sound(int buffer) const { return "sound play " + rp.sound.nameOf(buffer); }
    static std::string box(std::string_view title, std::string_view text) {
        return "msg " + platform::quoteEventText(title) + " " + platform::quoteEventText(text);
    }

    // A human-against-human game of three moves, each flicking a pawn, with
    // some thinking time before each. positions[i] is the board after i moves.
    void play_three_moves() {
        form.dispatchMenu("START");
        positions.push_back(now());
        const std::array<std::array<int, 4>, 3> moves = {
            {{3, 7, 3, 6}, {7, 3, 7, 4}, {5, 7, 5, 6}}};
        for (const auto& m : moves) {
            rp.clock.advance(7);
            form.timerTick();
            move(m[0], m[1], m[2], m[3]);
            positions.push_back(now());
        }
        ASSERT_EQ(form.g.tesuu, 3);
        ASSERT_EQ(form.g.kifu_genzai, 3);
        for (int i = 1; i <= 3; ++i) ASSERT_FALSE(positions[i] == positions[i - 1]);
        forget_events();
    }
    std::vector<Position> positions;
};

TEST_F(ReplayTest, ForwardBeforeAnyGameIsRefused) {
    forget_events();
    form.AFTER_Click();
    EXPECT_EQ(take_events(), (std::vector<std::string>{sound(form.oto_kinshi),
                                                       box("開始", "「対局」で始めて下さい")}));
    EXPECT_EQ(form.g.saikai_machi, FLAG_OFF);  // set only after the game check
}

TEST_F(ReplayTest, BackAtTheStartIsRefused) {
    form.dispatchMenu("START");
    forget_events();
    form.REPLAY_Click();
    EXPECT_EQ(take_events(),
              (std::vector<std::string>{sound(form.oto_kinshi), box("戻る", "できません")}));
    EXPECT_EQ(form.g.saikai_machi, FLAG_ON);  // set before the check
    EXPECT_EQ(form.g.kifu_genzai, 0);
}

TEST_F(ReplayTest, BackThenForwardReturnsToTheLatestPosition) {
    play_three_moves();
    form.REPLAY_Click();
    EXPECT_TRUE(now() == positions[2]);
    EXPECT_EQ(form.g.tesuu, 2);
    EXPECT_EQ(form.g.kifu_genzai, 2);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);  // the third move was the bottom side's
    form.AFTER_Click();
    EXPECT_TRUE(now() == positions[3]);
    EXPECT_EQ(form.g.tesuu, 3);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);
    forget_events();
    form.AFTER_Click();  // the end of the game
    EXPECT_EQ(take_events(),
              (std::vector<std::string>{sound(form.oto_kinshi), box("進む", "できません")}));
    EXPECT_TRUE(now() == positions[3]);
}

TEST_F(ReplayTest, StepsAllTheWayBackAndForward) {
    play_three_moves();
    for (int i = 2; i >= 0; --i) {
        forget_events();
        form.REPLAY_Click();
        EXPECT_TRUE(now() == positions[i]) << i;
        EXPECT_EQ(form.g.kifu_genzai, i);
        EXPECT_EQ(take_events(), std::vector<std::string>{sound(form.oto_koma)});
        // Stepping back shows the entry's before-values of both clocks.
        EXPECT_EQ(form.g.ji_jikan, form.hist.kifu_ji_mae[i]);
        EXPECT_EQ(form.g.teki_jikan, form.hist.kifu_teki_mae[i]);
    }
    EXPECT_FALSE(rp.timer.enabled());
    EXPECT_EQ(form.g.saikai_machi, FLAG_ON);
    for (int i = 1; i <= 3; ++i) {
        form.AFTER_Click();
        EXPECT_TRUE(now() == positions[i]) << i;
        // Stepping forward shows its after-values.
        EXPECT_EQ(form.g.ji_jikan, form.hist.kifu_ji_ato[i]);
        EXPECT_EQ(form.g.teki_jikan, form.hist.kifu_teki_ato[i]);
    }
    EXPECT_GT(form.g.ji_jikan + form.g.teki_jikan, 0.0f);  // the thinking time was kept
}

TEST_F(ReplayTest, BackShowsBeforeValuesForwardShowsAfterValues) {
    play_three_moves();
    form.REPLAY_Click();  // the latest position is stored as entry 3
    // Every clock value of every entry its own number, so that no mix-up of
    // side, entry or before/after can go unseen.
    for (int n = 0; n <= 3; ++n) {
        form.hist.kifu_ji_mae[n] = 100.0f * n + 1;
        form.hist.kifu_ji_ato[n] = 100.0f * n + 2;
        form.hist.kifu_teki_mae[n] = 100.0f * n + 3;
        form.hist.kifu_teki_ato[n] = 100.0f * n + 4;
    }
    struct Step {
        void (Form1::*command)();
        int entry;
        float ji, teki;
    };
    const Step steps[] = {
        {&Form1::REPLAY_Click, 1, 101, 103}, {&Form1::REPLAY_Click, 0, 1, 3},
        {&Form1::AFTER_Click, 1, 102, 104},  {&Form1::AFTER_Click, 2, 202, 204},
        {&Form1::AFTER_Click, 3, 302, 304},  {&Form1::REPLAY_Click, 2, 201, 203},
    };
    for (const Step& s : steps) {
        (form.*s.command)();
        ASSERT_EQ(form.g.kifu_genzai, s.entry);
        EXPECT_EQ(form.g.ji_jikan, s.ji) << s.entry;
        EXPECT_EQ(form.g.teki_jikan, s.teki) << s.entry;
    }
}

// 戻 erases the last-move text of the side whose piece the undone entry
// changed: below the top hand stand for a top piece, above the bottom hand
// stand otherwise. The entries differ from the start only on (5, 5), so the
// changed square is known whatever the strike chain did.
TEST_F(ReplayTest, BackErasesTheLastMoveTextOfTheChangedPiecesSide) {
    play_three_moves();
    form.REPLAY_Click();
    form.AFTER_Click();
    ASSERT_EQ(form.g.kifu_genzai, 3);
    struct Case {
        int entry;  // the entry stepped back from
        int code;   // what it holds on (5, 5)
        bool top;   // whose text is erased
    };
    const Case cases[] = {{3, -KIN, false}, {2, HU, true}, {1, -HU, false}};
    for (const Case& c : cases) {
        std::memcpy(form.hist.kifu_ban[c.entry], form.hist.kifu_ban[0],
                    sizeof form.hist.kifu_ban[0]);
        form.hist.kifu_ban[c.entry][5][5] = c.code;
    }
    複写_棋譜から盤(form.hist, 3, form.g);  // the board shows entry 3 as stepping would
    for (const Case& c : cases) {
        rp.canvas.clear();
        form.REPLAY_Click();
        ASSERT_EQ(form.g.kifu_genzai, c.entry - 1);
        bool top = false, bottom = false;
        for (const auto& call : rp.canvas.calls()) {
            if (call.kind != platform::DrawCall::Kind::Picture || call.code != form.opt.haikei)
                continue;
            const double cx = (call.x - BAN_X0) / MASU_W, cy = (call.y - BAN_Y0) / MASU_H;
            top |= std::abs(cx + 2) < 0.01 && std::abs(cy - 8) < 0.01;
            bottom |= std::abs(cx - 12) < 0.01 && std::abs(cy - 2) < 0.01;
        }
        EXPECT_EQ(top, c.top) << c.entry;
        EXPECT_EQ(bottom, !c.top) << c.entry;
    }
}

TEST_F(ReplayTest, ForwardNamesTheSquareTheRecordedMoveChanged) {
    play_three_moves();
    form.REPLAY_Click();
    rp.canvas.clear();
    form.AFTER_Click();
    const 移動結果 made = 調査_移動結果(form.hist, 3);
    ASSERT_NE(made.koma, KARA);
    std::vector<std::string> texts;
    for (const auto& c : rp.canvas.calls()) {
        if (c.kind == platform::DrawCall::Kind::Text && c.colour == IRO_SHIRO)
            texts.push_back(c.text);
    }
    for (const std::string_view part :
         {文字列変換(10 - made.x), 文字列変換(1000 + made.y), 文字列変換(made.koma)}) {
        EXPECT_TRUE(has(texts, std::string(part))) << part;
    }
}

TEST_F(ReplayTest, PlayFromAReplayedPositionOverwritesTheLaterEntries) {
    play_three_moves();
    form.REPLAY_Click();
    form.REPLAY_Click();
    ASSERT_TRUE(now() == positions[1]);
    ASSERT_EQ(form.g.teban, TEBAN_GOTE);  // the top side is to move
    move(1, 3, 1, 4);                     // a different second move
    EXPECT_EQ(form.g.kifu_genzai, 2);
    EXPECT_EQ(form.hist.kifu_saishu, 1);
    EXPECT_EQ(form.g.saikai_machi, FLAG_OFF);
    EXPECT_FALSE(now() == positions[2]);
    EXPECT_EQ(form.g.ban[1][3], KARA);
    // The old second move is gone: 進 has nowhere to go.
    forget_events();
    form.AFTER_Click();
    EXPECT_TRUE(has(take_events(), box("進む", "できません")));
}

TEST_F(ReplayTest, ReverseTwiceRestoresBoardAndHands) {
    play_three_moves();
    form.g.mochi_ji[1] = 2;
    form.g.mochi_teki[7] = 1;
    form.g.ban[4][5] = -SYA_NARI;
    const Position before = now();
    form.REVERSE_Click();
    EXPECT_EQ(form.g.ban[6][5], SYA_NARI);  // −71 on (4,5) becomes 71 on (6,5)
    EXPECT_EQ(form.g.ban[5][1], OU);        // the former bottom king, now a top piece
    EXPECT_EQ(form.g.ban[5][9], -OU);
    EXPECT_EQ(form.g.mochi_teki[1], 2);
    EXPECT_EQ(form.g.mochi_ji[7], 1);
    EXPECT_EQ(form.g.mochi_ji_kazu, 1);
    EXPECT_EQ(form.g.mochi_teki_kazu, 2);
    EXPECT_EQ(form.g.hanten, FLAG_ON);
    EXPECT_EQ(form.g.kifu_genzai, 0);
    EXPECT_EQ(form.hist.kifu_saishu, 0);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    form.REVERSE_Click();
    EXPECT_TRUE(now() == before);
    EXPECT_EQ(form.g.hanten, FLAG_ON);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);
    // Writing a record is refused from now on.
    forget_events();
    form.KIFU_WRITE_Click();
    EXPECT_EQ(take_events(),
              std::vector<std::string>{box("棋譜書込", "反転後は書き込みできません")});
}

TEST_F(ReplayTest, EmptySquaresStayEmptyUnderReverse) {
    form.REVERSE_Click();
    int occupied = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) occupied += form.g.ban[x][y] != KARA;
    EXPECT_EQ(occupied, 40);
    EXPECT_EQ(form.g.ban[5][5], KARA);
    EXPECT_EQ(form.g.ban[2][2], SYA);  // the bottom rook from (8,8), turned into a top piece
}

TEST_F(ReplayTest, ReverseIsRefusedInRecordMode) {
    form.g.kifu_mode = FLAG_ON;
    const Position before = now();
    forget_events();
    form.REVERSE_Click();
    EXPECT_EQ(take_events(), (std::vector<std::string>{sound(form.oto_kinshi),
                                                       box("反転", "棋譜ﾓｰﾄﾞではできません")}));
    EXPECT_TRUE(now() == before);
    EXPECT_EQ(form.g.hanten, FLAG_OFF);
}

TEST_F(ReplayTest, FirstStartsAfresh) {
    play_three_moves();
    form.g.kifu_mode = FLAG_ON;
    form.CANCEL_Click();
    EXPECT_TRUE(now() == positions[0]);
    EXPECT_EQ(form.g.teban, TEBAN_NASHI);
    EXPECT_EQ(form.g.kifu_mode, FLAG_OFF);
    EXPECT_EQ(form.g.kifu_genzai, 0);
    EXPECT_EQ(form.hist.kifu_saishu, 0);
    EXPECT_EQ(take_events(), std::vector<std::string>{sound(form.oto_koma)});
}

TEST_F(ReplayTest, BackAndForwardCloseTheRecordPanel) {
    play_three_moves();
    for (auto step : {&Form1::REPLAY_Click, &Form1::AFTER_Click, &Form1::STOP_Click}) {
        form.KIFU_WRITE_Click();
        panel.type(platform::PanelItem::Text2, "対局");
        ASSERT_EQ(shown(), WRITING);
        (form.*step)();
        EXPECT_EQ(shown(), CLOSED);
        EXPECT_EQ(panel.text(platform::PanelItem::Text2), "");
    }
}

}  // namespace
}  // namespace murokan::test
