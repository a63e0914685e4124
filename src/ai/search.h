// The computer's one-ply search: every legal board move and drop of the top
// side is tried on the live board, scored by 盤評価 and taken back. No screen,
// no clocks: the computer's turn and the headless tools call these directly.
#pragma once

#include "ai/com_state.h"
#include "core/game_state.h"
#include "core/movegen.h"

namespace murokan {

// What the search calls while it runs, once per source column and once per
// hand kind, so that the caller can keep a clock moving. A reference to a
// callable lvalue, or nothing: it holds no copy and allocates nothing, so the
// callable must outlive the call it is given to.
class Progress {
  public:
    Progress() = default;
    // Not explicit: a named lambda is passed where a Progress is asked for.
    template <class F>
    Progress(F& f) : target_(&f), call_([](void* t) { (*static_cast<F*>(t))(); }) {}

    void operator()() const {
        if (call_ != nullptr) call_(target_);
    }

  private:
    void* target_ = nullptr;
    void (*call_)(void*) = nullptr;
};

struct 思考結果 {
    bool found = false;  // false when the top side has no legal move or drop
    Move te;             // promote set when the move is played promoted
    double score = -99999;
    int candidates = 0;  // positions surveyed and scored
};

// The start of a turn: clears the best score and the escape marks, keeps the
// board, the hand total and the two attack maps as they are before any trial,
// refreshes the two-pawn flags, counts the bottom king's escapes and marks the
// pinned pieces. Leaves c.maps describing the current position.
void 思考_準備(Position& g, ComState& c);

// Runs the search at strength `level` (1-3; level 2 leaves out the
// piece-specific terms) after 思考_準備. Board moves first (source column,
// source row, destination column, destination row, each ascending), then
// drops (kind 1..7, destination column, row); only a strictly higher score
// replaces the best, and the first drop scoring 9998 or more ends the search.
// `progress` is called once per source column and per hand kind. g.ban and the
// hands end as they were; the king squares may change.
思考結果 思考_探索(Position& g, ComState& c, int level, Progress progress = {});

// 思考_準備 then 思考_探索.
思考結果 思考(Position& g, ComState& c, int level, Progress progress = {});

// Scores one candidate as the search at `level` does, after 思考_準備: puts it
// on the board, chooses promotion as the search does, surveys, scores and
// takes it back. `m.piece` must be the piece on the source (for a drop, the
// top code of the kind). On return m.promote holds the form the search would
// play. Does not check legality.
double 思考_候補評価(Position& g, ComState& c, int level, Move& m, int* candidates = nullptr);

// The distance a drop is scored with: the search scores drops after all board
// moves, with ou_kyori left by the last board move it tried (0 when the top
// side has no board move).
int 思考_最後の王距離(const Position& g);

// The same at the window's level, g.com_level.
inline 思考結果 思考_探索(GameState& g, ComState& c, Progress progress = {}) {
    return 思考_探索(g, c, g.com_level, progress);
}
inline 思考結果 思考(GameState& g, ComState& c, Progress progress = {}) {
    return 思考(g, c, g.com_level, progress);
}
inline double 思考_候補評価(GameState& g, ComState& c, Move& m, int* candidates = nullptr) {
    return 思考_候補評価(g, c, g.com_level, m, candidates);
}

}  // namespace murokan
