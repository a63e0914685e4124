// The whole game analysed: every position of a recorded game evaluated at a
// fixed budget, and each move judged by what it did to its mover's chances.
#pragma once

#include <atomic>
#include <functional>
#include <span>
#include <vector>

#include "core/game_state.h"
#include "game/analysis.h"
#include "record/history.h"

namespace murokan {

// A game as the history holds it: its positions, each with its side to move,
// and the moves between them (moves[i] leads from positions[i] to
// positions[i + 1]).
struct RecordedGame {
    std::vector<Position> positions;
    std::vector<Move> moves;
};

// `p` with what follows from its board and hands worked out again: the
// hand totals, the kings' squares, the two-pawn flags, and the end of the
// game when a king is missing. The window's board, stepped through its
// history, keeps only the board and hands up to date.
Position settled_position(const Position& p);

// The game of history `h`, whose sides `g` names, from entry 0 to its end
// (the position on the board counts as the end when it is the latest). 先手
// moves first; a move is found by playing each legal move of an entry until
// one gives the next. The game ends early at an entry that no move of either
// side reaches (a pass is the other side moving).
RecordedGame recorded_game(const GameState& g, const History& h);

// One move judged.
struct MoveReview {
    int ply = 0;  // 1 for the first move
    Move move;
    Move best;             // the search's choice before it (piece KARA when none)
    int score_before = 0;  // 先手's view, before and after the move
    int score_after = 0;
    double win_before = 0;  // 先手's win percentage, before and after
    double win_after = 0;
    Grade grade = Grade::none;
};

// Told after each position evaluated: how many of how many.
using ReviewProgress = std::function<void(int done, int total)>;

// Evaluates every position of `game` within `limits`, oldest first, and
// judges each move. A move that is the search's own choice is never graded:
// its fall is the search's noise. Stops once `stop` reads true, returning
// the moves judged so far.
std::vector<MoveReview> review_game(Analyst& analyst, const RecordedGame& game,
                                    const SearchLimits& limits,
                                    const std::atomic<bool>* stop = nullptr,
                                    const ReviewProgress& progress = {});

// The counts of each grade in `review`, indexed by Grade.
std::vector<int> grade_counts(std::span<const MoveReview> review);

}  // namespace murokan
