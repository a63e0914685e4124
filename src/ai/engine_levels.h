// The budgets of the searching levels. LEVEL1-3 are the one-ply computer of
// search.h; LEVEL4-10 search with the searcher of engine.h, LEVEL4-7 held
// back the way a person of their strength plays (game/ladder_player.cpp).
#pragma once

#include "ai/engine.h"

namespace murokan {

inline constexpr int kFirstSearchLevel = 4;
inline constexpr int kLastLevel = 10;

// The largest budgets the tools give a searching level for one move: ten
// minutes, or a thousand million nodes (some twenty minutes). Beyond them a
// move would take days, and a budget that wrapped would not be noticed.
inline constexpr int kMaxBudgetMs = 600'000;
inline constexpr int kMaxBudgetNodes = 1'000'000'000;

// How a level below the top holds itself back: each of its moves is scored
// by a search `depth` plies deep below it, and it plays one of the best
// `candidates` moves that lie within `margin` points of the best, the closer
// ones the likelier. A margin of 0 plays the searcher's own choice.
struct LevelStyle {
    int depth = 0;
    int margin = 0;
    int candidates = 1;
};

// The limits a searching level (LEVEL4-10) searches with: its node budget
// and its clock, whichever ends first.
SearchLimits level_limits(int level);

// How a searching level chooses among its moves; margin 0 for LEVEL10.
LevelStyle level_style(int level);

// The rating of LEVEL1..LEVEL10 on the ladder's scale, where a player of
// uniformly random legal moves is 0; 0 for any other number.
int level_rating(int level);

// The searching computer's LEVEL5 as it was before the ladder (2 s a move),
// kept so that the top of the ladder can be measured against it.
SearchLimits reference_limits();

}  // namespace murokan
