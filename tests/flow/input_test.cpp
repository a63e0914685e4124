// The mouse handler's refusals, selection states, promotion and drops.
#include <functional>

#include "flow_fixture.h"

namespace murokan::test {
namespace {

constexpr int kMiddle = 4;

// A human game on a board holding only the two kings, bottom to move.
class InputTest : public FlowTest {
  protected:
    void SetUp() override {
        FlowTest::SetUp();
        form.dispatchMenu("START");
        clear_board();
        form.g.ban[5][9] = -OU;
        form.g.ban[5][1] = OU;
        forget_events();
    }
    const platform::MessageRecord& last_msg() { return rp.dialogs.messages().back(); }
    std::size_t msg_count() { return rp.dialogs.messages().size(); }
};

TEST_F(FlowTest, ClicksBeforeAGameAreRefusedWithEveryButton) {
    for (int button : {HIDARI_BUTTON, MIGI_BUTTON, kMiddle}) {
        for (auto [cx, cy] : {std::pair{5, 7}, {11, 3}, {-1, 7}, {20, 15}}) {
            const std::size_t before = rp.dialogs.messages().size();
            click(cx, cy, button);
            ASSERT_EQ(rp.dialogs.messages().size(), before + 1);
            EXPECT_EQ(rp.dialogs.messages().back().title, "開始");
            EXPECT_EQ(rp.dialogs.messages().back().text, "「対局」で始めて下さい");
        }
    }
    EXPECT_EQ(form.g.ban[5][7], -HU);
    EXPECT_EQ(form.g.click_dankai, 0);
    EXPECT_EQ(form.g.tesuu, 0);
}

TEST_F(FlowTest, RefusalOfAClickBeforeAGamePlaysTheForbiddenSoundFirst) {
    forget_events();
    click(5, 7);
    const auto ev = take_events();
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0].rfind("sound play", 0), 0u);
    EXPECT_EQ(ev[1], "msg \"開始\" \"「対局」で始めて下さい\"");
}

TEST_F(FlowTest, RecordModeAsksToStepAndNoStartsAFreshBoard) {
    form.g.kifu_mode = FLAG_ON;
    form.g.teban = TEBAN_SENTE;
    form.g.ban[1][7] = KARA;  // stands for a replayed position
    click(5, 7);              // Yes (the default answer): nothing happens
    EXPECT_EQ(rp.dialogs.messages().back().title, "棋譜");
    EXPECT_EQ(rp.dialogs.messages().back().text, "棋譜を '進 'で進めて下さい");
    EXPECT_TRUE(rp.dialogs.messages().back().yes_no);
    EXPECT_EQ(form.g.kifu_mode, FLAG_ON);
    EXPECT_EQ(form.g.ban[1][7], KARA);

    rp.dialogs.queueAnswer(false);
    click(5, 7);
    EXPECT_EQ(form.g.kifu_mode, FLAG_OFF);
    EXPECT_EQ(form.g.teban, TEBAN_NASHI);
    EXPECT_EQ(form.g.ban[1][7], -HU);
}

TEST_F(InputTest, IllegalDestinationDropsTheSelectionWithTheForbiddenSound) {
    form.g.ban[3][7] = -KIN;
    click(3, 7);
    EXPECT_EQ(form.g.click_dankai, 1);
    const std::size_t boxes = msg_count();
    click(3, 5);  // two squares away: a gold cannot go there
    EXPECT_EQ(form.g.click_dankai, 0);
    EXPECT_EQ(form.g.ban[3][7], -KIN);
    EXPECT_EQ(form.g.ban[3][5], KARA);
    EXPECT_EQ(msg_count(), boxes);  // a sound, no box
    EXPECT_EQ(take_events().size(), 1u);
    EXPECT_EQ(form.g.tesuu, 0);
}

// The colour of the last outline drawn around cell (cx, cy); -1 when none.
int last_outline(const platform::RecordingCanvas& canvas, int cx, int cy) {
    int colour = -1;
    for (const platform::DrawCall& c : canvas.calls()) {
        if (c.kind == platform::DrawCall::Kind::Rectangle && c.x == BAN_X0 + MASU_W * cx &&
            c.y == BAN_Y0 + MASU_H * cy)
            colour = c.colour;
    }
    return colour;
}

// An illegal destination drops the selection, and its red outline with it,
// also when the piece was taken from a hand stand beside the board.
TEST_F(InputTest, AnIllegalDestinationLeavesNoSelectionOutline) {
    struct Case {
        const char* what;
        int teban;
        int sx, sy;  // the selected cell
        int tx, ty;  // an illegal destination
    };
    const Case cases[] = {
        {"bottom stand, pawn onto a column holding a bottom pawn", TEBAN_SENTE, 11, 3, 4, 5},
        {"top stand, pawn onto a column holding a top pawn", TEBAN_GOTE, -1, 7, 6, 5},
        {"board, gold two squares ahead", TEBAN_SENTE, 3, 7, 3, 5},
    };
    form.g.ban[4][7] = -HU;
    form.g.ban[6][3] = HU;
    form.g.ban[3][7] = -KIN;
    form.g.mochi_ji[1] = form.g.mochi_teki[1] = 1;
    form.g.mochi_ji_kazu = form.g.mochi_teki_kazu = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form.g.teban = c.teban;
        click(c.sx, c.sy);
        ASSERT_EQ(form.g.click_dankai, 1);
        EXPECT_EQ(last_outline(rp.canvas, c.sx, c.sy), SENTAKU_IRO);
        click(c.tx, c.ty);
        EXPECT_EQ(form.g.click_dankai, 0);
        EXPECT_EQ(form.g.ban[c.tx][c.ty], KARA);
        EXPECT_EQ(last_outline(rp.canvas, c.sx, c.sy), MASU_IRO);
    }
}

// The outline of the clicked cell and the guidance marks on the squares the
// piece may reach: red for a piece of the side to move, the guidance colour
// for one of the other side; marks only while guidance is on.
TEST_F(InputTest, SelectionOutlinesAndGuidanceMarks) {
    struct Case {
        const char* what;
        bool guidance;
        int cx, cy;   // the click
        int outline;  // colour of the clicked cell's outline
        int mx, my;   // a square the piece may reach
        int mark;     // colour of its last outline
    };
    const Case cases[] = {
        {"own gold, guidance on", true, 3, 7, SENTAKU_IRO, 3, 6, SHIDOU_IRO_ON},
        {"own gold, guidance off", false, 3, 7, SENTAKU_IRO, 3, 6, MASU_IRO},
        {"other gold, guidance on", true, 6, 3, SHIDOU_IRO_ON, 6, 4, SHIDOU_IRO_ON},
        {"other gold, guidance off", false, 6, 3, SHIDOU_IRO_OFF, 6, 4, MASU_IRO},
        {"own stand, guidance on", true, 11, 3, SENTAKU_IRO, 5, 5, SHIDOU_IRO_ON},
        {"other stand, guidance on", true, -1, 7, SHIDOU_IRO_ON, 5, 5, SHIDOU_IRO_ON},
        {"other stand, guidance off", false, -1, 7, SHIDOU_IRO_OFF, 5, 5, MASU_IRO},
    };
    form.g.ban[3][7] = -KIN;
    form.g.ban[6][3] = KIN;
    form.g.mochi_ji[1] = form.g.mochi_teki[1] = 1;
    form.g.mochi_ji_kazu = form.g.mochi_teki_kazu = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form.opt.shidou = c.guidance ? FLAG_ON : FLAG_OFF;
        form.opt.shidou_iro = c.guidance ? SHIDOU_IRO_ON : SHIDOU_IRO_OFF;
        form.g.click_dankai = 0;
        rp.canvas.clear();
        click(c.cx, c.cy);
        EXPECT_EQ(last_outline(rp.canvas, c.cx, c.cy), c.outline);
        EXPECT_EQ(last_outline(rp.canvas, c.mx, c.my), c.mark);
        EXPECT_EQ(last_outline(rp.canvas, 5, 9), MASU_IRO);  // the king's square: cleared only
    }
}

TEST_F(InputTest, ForcedPromotionNeedsTheRightButton) {
    // A pawn, a lance and a knight that could never move again unpromoted.
    struct Case {
        int code, x1, y1, x2, y2;
    };
    const Case cases[] = {{-HU, 3, 2, 3, 1}, {-KYOU, 7, 3, 7, 1}, {-KEI, 2, 3, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        form.g.ban[c.x1][c.y1] = c.code;
        for (int button : {HIDARI_BUTTON, kMiddle}) {
            click(c.x1, c.y1);
            click(c.x2, c.y2, button);
            EXPECT_EQ(last_msg().title, "成り");
            EXPECT_EQ(last_msg().text, "マウスの右をクリックして下さい");
            EXPECT_EQ(form.g.click_dankai, 1);  // the selection stays
            EXPECT_EQ(form.g.ban[c.x2][c.y2], KARA);
        }
        click(c.x2, c.y2, MIGI_BUTTON);
        EXPECT_EQ(form.g.ban[c.x2][c.y2], c.code - 1);
        EXPECT_EQ(form.g.ban[c.x1][c.y1], KARA);
        EXPECT_EQ(form.g.click_dankai, 0);
        form.g.teban = TEBAN_SENTE;  // bottom again for the next piece
    }
}

TEST_F(InputTest, TheButtonDecidesPromotionWhereItIsOptional) {
    struct Case {
        int code, button, expected;
    };
    const Case cases[] = {
        {-GIN, MIGI_BUTTON, -GIN_NARI}, {-GIN, HIDARI_BUTTON, -GIN},  {-GIN, kMiddle, -GIN},
        {-KIN, MIGI_BUTTON, -KIN},      {-HU, MIGI_BUTTON, -HU_NARI}, {-HU, HIDARI_BUTTON, -HU},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " button " << c.button);
        form.g.ban[4][4] = c.code;
        form.g.ban[4][3] = KARA;
        form.g.teban = TEBAN_SENTE;
        click(4, 4);
        click(4, 3, c.button);
        EXPECT_EQ(form.g.ban[4][3], c.expected);
        EXPECT_EQ(form.g.ban[4][4], KARA);
        EXPECT_EQ(form.g.teban, TEBAN_GOTE);
        form.g.ban[4][3] = KARA;
    }
}

TEST_F(InputTest, OutsideTheZoneTheRightButtonPlaysUnpromoted) {
    form.g.ban[4][7] = -GIN;
    click(4, 7);
    click(4, 6, MIGI_BUTTON);
    EXPECT_EQ(form.g.ban[4][6], -GIN);
}

TEST_F(InputTest, DropsFromBothHandStands) {
    form.g.mochi_ji[7] = 1;  // 飛 on the bottom stand's row 9
    form.g.mochi_ji_kazu = 1;
    form.g.mochi_teki[3] = 2;  // 桂 on the top stand's row 5
    form.g.mochi_teki_kazu = 2;

    click(11, 9);
    EXPECT_EQ(form.g.click_dankai, 1);
    EXPECT_EQ(form.sel_koma, -SYA);
    click(5, 5, MIGI_BUTTON);  // a drop never promotes
    EXPECT_EQ(form.g.ban[5][5], -SYA);
    EXPECT_EQ(form.g.mochi_ji[7], 0);
    EXPECT_EQ(form.g.mochi_ji_kazu, 0);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);

    click(-1, 5);
    EXPECT_EQ(form.sel_koma, KEI);
    click(6, 8);  // a top knight may not be dropped on rows 8 and 9
    EXPECT_EQ(form.g.ban[6][8], KARA);
    EXPECT_EQ(form.g.click_dankai, 0);
    click(-1, 5);
    click(6, 6);
    EXPECT_EQ(form.g.ban[6][6], KEI);
    EXPECT_EQ(form.g.mochi_teki[3], 1);
    EXPECT_EQ(form.g.mochi_teki_kazu, 1);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
}

TEST_F(InputTest, ADropStrikesNothing) {
    form.g.mochi_ji[1] = 1;
    form.g.mochi_ji_kazu = 1;
    form.g.ban[5][4] = HU;  // would be flicked by a pawn moving up
    click(11, 3);
    click(5, 5);
    EXPECT_EQ(form.g.ban[5][5], -HU);
    EXPECT_EQ(form.g.ban[5][4], HU);
}

TEST_F(InputTest, AnEmptyHandKindCannotBeSelected) {
    click(11, 4);  // 香: none held
    EXPECT_EQ(form.g.click_dankai, 0);
    click(-1, 1);
    EXPECT_EQ(form.g.click_dankai, 0);
}

TEST_F(InputTest, TwoPawnRuleHoldsForADropFromTheStand) {
    form.g.ban[5][6] = -HU;
    form.g.mochi_ji[1] = 1;
    form.g.mochi_ji_kazu = 1;
    click(11, 3);
    click(5, 4);
    EXPECT_EQ(form.g.ban[5][4], KARA);
    EXPECT_EQ(form.g.mochi_ji[1], 1);
    click(11, 3);
    click(4, 4);
    EXPECT_EQ(form.g.ban[4][4], -HU);
}

// Part of the selection state table: one row per transition.
TEST_F(InputTest, SelectionStateFollowsTheClicks) {
    form.g.ban[3][7] = -KIN;
    form.g.ban[4][7] = -GIN;
    form.g.ban[6][3] = KIN;
    form.g.mochi_ji[1] = 1;
    form.g.mochi_teki[1] = 1;
    struct Step {
        int cx, cy;
        int button;
        int dankai_after;
        const char* what;
    };
    const Step steps[] = {
        {5, 5, HIDARI_BUTTON, 0, "empty square selects nothing"},
        {6, 3, HIDARI_BUTTON, 0, "the other side's piece only shows its reach"},
        {20, 3, HIDARI_BUTTON, 0, "outside the board"},
        {3, 7, HIDARI_BUTTON, 1, "own piece"},
        {4, 7, HIDARI_BUTTON, 1, "own piece reselected"},
        {20, 3, HIDARI_BUTTON, 1, "outside keeps the selection"},
        {4, 4, HIDARI_BUTTON, 0, "illegal move drops it"},
        {11, 3, HIDARI_BUTTON, 1, "own hand kind"},
        {-1, 7, HIDARI_BUTTON, 1, "other hand kind reselects from outside"},
        {5, 5, HIDARI_BUTTON, 0, "the other side's stand is cancelled by a board click"},
        {4, 7, HIDARI_BUTTON, 1, "own piece"},
        {4, 6, MIGI_BUTTON, 0, "legal move"},
    };
    for (const Step& s : steps) {
        click(s.cx, s.cy, s.button);
        EXPECT_EQ(form.g.click_dankai, s.dankai_after) << s.what;
    }
    EXPECT_EQ(form.g.ban[4][6], -GIN);
    EXPECT_EQ(form.g.ban[5][5], KARA);
    EXPECT_EQ(form.g.teban, TEBAN_GOTE);
}

TEST_F(InputTest, ResumingAHumanGameAfterStepping) {
    struct Case {
        int teban;
        const char* text;
    };
    for (const Case c : {Case{TEBAN_SENTE, "先手の番です"}, Case{TEBAN_GOTE, "後手の番です"}}) {
        form.g.teban = c.teban;
        form.g.saikai_machi = FLAG_ON;
        rp.timer.setEnabled(false);
        rp.menu.setChecked("KEIKA", true);
        click(20, 20);
        EXPECT_EQ(last_msg().title, "対局");
        EXPECT_EQ(last_msg().text, c.text);
        EXPECT_EQ(form.g.saikai_machi, FLAG_OFF);
        EXPECT_TRUE(rp.timer.enabled());
    }
}

TEST_F(InputTest, ResumingAComputerGameWithTheHumanToMove) {
    form.g.taikyoku_mode = MODE_COM;
    form.g.saikai_machi = FLAG_ON;
    rp.menu.setChecked("KEIKA", false);
    rp.timer.setEnabled(false);
    click(20, 20);
    EXPECT_EQ(last_msg().title, "対局");
    EXPECT_EQ(last_msg().text, "MANの番です");
    EXPECT_FALSE(rp.timer.enabled());
}

TEST_F(InputTest, ResumingAComputerGameWithTheComputerToMoveLetsItMoveFirst) {
    form.dispatchMenu("CANCEL");
    form.dispatchMenu("SENTE");
    form.g.teban = form.g.teki_teban;  // as after stepping back one move
    form.g.tesuu = 1;
    forget_events();
    click(7, 7);  // the computer moves, then the click selects the bottom pawn
    EXPECT_TRUE(has(take_events(), "msg \"再開(COM)\" \"OKですか？\""));
    EXPECT_EQ(form.g.teban, form.g.ji_teban);
    EXPECT_EQ(form.g.tesuu, 2);
    EXPECT_EQ(form.g.click_dankai, form.g.ban[7][7] == -HU ? 1 : 0);
}

TEST_F(InputTest, ComputerGameWinMessagesNameTheMissingKing) {
    form.g.taikyoku_mode = MODE_COM;
    form.g.ban[5][3] = -SYA;
    click(5, 3);
    click(5, 2);  // strikes the king on (5, 1) against the edge
    EXPECT_EQ(form.g.ban[5][1], KARA);
    EXPECT_EQ(last_msg().title, "終了");
    EXPECT_EQ(last_msg().text, "あなたの勝ちです");
    EXPECT_EQ(form.g.teban, form.g.ji_teban);  // no computer reply
    EXPECT_EQ(form.g.tesuu, 1);
}

TEST_F(InputTest, TheHumanJammingItsOwnKingLosesToTheComputer) {
    form.g.taikyoku_mode = MODE_COM;
    form.g.ban[5][9] = KARA;
    form.g.ban[9][9] = -OU;
    form.g.ban[6][9] = -KIN;
    click(6, 9);
    click(7, 9);  // the king two squares on is not next to the gold: nothing taken
    EXPECT_EQ(form.g.ban[9][9], -OU);
    EXPECT_EQ(form.g.tesuu, 2);  // and the computer replied
    form.g.teban = form.g.ji_teban;
    if (form.g.ban[7][9] == -KIN && form.g.ban[8][9] == KARA && form.g.ban[9][9] == -OU) {
        click(7, 9);
        click(8, 9);  // next to its own king, jammed against the edge: taken
        EXPECT_EQ(form.g.ban[9][9], KARA);
        EXPECT_EQ(form.g.mochi_teki[5], 0);  // a king never enters a hand
        EXPECT_EQ(last_msg().title, "終了");
        EXPECT_EQ(last_msg().text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
    } else {
        ADD_FAILURE() << "the computer's reply disturbed the bottom row";
    }
}

}  // namespace
}  // namespace murokan::test

namespace murokan::test {
namespace {

// Pieces on the board and in both hands.
int piece_total(const GameState& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.ban[x][y] != KARA) ++n;
    for (int k = 1; k <= 7; ++k) n += g.mochi_ji[k] + g.mochi_teki[k];
    return n;
}

// A selection made before a menu command changed the position no longer names
// a piece; the next board click must neither move a piece that is not there
// nor take one from an empty hand. It selects afresh instead.
TEST_F(FlowTest, ASelectionLeftBehindByAMenuCommandMovesNothing) {
    struct Case {
        const char* what;
        std::function<void()> setup;
        int cx, cy;  // the next board click
        int pieces;  // pieces on the board and in the hands afterwards
    };
    const Case cases[] = {
        {"the handicap ladder took away the selected rook",
         [&] {
             form.dispatchMenu("START");
             click(8, 8);
             form.dispatchMenu("LEBEL_DOWN");  // the bishop goes
             form.dispatchMenu("LEBEL_DOWN");  // then the rook
         },
         7, 8, 38},
        {"最初 and スタート put the selected pawn back on its starting square",
         [&] {
             form.dispatchMenu("START");
             move(7, 7, 7, 6);
             move(3, 3, 3, 4);
             click(7, 6);
             form.dispatchMenu("CANCEL");
             form.dispatchMenu("START");
         },
         7, 5, 40},
        {"最初 and スタート emptied the hand the pawn was selected from",
         [&] {
             form.dispatchMenu("START");
             form.g.ban[9][7] = KARA;  // the pawn in hand came from here
             form.g.mochi_ji[1] = 1;
             form.g.mochi_ji_kazu = 1;
             click(11, 3);
             form.dispatchMenu("CANCEL");
             form.dispatchMenu("START");
         },
         9, 5, 40},  // the two-pawn flags still hold column 9 free
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form.dispatchMenu("CANCEL");
        form.g.click_dankai = 0;
        c.setup();
        ASSERT_EQ(form.g.click_dankai, 1);  // the old selection is still standing
        const int tesuu = form.g.tesuu;
        click(c.cx, c.cy);
        EXPECT_EQ(form.g.ban[c.cx][c.cy], KARA);
        EXPECT_EQ(form.g.tesuu, tesuu);
        EXPECT_EQ(form.g.click_dankai, 0);
        EXPECT_EQ(piece_total(form.g), c.pieces);
        for (int k = 1; k <= 7; ++k) EXPECT_GE(form.g.mochi_ji[k], 0);
    }
}

}  // namespace
}  // namespace murokan::test
