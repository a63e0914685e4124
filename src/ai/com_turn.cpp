// The computer's turn as the player sees it: the thinking indicator, the
// search, the blinking piece, the move with its sound, the strike chain, and
// the hand-over or the end of the game.
#include "ai/com_turn.h"

#include "ai/search.h"
#include "core/rules.h"
#include "record/history.h"
#include "record/record_messages.h"

namespace murokan {

namespace {

constexpr std::string_view kShikouchuu = "思考中";

// The cells below the top hand stand: where the indicator and, later, the
// computer's last move are shown.
void 思考中_消去(ComHost& h) {
    for (int x = -2; x <= 0; ++x) h.描画_絵(h.haikei(), x, 8);
}

void 思考中_表示(ComHost& h) {
    思考中_消去(h);
    h.描画_桝輪郭(BAN_IRO, -1, 7);
    h.描画_数値(-1.5, 8.5, kShikouchuu, IRO_KURO, 0, 12);
    h.描画_数値(-1.6, 8.4, kShikouchuu, IRO_SHIRO, 0, 12);
    h.描画_桝輪郭(BAN_IRO, 1, 8);
}

// The turn's time goes to the computer's total and the human's clock starts.
void 手番_渡す(GameState& g, ComHost& h) {
    g.teki_jikan += g.keika_byou;
    g.kaishi_byou = h.現在時刻();
    g.teban = g.ji_teban;
    if (h.KEIKA_Checked()) h.Timer1_Enabled(true);
}

}  // namespace

void com_ban(GameState& g, ComState& c, ComHost& h) {
    if (g.shuukyoku != 0) return;

    // The history has no room for the position a move would reach: the
    // computer's move is refused as a human move is, and the turn is handed
    // over without playing, recording or touching the clocks.
    if (調査_棋譜満杯(g) == FLAG_ON) {
        h.音_禁止();
        h.メッセージ(棋譜文言::題_棋譜, 棋譜文言::満杯);
        g.teban = g.ji_teban;
        return;
    }

    g.kaishi_byou = h.現在時刻();
    if (h.KEIKA_Checked()) h.Timer1_Enabled(true);
    思考中_表示(h);

    思考_準備(g, c);
    h.画面_更新();
    const 思考結果 res = 思考_探索(g, c, &h);

    if (!res.found) {
        // Nothing to play: leave the board and the history alone.
        思考中_消去(h);
        手番_渡す(g, h);
        return;
    }

    const 指し手& te = res.te;
    h.手順保存(te.fc, te.fr, te.tc, te.tr, te.before, te.after, g.ji_jikan, g.ji_jikan,
               g.teki_jikan, g.teki_jikan + g.keika_byou);
    g.tesuu += 1;
    h.描画_手数(g.tesuu, IRO_SHIRO);
    if (te.fc == TEKI_MOCHI_X) {
        h.描画_駒点滅(te.after, TEKI_MOCHI_X, 8 - te.fr, 2);  // in the top hand stand
    } else {
        h.描画_駒点滅(te.before, te.fc, te.fr, 2);
    }

    const MoveReport moved = 駒移動(g, te.fc, te.fr, te.tc, te.tr, te.after);
    h.描画_駒移動(te.fc, te.fr, te.tc, te.tr, te.after, moved);
    h.待ち時間(0.5);
    h.音_駒打();
    g.kifu_genzai += 1;
    h.Timer1_Enabled(false);

    if (te.fc >= 1 && te.fc <= 9) {
        const 方向 d = 取得_進行方向(te.fc, te.fr, te.tc, te.tr);
        const ChainReport chain = はじき連鎖(g, g.teki_teban, te.tc, te.tr, d);
        h.再生_はじき連鎖(chain);
    }

    勢力調査(g, c.maps);
    if (調査_駒存在(g, -OU) == FLAG_OFF) {
        h.メッセージ(COM_SHUURYOU_TITLE, COM_KACHI_TEXT);
        g.teban = g.ji_teban;
        return;
    }
    if (調査_駒存在(g, OU) == FLAG_OFF) {
        h.メッセージ(COM_SHUURYOU_TITLE, MAN_KACHI_TEXT);
        g.teban = g.ji_teban;
        return;
    }
    // The move is shown at the square it was played to, as for a human move,
    // even when its strike sent another piece further along the line.
    h.描画_移動結果(g.teki_teban, te.tc, te.tr, te.after, IRO_SHIRO);
    h.描画_桝輪郭(IRO_SHIRO, te.tc, te.tr);
    手番_渡す(g, h);
}

}  // namespace murokan
