#include "ui/editor_palette.h"

namespace murokan {

namespace {

// Row r of the palette holds this kind's code (top side's sign).
int row_code(int row) {
    static constexpr int kCodes[] = {OU, SYA, KAKU, KIN, GIN, KEI, KYOU, HU};
    const int i = row - PALETTE_TOP;
    return i >= 0 && i < 8 ? kCodes[i] : KARA;
}

}  // namespace

int パレット_駒(Cell c) {
    const int code = row_code(c.y);
    if (c.x == PALETTE_JI_X) return -code;
    if (c.x == PALETTE_TEKI_X) return code;
    return KARA;
}

bool パレット_手番(Cell c) {
    return c.y == PALETTE_TEBAN_Y && (c.x == PALETTE_JI_X || c.x == PALETTE_TEKI_X);
}

void 描画_編集パレット(Screen& s, int selected, bool bottom_to_move, int background) {
    // The bottom stand's counts are in the column left of the palette; the
    // labels below run one column past it.
    for (int x = PALETTE_JI_X; x <= PALETTE_TEKI_X + 1; ++x) {
        for (int y = PALETTE_TOP; y <= PALETTE_TEBAN_Y + 1; ++y) s.描画_絵(background, x, y);
    }
    s.描画_移動駒種類(PALETTE_JI_X + 0.1, PALETTE_TEBAN_Y + 1.2, "局面編集中", IRO_KIIRO);
    for (int y = PALETTE_TOP; y < PALETTE_TOP + 8; ++y) {
        for (int x : {PALETTE_JI_X, PALETTE_TEKI_X}) {
            const int code = パレット_駒({x, y});
            s.描画_絵(KARA, x, y);
            s.描画_絵(code, x, y);
            s.描画_桝輪郭(code == selected ? IRO_AKA : BAN_IRO, x, y);
        }
    }
    s.描画_移動駒種類(PALETTE_JI_X + 0.1, PALETTE_TEBAN_Y + 0.3,
                      bottom_to_move ? "手番：先手" : "手番：後手", IRO_SHIRO);
}

}  // namespace murokan
