// Form_MouseDown: every human move is made here with two clicks. The first
// selects a piece on the board or in a hand stand, the second names the
// destination; the button of the second click is the promotion choice.
#include <cmath>
#include <cstdlib>

#include "flow/form1.h"

namespace murokan {

bool Form1::own_piece(int code) const {
    return (g.teban == g.ji_teban && code <= -10) || (g.teban == g.teki_teban && code >= 10);
}

bool Form1::other_piece(int code) const {
    return (g.teban == g.ji_teban && code >= 10) || (g.teban == g.teki_teban && code <= -10);
}

void Form1::Form_MouseDown(int button, int /*shift*/, double x, double y) {
    // Only the right button promotes. Any other button is a left click, so the
    // forced-promotion rule holds for it too and no piece is left stranded.
    if (button != MIGI_BUTTON) button = HIDARI_BUTTON;

    // A. Every click closes the record panel.
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    // B. Refusals.
    if (g.kifu_mode == FLAG_ON) {
        if (!pf.dialogs.askYesNo("棋譜", "棋譜を '進 'で進めて下さい", platform::Icon::None)) {
            play(oto_kinshi);
            初期設定();
        }
        return;
    }
    if (game_for_turn(g.teban).end() == GameEnd::king_taken) {
        msg("新規に対局してください", "終局");
        return;
    }
    if (g.teban == TEBAN_NASHI) {
        play(oto_kinshi);
        msg("「対局」で始めて下さい", "開始");
        return;
    }

    // C. Resuming a game that waits after stepping through the history.
    if (g.taikyoku_mode == MODE_MAN && g.saikai_machi == FLAG_ON) {
        g.saikai_machi = FLAG_OFF;
        g.kaishi_byou = Timer();
        if (keika_on()) timer_start();
        if (g.teban == TEBAN_SENTE) {
            msg("先手の番です", "対局");
        } else if (g.teban == TEBAN_GOTE) {
            msg("後手の番です", "対局");
        }
    } else if (g.taikyoku_mode == MODE_COM && g.teban == g.teki_teban) {
        g.saikai_machi = FLAG_OFF;
        msg("OKですか？", "再開(COM)");
        com_ban();
        // The same click then acts on the position the computer left.
    } else if (g.taikyoku_mode == MODE_COM && g.teban == g.ji_teban && g.saikai_machi == FLAG_ON) {
        g.saikai_machi = FLAG_OFF;
        g.kaishi_byou = Timer();
        if (keika_on()) timer_start();
        msg("MANの番です", "対局");
    }

    const auto [cx, cy] = cell_at(x, y);
    if (!on_board(cx, cy)) {
        click_outside(cx, cy);
    } else if (g.click_dankai == 0) {
        click_select(cx, cy);
    } else {
        click_destination(cx, cy, button);
    }
}

// D. Nothing selected yet: a piece of the side to move becomes the selection;
// a piece of the other side only shows its reach.
void Form1::click_select(int cx, int cy) {
    const int code = g.ban[cx][cy];
    if (code == KARA) return;
    sel_x = cx;
    sel_y = cy;
    sel_koma = code;
    screen.描画_移動可能桝色(sel_x, sel_y, opt.shidou_iro, sel_koma);
    if (own_piece(code)) {
        screen.描画_桝輪郭(SENTAKU_IRO, sel_x, sel_y);
        g.click_dankai = 1;
    } else if (other_piece(code)) {
        screen.描画_桝輪郭(opt.shidou_iro, sel_x, sel_y);
    }
}

// True while the selection still names what is there: its piece on its
// square, or a piece of its kind in its hand. 最初, the handicap ladder or the
// computer's move on resuming can change the position under a standing
// selection, and a move from it would then make or lose a piece.
bool Form1::selection_present() const {
    const int k = stand_kind({sel_x, sel_y});
    if (sel_x == JI_MOCHI_X) return k != 0 && sel_koma == -10 * k && g.mochi_ji[k] > 0;
    if (sel_x == TEKI_MOCHI_X) return k != 0 && sel_koma == 10 * k && g.mochi_teki[k] > 0;
    return on_board(sel_x, sel_y) && g.ban[sel_x][sel_y] == sel_koma;
}

// E. A piece is selected: cancel a hand of the side not to move, reselect an
// own piece, or try the move.
void Form1::click_destination(int cx, int cy, int button) {
    if (!selection_present()) {
        // A selection left over from another position: drop it, and let the
        // click select afresh.
        screen.描画_移動可能桝色(sel_x, sel_y, MASU_IRO, sel_koma);
        screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
        g.click_dankai = 0;
        click_select(cx, cy);
        return;
    }
    to_x = cx;
    to_y = cy;
    if ((g.teban == g.ji_teban && sel_x == TEKI_MOCHI_X) ||
        (g.teban == g.teki_teban && sel_x == JI_MOCHI_X)) {
        screen.描画_移動可能桝色(sel_x, sel_y, MASU_IRO, sel_koma);
        screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
        g.click_dankai = 0;
        return;
    }
    if (own_piece(g.ban[to_x][to_y])) {
        screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
        sel_x = to_x;
        sel_y = to_y;
        sel_koma = g.ban[sel_x][sel_y];
        screen.描画_移動可能桝色(sel_x, sel_y, opt.shidou_iro, sel_koma);
        screen.描画_桝輪郭(SENTAKU_IRO, sel_x, sel_y);
        return;
    }
    try_move(button);
}

// F. The move attempt from (sel_x, sel_y) to (to_x, to_y), judged by the game:
// refused when neither the plain nor the promoting move is legal, and asked
// for the right button when only the promoting one is.
void Form1::try_move(int button) {
    // A drop names the kind its stand row shows.
    const int y1 = on_board(sel_x, sel_y) ? sel_y : stand_kind({sel_x, sel_y});
    const Move plain = Move::of(sel_x, y1, to_x, to_y, sel_koma, false);
    const Move promoting = Move::of(sel_x, y1, to_x, to_y, sel_koma, true);
    const Game& game = game_for_turn(g.teban);
    const bool may_promote = game.legal(promoting);
    if (!game.legal(plain) && !may_promote) {
        play(oto_kinshi);
        g.click_dankai = 0;
        screen.描画_将棋盤桝();
        // The board redraw misses a hand-stand cell: its red outline would
        // stay on a piece that is no longer selected.
        screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
        return;
    }
    if (!game.legal(plain) && button == HIDARI_BUTTON) {
        // The piece could not move again unpromoted. The selection stays: the
        // same square with the right button promotes.
        play(oto_kinshi);
        msg("マウスの右をクリックして下さい", "成り");
        return;
    }

    // Where both are legal, the button decides promotion.
    play_turn(may_promote && button == MIGI_BUTTON ? promoting : plain, Mover::human);
}

// G. A click beside the board: drop any marks of the selection, and select a
// kind from a hand stand that holds some.
void Form1::click_outside(int cx, int cy) {
    if (std::abs(sel_koma) >= 10) {
        screen.描画_移動可能桝色(sel_x, sel_y, MASU_IRO, sel_koma);
        screen.描画_桝輪郭(MASU_IRO, sel_x, sel_y);
    }
    const int k = stand_kind({cx, cy});
    if (k == 0) return;
    if (cx == JI_MOCHI_X) {
        if (g.mochi_ji[k] <= 0) return;
        select_hand(JI_MOCHI_X, cy, -10 * k, g.ji_teban);
    } else {
        if (g.mochi_teki[k] <= 0) return;
        select_hand(TEKI_MOCHI_X, cy, 10 * k, g.teki_teban);
    }
}

void Form1::select_hand(int stand_x, int row, int code, int stand_side) {
    調査_2歩フラグ設定(g);
    g.click_dankai = 1;
    sel_x = stand_x;
    sel_y = row;
    sel_koma = code;
    if (g.teban == stand_side) {
        screen.描画_桝輪郭(SENTAKU_IRO, sel_x, sel_y);
    } else {
        screen.描画_桝輪郭(opt.shidou_iro, sel_x, sel_y);
    }
    screen.描画_移動可能桝色(sel_x, sel_y, opt.shidou_iro, sel_koma);
}

}  // namespace murokan
