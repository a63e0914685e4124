#include "match/ladder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ai/engine_levels.h"

namespace murokan::match {

namespace {

// The players from the bottom of the ladder to its top.
std::vector<std::string> ladder_players() {
    std::vector<std::string> names = {"RANDOM"};
    for (int level = 3; level <= kLastLevel; ++level) names.push_back("LEVEL" + std::to_string(level));
    names.push_back("REF5");
    return names;
}

// A searching player's node budget in a ladder run: its level's own, or for
// the top and REF5, whose clock is 2 s, the stand-in `top_nodes`. Budgets
// alone make the run the same on any machine.
PlayerOptions ladder_options(const std::string& name, std::int64_t top_nodes, unsigned seed) {
    PlayerOptions p;
    p.seed = seed;
    p.movetime_ms = 0;
    if (name == "REF5") {
        p.nodes = top_nodes;
    } else if (name.rfind("LEVEL", 0) == 0) {
        const int level = std::stoi(name.substr(5));
        if (level >= kFirstSearchLevel) {
            const SearchLimits l = level_limits(level);
            p.nodes = l.nodes > 0 ? l.nodes : top_nodes;
        }
    }
    return p;
}

double elo_of(double p) {
    return -400.0 * std::log10(1.0 / p - 1.0);
}

}  // namespace

void fit_chain(const std::vector<PairResult>& pairs, std::vector<double>& rating,
               std::vector<double>& ci) {
    rating.assign(pairs.size() + 1, 0.0);
    ci.assign(pairs.size() + 1, 0.0);
    double var = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const PairResult& r = pairs[i];
        // The upper player's score, with the assumed draw.
        const double n = r.wins + r.losses + r.draws + 1;
        const double p = (r.losses + 0.5 * r.draws + 0.5) / n;
        rating[i + 1] = rating[i] + elo_of(p);
        // The step's variance from the slope of the logistic curve at p.
        const double slope = std::log(10.0) / 400.0 * p * (1 - p);
        var += p * (1 - p) / n / (slope * slope);
        ci[i + 1] = 1.96 * std::sqrt(var);
    }
}

int run_ladder(const Options& o) {
    const std::vector<std::string> names = ladder_players();
    std::vector<PairResult> pairs;
    bool illegal = false;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        Options pair = o;
        pair.a = names[i];
        pair.b = names[i + 1];
        pair.a_opts = ladder_options(pair.a, o.ladder_top_nodes, o.seed);
        pair.b_opts = ladder_options(pair.b, o.ladder_top_nodes, o.seed + 1);
        std::fprintf(stderr, "%s - %s\n", pair.a.c_str(), pair.b.c_str());
        PairResult r;
        for (const Outcome& g : play_games(pair)) {
            r.wins += g.a_result > 0;
            r.losses += g.a_result < 0;
            r.draws += g.a_result == 0;
            illegal = illegal || g.illegal;
        }
        std::printf("pair %s %s games %d wins %d losses %d draws %d\n", pair.a.c_str(),
                    pair.b.c_str(), o.games, r.wins, r.losses, r.draws);
        std::fflush(stdout);
        pairs.push_back(r);
    }
    std::vector<double> rating, ci;
    fit_chain(pairs, rating, ci);
    for (std::size_t i = 0; i < names.size(); ++i)
        std::printf("level %s rating %.0f ci %.0f\n", names[i].c_str(), rating[i], ci[i]);
    // The game's own levels are LEVEL3 (index 1) .. LEVEL10.
    double lo = 1e9, hi = -1e9;
    const std::size_t top = names.size() - 2;
    for (std::size_t i = 1; i < top; ++i) {
        lo = std::min(lo, rating[i + 1] - rating[i]);
        hi = std::max(hi, rating[i + 1] - rating[i]);
    }
    std::printf("ladder levels %zu min_step %.0f max_step %.0f\n", top, lo, hi);
    return illegal ? 1 : 0;
}

}  // namespace murokan::match
