// murokan-match --ladder: the whole ladder measured in one run, each player
// against its neighbours, and the ratings that fit the results.
#pragma once

#include <string>
#include <vector>

#include "match/options.h"

namespace murokan::match {

// One game's result as the match tool keeps it.
struct Outcome {
    int a_result = 0;  // 1 win, 0 draw, -1 loss
    int plies = 0;
    double longest_ms[2] = {0, 0};  // a, b
    int overruns[2] = {0, 0};
    bool illegal = false;
    bool adjudicated = false;  // called by --adjudicate
    std::string moves;  // USI, with --verbose
};

// Plays the games o describes between o.a and o.b on o.jobs threads, with the
// progress bar on stderr (main.cpp).
std::vector<Outcome> play_games(const Options& o);

// A pairing's result, from the lower player's side.
struct PairResult {
    int wins = 0, losses = 0, draws = 0;
};

// The ratings of a chain of players where each has played the next: the
// first is 0, and each next one lies the most likely step above the one
// before (one drawn game assumed in every pairing, so that a clean sweep
// stays finite). On a chain this is the maximum-likelihood fit of all
// the results at once. `ci` gets each rating's 95% half-width, the steps'
// uncertainties added up from the first player.
void fit_chain(const std::vector<PairResult>& pairs, std::vector<double>& rating,
               std::vector<double>& ci);

// Plays the ladder with o's games per pairing, seed and jobs, and prints
//   level NAME rating R ci C        (one line per player)
//   ladder levels N min_step A max_step B
// N the game's levels measured (LEVEL3-10), A and B the smallest and largest
// step between two of them. Exit status 1 when a game saw an illegal move.
int run_ladder(const Options& o);

}  // namespace murokan::match
