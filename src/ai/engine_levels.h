// The budgets of the searching levels. LEVEL1-3 are the one-ply computer of
// search.h; LEVEL4 and LEVEL5 search with the searcher of engine.h.
#pragma once

#include "ai/engine.h"

namespace murokan {

inline constexpr int kFirstSearchLevel = 4;
inline constexpr int kLastLevel = 5;

// The largest budgets the tools give a searching level for one move: ten
// minutes, or a thousand million nodes (some twenty minutes). Beyond them a
// move would take days, and a budget that wrapped would not be noticed.
inline constexpr int kMaxBudgetMs = 600'000;
inline constexpr int kMaxBudgetNodes = 1'000'000'000;

// The limits LEVEL4 or LEVEL5 searches with; `level` must be one of them.
SearchLimits level_limits(int level);

}  // namespace murokan
