// The history as a game of moves, and a game of moves as the history: what
// コピー writes from the window's snapshots, and what a paste or the editor
// leaves in them.
#pragma once

#include <vector>

#include "core/game_state.h"
#include "core/movegen.h"
#include "record/history.h"
#include "record/position_text.h"

namespace murokan {

// A game as moves from a start.
struct 履歴手順 {
    Position start;
    std::vector<Move> moves;
};

// Sets what a board and hands imply (hand totals, two-pawn flags, the kings'
// squares, a king missing) so that the rules may play from the position.
void 整備_局面(Position& p);

// The game that led to the position in view: entries 0..kifu_genzai-1 of the
// history, then `g` itself, which is the position in view. Snapshots hold no
// move, so each is found as the legal move from one entry that gives the
// next; the side to move at the start follows from the side to move in `g`
// and the count of moves (the bottom side when no game runs). The moves stop
// at the first pair of entries that no single move joins.
履歴手順 取得_履歴手順(const History& h, const GameState& g);

// The legal move of `from` that leaves the board and hands of `to`, if one
// does: a snapshot of the history holds no move, so this finds it. `list` is
// the caller's room for the moves of `from`.
bool 調査_連結手(const Position& from, const Position& to, MoveList& list, Move& found);

// Makes a pasted game the history: entries 0..n hold its start and the
// position after each move, with no time on the clocks, and the record ends
// at entry n.
void 設定_履歴(History& h, const 貼付結果& game);

}  // namespace murokan
