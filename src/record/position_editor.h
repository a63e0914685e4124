// The position editor's model: a board and hands set up by hand, piece by
// piece, and checked as a paste is once the user is done. Pure: nothing here
// draws or asks.
#pragma once

#include <string>

#include "core/position.h"

namespace murokan {

struct 局面編集 {
    Position p;         // bottom side 先手; teban says who moves
    int palette = -HU;  // the piece a click on an empty square places
};

// The usual starting position, the bottom side to move.
void 編集_平手(局面編集& e);
// Nothing on the board or in hand, the bottom side to move.
void 編集_空(局面編集& e);
// Puts `code` (a piece code of either side) on (x, y), replacing what stood there.
void 編集_置く(局面編集& e, int x, int y, int code);
// Empties (x, y).
void 編集_取る(局面編集& e, int x, int y);
// Turns the piece on (x, y) one step through its states: unpromoted, then
// promoted (where the kind promotes), for the bottom side, then the same for
// the top side, then back. An empty square stays empty.
void 編集_回す(局面編集& e, int x, int y);
// Sets the count of `kind` (1 歩 … 7 飛) in a hand, kept within 0 and the
// number the set holds. False when `count` is outside that range (nothing
// changes then).
bool 編集_持駒(局面編集& e, bool bottom, int kind, int count);
// Who moves first from the position.
void 編集_手番(局面編集& e, bool bottom);
// How many of `kind` the set holds.
int 駒の枚数(int kind);
// The fault a game could not start from ("" when sound), as a paste is checked.
std::string 調査_編集局面(const 局面編集& e);

}  // namespace murokan
