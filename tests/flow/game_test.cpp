// Whole games through the mouse: human against human to a king taken by the
// strike chain, and games against the computer from either side.
#include "flow_fixture.h"

namespace murokan::test {
namespace {

using GameTest = FlowTest;

TEST_F(GameTest, SenteWinsWhenItsChainSandwichesTheTopKing) {
    form.dispatchMenu("START");
    move(1, 7, 1, 6);  // 先手 (bottom)
    move(3, 1, 4, 2);  // 後手: its chain takes the bottom pawn on (9, 7)
    EXPECT_EQ(form.g.mochi_teki[1], 1);
    forget_events();
    move(5, 9, 5, 8);  // the bottom pawn of column 5 is flicked up against the top king
    EXPECT_EQ(form.g.ban[5][1], KARA);
    EXPECT_EQ(form.g.ban[5][2], -HU);
    EXPECT_EQ(form.g.shuukyoku, TEBAN_SENTE);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);  // the turn passed before the win was told
    EXPECT_EQ(form.g.tesuu, 3);
    EXPECT_EQ(form.g.kifu_genzai, 3);
    EXPECT_EQ(form.hist.kifu_saishu, 2);
    const auto ev = take_events();
    EXPECT_TRUE(has(ev, "msg \"終了\" \"先手の勝ちです\""));

    // Every later click is answered by the end of the game.
    click(5, 8);
    EXPECT_EQ(rp.dialogs.messages().back().title, "終局");
    EXPECT_EQ(rp.dialogs.messages().back().text, "新規に対局してください");
    click(20, 20, MIGI_BUTTON);
    EXPECT_EQ(rp.dialogs.messages().back().text, "新規に対局してください");
}

TEST_F(GameTest, GoteWinsWhenItsChainSandwichesTheBottomKing) {
    form.dispatchMenu("START");
    move(3, 9, 4, 8);  // its chain takes the top pawn on (9, 3)
    EXPECT_EQ(form.g.mochi_ji[1], 1);
    move(5, 1, 5, 2);  // the top pawn of column 5 slides down onto the bottom king
    EXPECT_EQ(form.g.ban[5][9], KARA);
    EXPECT_EQ(form.g.shuukyoku, TEBAN_GOTE);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    EXPECT_EQ(rp.dialogs.messages().back().title, "終了");
    EXPECT_EQ(rp.dialogs.messages().back().text, "後手の勝ちです");

    // スタート after the end sets up a fresh game.
    form.dispatchMenu("START");
    EXPECT_EQ(form.g.shuukyoku, 0);
    EXPECT_EQ(form.g.ban[5][9], -OU);
    EXPECT_EQ(form.g.mochi_ji[1], 0);
    EXPECT_EQ(rp.dialogs.messages().back().text, "先手の番です");
}

TEST_F(GameTest, MovesAreRecordedBeforeTheyAreMade) {
    form.dispatchMenu("START");
    move(7, 7, 7, 6);
    move(3, 3, 3, 4);
    EXPECT_EQ(form.hist.kifu_ban[0][7][7], -HU);  // the start
    EXPECT_EQ(form.hist.kifu_ban[1][7][6], -HU);  // after the first move
    EXPECT_EQ(form.hist.kifu_ban[1][3][3], HU);
    EXPECT_EQ(form.hist.kifu_saishu, 1);
    EXPECT_EQ(form.g.kifu_genzai, 2);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
}

TEST_F(GameTest, ThinkingTimeGoesToTheSideThatMoved) {
    rp.menu.setChecked("KEIKA", true);
    form.dispatchMenu("START");
    rp.clock.advance(5);
    form.timerTick();
    move(7, 7, 7, 6);
    EXPECT_FLOAT_EQ(form.g.ji_jikan, 5);
    rp.clock.advance(3);
    form.timerTick();
    move(3, 3, 3, 4);
    EXPECT_FLOAT_EQ(form.g.teki_jikan, 3);
    EXPECT_FLOAT_EQ(form.g.ji_jikan, 5);
}

TEST_F(GameTest, SenteAgainstTheComputerGetsAReplyInsideTheClick) {
    form.dispatchMenu("SENTE");
    const int before = form.g.mochi_teki_kazu;
    move(7, 7, 7, 6);
    EXPECT_EQ(form.g.tesuu, 2);  // the human's move and the computer's
    EXPECT_EQ(form.g.teban, form.g.ji_teban);
    EXPECT_EQ(form.g.kifu_genzai, 2);
    EXPECT_EQ(form.hist.kifu_saishu, 1);
    EXPECT_GE(form.g.mochi_teki_kazu, before);
    // The top side changed: some top piece stands where the start had none.
    int moved = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (form.g.ban[x][y] != form.hist.kifu_ban[1][x][y]) ++moved;
    EXPECT_GT(moved, 0);
}

TEST_F(GameTest, GoteLetsTheComputerMoveFirstWithTheTopPieces) {
    form.dispatchMenu("GOTE");
    EXPECT_EQ(form.g.ji_teban, TEBAN_GOTE);
    EXPECT_EQ(form.g.teki_teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.tesuu, 1);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);
    EXPECT_EQ(form.g.taikyoku_mode, MODE_COM);
    // Entry 0 is the start; the computer's move changed only top pieces' squares
    // or what its chain reached; the bottom pieces are still the human's.
    int top_moved = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (form.hist.kifu_ban[0][x][y] > 0 && form.g.ban[x][y] != form.hist.kifu_ban[0][x][y])
                ++top_moved;
    EXPECT_GT(top_moved, 0);

    // The human (bottom, 後手) plays and the computer answers again.
    move(3, 7, 3, 6);
    EXPECT_EQ(form.g.tesuu, 3);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);
}

TEST_F(GameTest, TheTopPiecesAndStandAreNotTheHumansAgainstTheComputer) {
    form.dispatchMenu("SENTE");
    form.g.mochi_teki[1] = 1;
    form.g.mochi_teki_kazu = 1;
    click(3, 3);  // a top pawn: reach shown only
    EXPECT_EQ(form.g.click_dankai, 0);
    click(-1, 7);  // the top stand's pawn is selected for show...
    EXPECT_EQ(form.g.click_dankai, 1);
    click(5, 5);  // ...and the next board click cancels it
    EXPECT_EQ(form.g.click_dankai, 0);
    EXPECT_EQ(form.g.ban[5][5], KARA);
    EXPECT_EQ(form.g.tesuu, 0);
}

}  // namespace
}  // namespace murokan::test
