// The position editor's palette beside the board: one column of pieces for
// each side (王 飛 角 金 銀 桂 香 歩 from the top), the chosen piece outlined,
// and the side to move below them, which a click changes.
#pragma once

#include "ui/cell.h"
#include "ui/screen.h"

namespace murokan {

inline constexpr int PALETTE_JI_X = 13;    // the bottom side's pieces
inline constexpr int PALETTE_TEKI_X = 14;  // the top side's pieces
inline constexpr int PALETTE_TOP = 1;      // rows 1..8
inline constexpr int PALETTE_TEBAN_Y = 9;  // the side to move, across both columns

// The piece code of a palette cell, KARA for a cell outside the palette.
int パレット_駒(Cell c);
// True when `c` is the side-to-move cell.
bool パレット_手番(Cell c);
// Draws the palette with `selected` outlined and the side to move named.
void 描画_編集パレット(Screen& s, int selected, bool bottom_to_move, int background);

}  // namespace murokan
