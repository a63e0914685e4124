// Positions and moves in the USI/SFEN notation of the shogi world, mapped onto
// this game's board: ranks a..i are rows y = 1..9; within a rank the squares
// run from column x = 1 (left) to 9, so the file number is 10 - x; upper-case
// letters are the bottom side (negative codes), lower-case the top side;
// '+' before a letter marks a promoted piece. Used by the script driver and
// the tests; not on any move path.
#pragma once

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/movegen.h"

namespace murokan {

// The starting position of 初期設定, bottom side to move.
inline constexpr std::string_view kStartSfen =
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

// Reads "<board> <b|w|-> <hands> [<ply>]" into g: the board, both hands, and
// teban (b = ji_teban, w = teki_teban, - = no game); then recomputes the hand
// totals, the two-pawn flags and the squares of the kings that stand on the
// board. The ply number is checked but not used. Nothing else in g changes.
// Returns nullptr on success, else the reason, and then g is untouched.
const char* parse_sfen(std::string_view text, GameState& g);

// Writes "<board> <b|w|-> <hands> <tesuu + 1>"; hands in the usual order
// R B G S N L P, bottom side first, '-' when both are empty.
std::string format_sfen(const GameState& g);

// Reads a USI move for the side to move: "7g7f", "7g7f+" or a drop "P*5e".
// For a board move `piece` is whatever stands on the source square; for a drop
// the hand, the kind and the code follow the side to move (see Move). Only the
// text is checked here; is_legal_move judges the move. Returns nullptr on
// success, else the reason.
const char* parse_usi_move(std::string_view text, const GameState& g, Move& m);

// The USI text of a move ("7g7f", "7g7f+", "P*5e").
std::string format_usi_move(const Move& m);

}  // namespace murokan
