// The ladder's rungs. A tiny search already wins nearly every game against
// LEVEL3, so LEVEL4-9 are held back mostly by choosing among the best few
// moves within a margin that narrows level by level, and by a search that
// deepens with them; none of them ever gives its king away at once when it
// need not. Each level's node budget is what it spends in about its clock on
// this machine, so that matches played on node budgets alone measure the
// levels as they play in the window.
#include "ai/engine_levels.h"

#include <array>

namespace murokan {

namespace {

struct Rung {
    LevelStyle style;
    int movetime_ms;
    std::int64_t nodes;
};

// LEVEL4 .. LEVEL9. LEVEL4 and LEVEL5 score every move two plies deep and
// play loosely among the best; from LEVEL6 on the searcher plays its own
// choice, and a node budget three times the last one's makes each level a
// step stronger (the clock only caps a slow machine).
constexpr std::array<Rung, 6> kRungs = {{
    {{1, 400, 10}, 300, 60'000},
    {{1, 60, 3}, 400, 80'000},
    {{0, 0, 1}, 500, 3'000},
    {{0, 0, 1}, 700, 10'000},
    {{0, 0, 1}, 1000, 30'000},
    {{0, 0, 1}, 1500, 100'000},
}};

// LEVEL1 .. LEVEL10. LEVEL1-3 play alike (they draw nearly every game between
// them), so LEVEL1 and LEVEL2 take LEVEL3's rating. Measured by
// (placeholder until the first ladder run)
constexpr std::array<int, 10> kRatings = {300, 300, 300, 450, 600, 750, 900, 1050, 1200, 1350};

}  // namespace

int level_rating(int level) {
    return level >= 1 && level <= kLastLevel ? kRatings[level - 1] : 0;
}

SearchLimits reference_limits() {
    SearchLimits l;
    l.movetime_ms = 2000;
    // It goes round in circles only when every other line costs it two pawns:
    // settling for the 500-ply draw as readily as a weaker level let that
    // level hold half the games by repeating a parry.
    l.contempt = 200;
    return l;
}

SearchLimits level_limits(int level) {
    if (level >= kLastLevel) return reference_limits();
    const Rung& r = kRungs[level < kFirstSearchLevel ? 0 : level - kFirstSearchLevel];
    SearchLimits l;
    l.movetime_ms = r.movetime_ms;
    l.nodes = r.nodes;
    // Between searchers that settle for going round in circles nearly every
    // game ends at the 500-ply limit, and the steps vanish in the draws.
    if (r.style.margin == 0) l.contempt = reference_limits().contempt;
    return l;
}

LevelStyle level_style(int level) {
    if (level >= kLastLevel) return {};
    return kRungs[level < kFirstSearchLevel ? 0 : level - kFirstSearchLevel].style;
}

}  // namespace murokan
