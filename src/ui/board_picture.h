// The picture of a position for 画像保存: the board with its numbers, both
// hand stands and the last move's mark, drawn as the window draws them.
#pragma once

#include "platform/board_image.h"
#include "ui/screen.h"

namespace murokan {

// The window area the picture covers: the top stand and its last-move text
// on the left to the bottom stand's on the right, the file numbers to the
// row below the board.
platform::TwipsArea 局面図_範囲();

// Draws the position `s` reads onto its canvas: background, numbers, board
// and stands; then, when `last_x` is a board column, the last move by the
// side `last_side` (a turn code) to (last_x, last_y) of `last_code`,
// outlined on its square and named beside the stand.
void 描画_局面図(Screen& s, int background, int last_side, int last_x, int last_y, int last_code);

}  // namespace murokan
