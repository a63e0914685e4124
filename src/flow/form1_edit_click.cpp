// Clicks while 局面編集 runs. On the board the left button places the
// palette's piece on an empty square and turns a piece through its states
// (promoted, then the other side's) on an occupied one; the right button
// removes it. On a hand stand the left button adds one of the kind and the
// right button takes one away. The palette chooses the piece, and the line
// below it the side to move.
#include "flow/form1.h"
#include "ui/editor_palette.h"

namespace murokan {

namespace {

// The hand kind under a stand cell (bottom: column 11, rows 3..9; top:
// column -1, rows 1..7) or of its count beside it; 0 for none.
int stand_kind(Cell c, bool& bottom) {
    if ((c.x == JI_MOCHI_X || c.x == JI_MOCHI_X + 1) && c.y >= 3 && c.y <= 9) {
        bottom = true;
        return c.y - 2;
    }
    if ((c.x == TEKI_MOCHI_X || c.x == TEKI_MOCHI_X + 1) && c.y >= 1 && c.y <= 7) {
        bottom = false;
        return 8 - c.y;
    }
    return 0;
}

}  // namespace

void Form1::edit_click(int button, double x, double y) {
    if (!editor_) return;
    const Cell c = cell_at(x, y);
    局面編集& e = *editor_;
    bool bottom = false;
    if (on_board(c.x, c.y)) {
        if (button == MIGI_BUTTON) {
            編集_取る(e, c.x, c.y);
        } else if (e.p.ban[c.x][c.y] == KARA) {
            編集_置く(e, c.x, c.y, e.palette);
        } else {
            編集_回す(e, c.x, c.y);
        }
    } else if (const int kind = stand_kind(c, bottom)) {
        const int held = (bottom ? e.p.mochi_ji : e.p.mochi_teki)[kind];
        if (!編集_持駒(e, bottom, kind, held + (button == MIGI_BUTTON ? -1 : 1))) {
            play(oto_kinshi);
            return;
        }
    } else if (const int code = パレット_駒(c)) {
        e.palette = code;
    } else if (パレット_手番(c)) {
        編集_手番(e, !bottom_to_move(e.p));
    } else {
        return;
    }
    play(oto_koma);
    edit_draw();
}

bool Form1::edit_hand(bool bottom, int kind, int count) {
    if (!editor_ || !編集_持駒(*editor_, bottom, kind, count)) return false;
    edit_draw();
    return true;
}

}  // namespace murokan
