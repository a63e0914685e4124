#include "ui/board_picture.h"

namespace murokan {

namespace {

constexpr int kLeft = -2, kRight = 15;  // cells, the right one excluded
constexpr int kTop = 0, kBottom = 11;

}  // namespace

platform::TwipsArea 局面図_範囲() {
    const Twips a = cell_twips(kLeft, kTop);
    const Twips b = cell_twips(kRight, kBottom);
    return {a.x, a.y, b.x, b.y};
}

void 描画_局面図(Screen& s, int background, int last_side, int last_x, int last_y, int last_code) {
    for (int x = kLeft; x < kRight; ++x) {
        for (int y = kTop; y < kBottom; ++y) {
            if (!on_board(x, y)) s.描画_絵(background, x, y);
        }
    }
    s.描画_桝_数値();
    s.描画_自持盤();
    s.描画_敵持盤();
    s.描画_盤();
    if (!on_board(last_x, last_y)) return;
    s.描画_桝輪郭(IRO_AKA, last_x, last_y);
    s.描画_移動結果(last_side, last_x, last_y, last_code, IRO_SHIRO);
}

}  // namespace murokan
