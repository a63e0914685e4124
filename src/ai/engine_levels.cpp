// The ladder's rungs. A tiny search already wins nearly every game against
// LEVEL3, so the lowest searching levels are held back by choosing among
// their best few moves within a margin that narrows level by level, over a
// search that deepens with them; none of them ever gives its king away at
// once when it need not. Node budgets, not clocks, make the levels what they
// are, so that a match played on node budgets alone measures them as they
// play in the window, on any machine.
#include "ai/engine_levels.h"

#include <array>

namespace murokan {

namespace {

struct Rung {
    LevelStyle style;
    int movetime_ms;
    std::int64_t nodes;
};

// LEVEL4 .. LEVEL9. LEVEL4 scores every move two plies deep, LEVEL5 three
// and LEVEL6 four, each comparing all its moves at one depth, and they play
// loosely among the best. Against LEVEL4, LEVEL5 won 19 games of 20 scoring
// four plies deep, and 85% of 40 at three plies among its best 3 within 80
// points. From LEVEL7 on the searcher plays its own choice, and a
// larger node budget makes each level a step stronger (the clock only caps a
// slow machine). The search gains steeply with its budget: a sixfold budget
// won 9 games of 10 at 4,000 and at 25,000 nodes, and LEVEL9 at 70,000
// nodes lost 5 of 5 to LEVEL10's 400,000, so LEVEL9 sits at 150,000.
constexpr std::array<Rung, 6> kRungs = {{
    {{1, 600, 12}, 300, 60'000},
    {{2, 150, 4}, 400, 120'000},
    {{3, 20, 2}, 600, 300'000},
    {{0, 0, 1}, 700, 4'000},
    {{0, 0, 1}, 1000, 25'000},
    {{0, 0, 1}, 1500, 150'000},
}};

// LEVEL1 .. LEVEL10. LEVEL1-3 play alike (they draw nearly every game between
// them), so LEVEL1 and LEVEL2 take LEVEL3's rating. Each level played the one
// below it on the levels' node budgets, 9 December 2026:
// `murokan-match --a LEVELn --b LEVELn-1 --a-nodes A --b-nodes B --seed 1
// --jobs 2 --adjudicate 300 --games 20` (LEVEL3 against RANDOM without
// budgets), and again with `--first 20` (LEVEL4-7) or `--first 10`
// (LEVEL8-10) for 40 or 20 games a pairing. The higher level scored 55%,
// 82.5%, 76.2%, 75%, 71.2%, 92.5%, 97.5% and 62.5% from LEVEL3 up, fitted
// as `--ladder` fits them, RANDOM 0. The top is some 550 points uncertain.
constexpr std::array<int, 10> kRatings = {33, 33, 33, 293, 490, 670, 823, 1214, 1735, 1819};

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
    // game ends at the 500-ply limit, and the steps vanish in the draws. The
    // loose choosers shun it at half the price; with none, more of their
    // games with one another ran to that limit.
    const int contempt = reference_limits().contempt;
    l.contempt = r.style.margin == 0 ? contempt : contempt / 2;
    return l;
}

LevelStyle level_style(int level) {
    if (level >= kLastLevel) return {};
    return kRungs[level < kFirstSearchLevel ? 0 : level - kFirstSearchLevel].style;
}

}  // namespace murokan
