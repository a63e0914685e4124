// One turn of the game, for the human's click and the computer's reply alike:
// the history, the rules' own move, the screen and the sounds, then the end of
// the game or the hand-over. Where the two players' turns look different, the
// difference is decided in the step it belongs to, and said there.
#include <string_view>

#include "ai/maps.h"
#include "flow/form1.h"
#include "record/history.h"
#include "record/record_messages.h"

namespace murokan {

namespace {

// The king a move has taken (OU the top one, -OU the bottom one), or KARA
// while both stand. `first` is looked for first, which only decides a board
// that has lost both kings.
int 取られた王(const GameState& g, int first) {
    if (調査_駒存在(g, first) == FLAG_OFF) return first;
    if (調査_駒存在(g, -first) == FLAG_OFF) return -first;
    return KARA;
}

// Against the computer the winner is "you" or the computer; between two people
// the top king's loss is 先手's win and the bottom king's 後手's.
std::string_view 勝ち文言(int taken_king, bool against_com) {
    if (against_com) return taken_king == OU ? "あなたの勝ちです" : "ｺﾝﾋﾟｭｰﾀの勝ちです";
    return taken_king == OU ? "先手の勝ちです" : "後手の勝ちです";
}

}  // namespace

void Form1::play_turn(const Move& m, Mover who) {
    const bool computer = who == Mover::computer;
    const int placed = placed_code(m);

    // 1. The history must have room for the position the move reaches.
    if (history_full_refused(who)) return;

    // 2. The position before the move is stored with the clock totals. The
    // computer's time of this turn goes into the top total; the human's into
    // the bottom total, whichever side the human played.
    手順保存(m.x1, m.y1, m.x2, m.y2, m.piece, g.ban[m.x2][m.y2], g.ji_jikan,
             computer ? g.ji_jikan : g.ji_jikan + g.keika_byou, g.teki_jikan,
             computer ? g.teki_jikan + g.keika_byou : g.teki_jikan);
    g.tesuu += 1;
    screen.描画_手数(g.tesuu, IRO_SHIRO);
    // Before the piece goes: the computer's piece blinks where it stands (a
    // drop in the top stand's row of its kind); the human's selection is spent.
    if (computer) {
        if (m.is_drop()) {
            screen.描画_駒点滅(placed, m.x1, 8 - m.y1, 2);
        } else {
            screen.描画_駒点滅(m.piece, m.x1, m.y1, 2);
        }
    } else {
        selection_spent(m);
    }

    // 3. The rules play it. The computer always moves the top side; the human
    // moves for the side to move.
    const PlayReport played = play_move(g, m, computer ? g.teki_teban : g.teban);

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

    // 6. A taken king ends the game. The human's time is added first, and
    // between two people the turn has passed before the win is told. Against
    // the computer its maps (and the king squares) follow every move.
    const bool against_com = computer || g.taikyoku_mode == MODE_COM;
    if (!computer) human_clock_closed();
    if (against_com) 勢力調査(g, com.com.maps);
    if (const int king = 取られた王(g, computer ? -OU : OU); king != KARA) {
        record_game(king == OU ? GameOutcome::win : GameOutcome::loss);
        msg(勝ち文言(king, against_com), "終了");
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

// Refuses a move, the human's or the computer's, when the history has no room
// for the position it would reach. The human's selection is dropped; the
// computer's turn passes all the same, unplayed and unrecorded.
bool Form1::history_full_refused(Mover who) {
    if (調査_棋譜満杯(g) == FLAG_OFF) return false;
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

// The human's selection is spent by its move: nothing stays selected, its
// marks are erased (reckoned with the piece as it lands), and sel_y names a
// top-stand drop by its kind, as 駒移動 takes it.
void Form1::selection_spent(const Move& m) {
    sel_koma = placed_code(m);
    g.click_dankai = 0;
    screen.描画_移動可能桝色(sel_x, sel_y, MASU_IRO, sel_koma);
    screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
    screen.描画_桝輪郭(MASU_IRO, to_x, to_y);
    sel_y = m.y1;
}

// The human's turn ends. Against the computer the clock stops and the time is
// the bottom side's. Between two people the turn passes at once, 先手's time
// going to the bottom total and 後手's to the top, and the next clock starts.
void Form1::human_clock_closed() {
    if (g.taikyoku_mode == MODE_COM) {
        timer_stop();
        g.ji_jikan += g.keika_byou;
        return;
    }
    if (g.teban == TEBAN_SENTE) {
        g.teban = TEBAN_GOTE;
        g.ji_jikan += g.keika_byou;
    } else if (g.teban == TEBAN_GOTE) {
        g.teban = TEBAN_SENTE;
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
