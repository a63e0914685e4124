// Moves made by dragging: the press is the first click and the release over
// another cell the second, with the same button, so a drag goes through
// exactly the steps, messages and sounds of two clicks.
#include "flow/form1.h"
#include "flow/study.h"

namespace murokan {

namespace {

bool on_board(Cell c) {
    return murokan::on_board(c.x, c.y);
}

bool on_hand_stand(Cell c) {
    return stand_kind(c) != 0;
}

// What a press at `c` picks up, as a drawing code: the piece on a board
// square, or one piece of a hand stand's kind while there is one; 0 for none.
int picked_up(const GameState& g, Cell c) {
    if (on_board(c)) return g.ban[c.x][c.y];
    const int k = stand_kind(c);
    if (k == 0) return KARA;
    if (c.x == JI_MOCHI_X) return g.mochi_ji[k] > 0 ? -10 * k : KARA;
    return g.mochi_teki[k] > 0 ? 10 * k : KARA;
}

}  // namespace

// Only a press on a piece or on a hand stand starts a drag: a press on an
// empty square may itself have been a move's second click.
void Form1::mouseDown(int button, double x, double y) {
    if (editor_) {
        edit_click(button, x, y);
        return;
    }
    const Cell at = cell_at(x, y);
    const int picture = picked_up(g, at);
    drag_ = {};
    if (picture != KARA || on_hand_stand(at)) drag_ = {button, at};
    pf.canvas.dragPicture(picture);
    Form_MouseDown(button, 0, x, y);
    study_->after_event();
}

// Releasing on the pressed cell leaves the press as the only click.
void Form1::mouseUp(int button, double x, double y) {
    const DragStart d = drag_;
    drag_ = {};
    pf.canvas.dragPicture(KARA);
    if (d.button == 0 || button != d.button || quit_requested_) return;
    if (cell_at(x, y) == d.from) return;
    Form_MouseDown(button, 0, x, y);
    study_->after_event();
}

}  // namespace murokan
