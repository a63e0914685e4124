// The 対局 menu: starting or resuming a game against a human or the computer,
// and the computer's strength level.
#include "flow/form1.h"

namespace murokan {

void Form1::TAIKYOKU_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}

void Form1::START_Click() {
    if (g.shuukyoku != 0) {
        初期設定();
        pf.canvas.refresh();
    }
    描画_棋譜読込み部分消去();
    screen.描画_絵(opt.haikei, -2, 0);
    screen.描画_絵(opt.haikei, -1, 0);
    screen.描画_絵(opt.haikei, 0, 0);
    screen.描画_将棋盤桝();

    g.kaishi_byou = Timer();
    if (keika_on()) timer_start();
    g.taikyoku_mode = MODE_MAN;

    if (g.tesuu == 0 || g.teban == TEBAN_NASHI) {
        // A fresh game: the bottom side moves first.
        g.ji_teban = TEBAN_SENTE;
        g.teki_teban = TEBAN_GOTE;
        g.teban = TEBAN_SENTE;
        msg("先手の番です", " ");
    } else if (g.teban == TEBAN_SENTE) {
        // A replayed position is continued with the sides as they were.
        msg("先手の番です", " ");
    } else if (g.teban == TEBAN_GOTE) {
        msg("後手の番です", " ");
    }
    g.saikai_machi = FLAG_OFF;
}

void Form1::SENTE_Click() {
    if (g.shuukyoku != 0) 初期設定();
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.com_level);
    screen.描画_将棋盤桝();

    g.click_dankai = 0;
    g.taikyoku_mode = MODE_COM;
    g.kifu_mode = FLAG_OFF;
    hist.kifu_saishu = g.tesuu;  // the record ends at the current move

    g.kaishi_byou = Timer();
    timer_start();

    if (g.tesuu == 0 || g.teban == TEBAN_NASHI) {
        com_new_game();
        g.ji_teban = TEBAN_SENTE;
        g.teki_teban = TEBAN_GOTE;
        g.teban = TEBAN_SENTE;
        msg("MANの番です", " ");
        g.saikai_machi = FLAG_OFF;
    } else if (g.teban == g.ji_teban) {
        g.ji_teban = TEBAN_SENTE;
        g.teki_teban = TEBAN_GOTE;
        g.teban = TEBAN_SENTE;
        msg("MANの番です", "対局");
        g.saikai_machi = FLAG_OFF;
    } else if (g.teban == g.teki_teban) {
        com_ban();
    }
    searcher_fit();
}

void Form1::GOTE_Click() {
    if (g.shuukyoku != 0) 初期設定();
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.com_level);
    screen.描画_将棋盤桝();

    // The computer's move sets kaishi_byou when it hands the turn over.
    timer_start();
    g.click_dankai = 0;
    g.taikyoku_mode = MODE_COM;
    g.kifu_mode = FLAG_OFF;
    hist.kifu_saishu = g.tesuu;  // the record ends at the current move

    if (g.tesuu == 0 || g.teban == TEBAN_NASHI) {
        // The computer, with the top pieces, moves first.
        com_new_game();
        g.ji_teban = TEBAN_GOTE;
        g.teki_teban = TEBAN_SENTE;
        g.teban = TEBAN_SENTE;
        com_ban();
    } else if (g.teban == g.ji_teban) {
        msg("MANの番です", "対局");
        g.saikai_machi = FLAG_OFF;
    } else if (g.teban == g.teki_teban) {
        com_ban();
    }
    searcher_fit();
}

}  // namespace murokan
