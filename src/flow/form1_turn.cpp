// One turn of the game, for the human's click and the computer's reply alike:
// the history, the game's own move, the screen and the sounds, then the end of
// the game or the hand-over. Where the two players' turns look different, the
// difference is decided in the step it belongs to, and said there.
#include <string_view>

#include "ai/maps.h"
#include "flow/form1.h"
#include "record/history.h"
#include "record/record_messages.h"
#include "ui/cell.h"

namespace murokan {

namespace {

// Against the computer the winner is "you" (the bottom side) or the computer;
// between two people the top king's loss is 先手's win and the bottom king's
// 後手's, whichever side holds which turn code.
std::string_view 勝ち文言(bool bottom_won, bool against_com) {
    if (against_com) return bottom_won ? "あなたの勝ちです" : "ｺﾝﾋﾟｭｰﾀの勝ちです";
    return bottom_won ? "先手の勝ちです" : "後手の勝ちです";
}

}  // namespace

void Form1::play_turn(const Move& m, Mover who) {
    const bool computer = who == Mover::computer;
    const int placed = placed_code(m);
    // The computer always moves the top side; the human moves for the side
    // to move.
    const int mover = computer ? g.teki_teban : g.teban;
    Game& game = game_for_turn(mover);

    // 1. The game must not be at its ply limit: the history has no room for
    // the position the move would reach.
    if (history_full_refused(game, who)) return;
    if (!game.legal(m)) return;

    // 2. The position before the move is stored with the clock totals. The
    // computer's time of this turn goes into the top total; the human's into
    // the bottom total, whichever side the human played.
    手順保存(m.x1, m.y1, m.x2, m.y2, m.piece, g.ban[m.x2][m.y2], g.ji_jikan,
             computer ? g.ji_jikan : g.ji_jikan + g.keika_byou, g.teki_jikan,
             computer ? g.teki_jikan + g.keika_byou : g.teki_jikan);
    g.tesuu += 1;
    screen.描画_手数(g.tesuu, IRO_SHIRO);
    // Before the piece goes: the computer's piece blinks where it stands (a
    // drop in its stand's row of its kind); the human's selection is spent.
    if (computer) {
        if (m.is_drop()) {
            screen.描画_駒点滅(placed, m.x1, stand_row(m.x1, m.y1), 2);
        } else {
            screen.描画_駒点滅(m.piece, m.x1, m.y1, 2);
        }
    } else {
        selection_spent(m);
    }

    // 3. The game plays it, and the board shows the game's position: the
    // turn has passed to the other side.
    PlayReport played;
    game.play(m, &played);
    static_cast<Position&>(g) = game.position();

    // 4, 5. The screen shows the move, then the strike chain, with the sounds.
    screen.描画_駒移動(m.x1, m.y1, m.x2, m.y2, placed, played.move);
    if (computer) pf.clock.wait(0.5);  // the computer's piece lands, then sounds
    play(oto_koma);
    g.kifu_genzai += 1;
    const int owner = placed > 0 ? g.teki_teban : g.ji_teban;
    if (computer) {
        // The computer's clock stops before the chain plays; its move is named
        // only once the game goes on (below).
        timer_stop();
    } else {
        screen.描画_移動結果(owner, m.x2, m.y2, placed, IRO_SHIRO);
    }
    if (!m.is_drop()) screen.再生_はじき連鎖(played.chain);

    // 6. A taken king ends the game. The human's time is added first.
    // Against the computer its maps (and the king squares) follow every move,
    // and the turn of a finished game stays with the human who took the king
    // or comes back to the human who lost theirs.
    const bool against_com = computer || g.taikyoku_mode == MODE_COM;
    if (!computer) human_clock_closed(mover);
    if (against_com) 勢力調査(g, com.com.maps);
    if (game.end() == GameEnd::king_taken) {
        const bool bottom_won = game.winner() == g.ji_teban;
        record_game(bottom_won ? GameOutcome::win : GameOutcome::loss);
        if (against_com && !computer) g.teban = mover;
        msg(勝ち文言(bottom_won, against_com), "終了");
        if (computer) g.teban = g.ji_teban;
        searcher_fit();
        return;
    }

    // 7. The turn passes: the computer's move is named where it was played
    // (even when its strike sent a piece further along the line) and the
    // human's clock starts; a human move against the computer gets its reply.
    if (computer) {
        screen.描画_移動結果(owner, m.x2, m.y2, placed, IRO_SHIRO);
        screen.描画_桝輪郭(IRO_SHIRO, m.x2, m.y2);
        com_hand_over();
    } else if (against_com) {
        g.teban = g.teki_teban;
        com_ban();
    }
}

// Refuses a move, the human's or the computer's, when the game is at its ply
// limit: the history has no room for the position it would reach. The human's
// selection is dropped; the computer's turn passes all the same, unplayed and
// unrecorded.
bool Form1::history_full_refused(const Game& game, Mover who) {
    if (game.end() != GameEnd::ply_limit) return false;
    record_game(GameOutcome::draw);  // the move limit: a draw
    play(oto_kinshi);
    msg(棋譜文言::満杯, 棋譜文言::題_棋譜);
    if (who == Mover::computer) {
        g.teban = g.ji_teban;
    } else {
        g.click_dankai = 0;
        screen.描画_将棋盤桝();
    }
    return true;
}

// The human's selection is spent by its move: nothing stays selected, and its
// marks are erased (reckoned with the piece as it lands).
void Form1::selection_spent(const Move& m) {
    sel_koma = placed_code(m);
    g.click_dankai = 0;
    screen.描画_移動可能桝色(sel_x, sel_y, MASU_IRO, sel_koma);
    screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
    screen.描画_桝輪郭(MASU_IRO, to_x, to_y);
}

// The human's turn, `mover`'s, ends. Against the computer the clock stops and
// the time is the bottom side's. Between two people 先手's time goes to the
// bottom total and 後手's to the top, and the next clock starts.
void Form1::human_clock_closed(int mover) {
    if (g.taikyoku_mode == MODE_COM) {
        timer_stop();
        g.ji_jikan += g.keika_byou;
        return;
    }
    if (mover == TEBAN_SENTE) {
        g.ji_jikan += g.keika_byou;
    } else if (mover == TEBAN_GOTE) {
        g.teki_jikan += g.keika_byou;
    }
    g.kaishi_byou = Timer();
}

// The computer's turn ends: its time is added, and the human's clock starts.
void Form1::com_hand_over() {
    g.teki_jikan += g.keika_byou;
    g.kaishi_byou = Timer();
    g.teban = g.ji_teban;
    if (keika_on()) timer_start();
}

}  // namespace murokan
