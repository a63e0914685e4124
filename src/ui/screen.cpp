// Pictures, the board, the hand stands, the labels and the whole-window redraw.
#include "ui/screen.h"

#include <cstdlib>

#include "core/rules.h"
#include "ui/cell.h"

namespace murokan {

namespace {

// True for the drawing codes that have a picture.
bool has_picture(int code) {
    switch (code) {
        case KARA:
        case E_PA1:
        case E_PA2:
        case E_MUROKAN:
        case HAIKEI_MIDORI:
        case HAIKEI_TATAMI:
        case HAIKEI_TAKE:
        case HAIKEI_UCHU:
        case HAIKEI_RENGA:
            return true;
        default:
            break;
    }
    return 調査_有効駒コード(code) == FLAG_ON;  // KIN_NARI and everything else: no picture
}

}  // namespace

Screen::Screen(const ScreenLinks& links)
    : canvas_(links.canvas),
      dialogs_(links.dialogs),
      clock_(links.clock),
      sound_(links.sound),
      oto_shoumetsu_(links.oto_shoumetsu),
      menu_(links.menu),
      g_(links.g),
      opt_(links.opt) {}

void Screen::描画_絵(int code, double x, double y) {
    if (!has_picture(code)) return;
    const Twips at = cell_twips(x, y);
    canvas_.picture(code, at.x, at.y);
}

void Screen::描画_桝輪郭(int colour, double x, double y) {
    const Twips a = cell_twips(x, y);
    canvas_.rectangle(a.x, a.y, a.x + MASU_W, a.y + MASU_H, colour);
}

void Screen::paint_square(int code, double x, double y) {
    描画_絵(code, x, y);
    描画_桝輪郭(BAN_IRO, x, y);
}

void Screen::描画_盤() {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) paint_square(g_.ban[x][y], x, y);
    }
}

void Screen::描画_将棋盤桝() {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) 描画_桝輪郭(MASU_IRO, x, y);
    }
}

// Both stands are drawn alike: the empty stand cell, the background behind the
// count, and when the side holds the kind, its piece and a shadowed count.
void Screen::draw_hand(const int (&mochi)[8], int stand_x, int count_x, int sign) {
    for (int k = 1; k <= 7; ++k) {
        const int r = stand_row(stand_x, k);
        描画_絵(KARA, stand_x, r);
        描画_絵(opt_.haikei, count_x, r);
        描画_桝輪郭(BAN_IRO, stand_x, r);
        if (mochi[k] > 0) {
            paint_square(sign * 10 * k, stand_x, r);
            描画_数値(count_x + 0.1, r + 0.3, mochi[k], IRO_KURO, 0, 14);
            描画_数値(count_x, r + 0.2, mochi[k], IRO_AKA, 0, 14);
        }
    }
}

void Screen::描画_自持盤() {
    draw_hand(g_.mochi_ji, JI_MOCHI_X, JI_MOCHI_X + 1, -1);
}

void Screen::描画_敵持盤() {
    draw_hand(g_.mochi_teki, TEKI_MOCHI_X, TEKI_MOCHI_X + 1, 1);
}

void Screen::描画_桝_数値() {
    font_bold_ = true;
    for (int i = 1; i <= BAN_SIZE; ++i) {
        描画_絵(opt_.haikei, i, 0);
        描画_数値(i + 0.2, 0.5, 10 - i, IRO_KURO, 0, 16);
        描画_数値(i + 0.1, 0.4, 10 - i, IRO_KIIRO, 0, 16);
        描画_絵(opt_.haikei, 10, i);
        描画_数値(10.2, i + 0.4, i, IRO_KURO, 1, 12);
        描画_数値(10.1, i + 0.3, i, IRO_KIIRO, 1, 12);
        描画_桝輪郭(BAN_IRO, i, 9);
    }
}

void Screen::描画_背景(int code) {
    for (int x = -3; x <= 28; ++x) {
        for (int y = -2; y <= 17; ++y) {
            if (x < 1 || x > BAN_SIZE || y < 1 || y > BAN_SIZE) 描画_絵(code, x, y);
        }
    }
}

void Screen::画面_再描画() {
    描画_背景(opt_.haikei);
    描画_桝_数値();
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
    描画_所有時間(g_.teki_teban, g_.teki_jikan);
    描画_所有時間(g_.ji_teban, g_.ji_jikan);
    if (g_.taikyoku_mode == MODE_COM) 描画_レベル(g_.com_level);
    if (g_.hande_settei == FLAG_ON) 描画_ハンデレベル(g_.hande_level);
    描画_絵(E_MUROKAN, 10.8, 0);
}

}  // namespace murokan
