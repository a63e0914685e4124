// The 局面 menu: 最初, 戻, 進 and 反転 move the position on the board through
// the move history. Stepping never replays moves: it copies a stored snapshot
// onto the board and finds the move that led there by comparing snapshots.
#include <utility>

#include "flow/form1.h"
#include "record/history.h"

namespace murokan {

namespace {

constexpr int IRO_TEXT = IRO_SHIRO;  // the move counter and last-move texts

}  // namespace

void Form1::STOP_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Form1::CANCEL_Click() {
    初期設定();
    play(oto_koma);
}

// Puts history entry p on the board and both hands with their totals, sets the
// two clock totals to the given values, and draws clocks, stands and board.
void Form1::replay_show(int p, float teki_jikan, float ji_jikan) {
    複写_棋譜から盤(hist, p, g);
    g.mochi_teki_kazu = 調査_持駒数(g, g.teki_teban);
    g.mochi_ji_kazu = 調査_持駒数(g, g.ji_teban);
    g.teki_jikan = teki_jikan;
    screen.描画_所有時間(g.teki_teban, g.teki_jikan);
    g.ji_jikan = ji_jikan;
    screen.描画_所有時間(g.ji_teban, g.ji_jikan);
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
}

void Form1::REPLAY_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    g.saikai_machi = FLAG_ON;
    if (g.kifu_genzai < 1) {
        play(oto_kinshi);
        msg("できません", "戻る");
        return;
    }
    // The position reached by the latest move is not in the history yet; keep
    // it, so that 進 can come back to it.
    保存_最新局面(g, hist);

    g.click_dankai = 0;
    timer_stop();
    screen.描画_将棋盤桝();

    const int p = g.kifu_genzai - 1;
    replay_show(p, hist.kifu_teki_mae[p], hist.kifu_ji_mae[p]);

    const 移動結果 undone = 調査_移動結果(hist, g.kifu_genzai);
    play(oto_koma);
    screen.消去_移動結果(undone.koma > 0 ? g.teki_teban : g.ji_teban);

    g.kifu_genzai -= 1;
    g.tesuu -= 1;
    g.teban = -g.teban;
    screen.描画_手数(g.tesuu, IRO_TEXT);
}

void Form1::AFTER_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
    if (g.teban == TEBAN_NASHI) {
        play(oto_kinshi);
        msg("「対局」で始めて下さい", "開始");
        return;
    }
    g.saikai_machi = FLAG_ON;
    if (g.kifu_genzai >= hist.kifu_saishu) {
        if (g.kifu_mode == FLAG_ON) {
            msg("終わり", "進む");
        } else {
            play(oto_kinshi);
            msg("できません", "進む");
        }
        return;
    }

    g.click_dankai = 0;
    timer_stop();
    screen.描画_将棋盤桝();

    g.kifu_genzai += 1;
    g.tesuu += 1;
    screen.描画_手数(g.tesuu, IRO_TEXT);

    const int p = g.kifu_genzai;
    replay_show(p, hist.kifu_teki_ato[p], hist.kifu_ji_ato[p]);

    const 移動結果 made = 調査_移動結果(hist, p);
    play(oto_koma);
    if (made.koma == KARA) {
        // No square changed: there is no move to show, only an old one to clear.
        screen.消去_移動結果(g.ji_teban);
    } else {
        screen.描画_移動結果(made.koma > 0 ? g.teki_teban : g.ji_teban, made.x, made.y, made.koma,
                             IRO_TEXT);
    }

    g.teban = -g.teban;
    screen.描画_手数(g.tesuu, IRO_TEXT);
}

void Form1::REVERSE_Click() {
    if (g.kifu_mode == FLAG_ON) {
        play(oto_kinshi);
        msg("棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    g.hanten = FLAG_ON;
    g.click_dankai = 0;

    // Half a turn: every piece goes to the opposite square and changes side.
    int copy[10][10];
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) copy[x][y] = g.ban[x][y];
    }
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            const int c = copy[x][y];
            g.ban[10 - x][10 - y] = (c <= -HU || c >= HU) ? -c : c;
        }
    }
    for (int k = 1; k <= 7; ++k) std::swap(g.mochi_ji[k], g.mochi_teki[k]);
    g.mochi_teki_kazu = 調査_持駒数(g, g.teki_teban);
    g.mochi_ji_kazu = 調査_持駒数(g, g.ji_teban);

    screen.画面_再描画();
    screen.描画_手数(g.tesuu, IRO_TEXT);
    if (g.hande_settei == FLAG_ON) {
        g.hande_level = -g.hande_level;
        screen.描画_ハンデレベル(g.hande_level);
    }
    play(oto_koma);

    // The history is abandoned: the next move stores the reversed position as entry 0.
    g.teban = -g.teban;
    g.kifu_genzai = 0;
    hist.kifu_saishu = 0;
}

}  // namespace murokan
