// The command line of murokan-match: its options, each number's range, and
// how the shared budgets fill in the players' own.
#pragma once

#include <cstdint>
#include <string>

#include "match/players.h"

namespace murokan::match {

// Games per pairing of --ladder without --games, small enough for the run
// to end within half an hour on two cores.
inline constexpr int kLadderGames = 10;
// The budget of LEVEL10 and REF5 in a --ladder run: a stand-in for their
// 2 s, which buy some 5 million nodes on this machine (Release, 2.7 million
// a second) and would make a run last hours. The two play alike at any one
// budget, so the stand-in measures the one against the other fairly; the
// top's rating from a run is a floor for the 2 s player of the window.
inline constexpr std::int64_t kLadderTopNodes = 400'000;
// The ply at which --ladder calls a game still running a draw. Between equal
// searchers most games go round in circles to the game's own 500-ply limit,
// and most of those that end at all are over by then.
inline constexpr int kLadderAdjudicatePlies = 300;

struct Options {
    std::string a, b;
    int games = 0;
    int first = 0;  // number of the first game in the seeded schedule
    unsigned seed = 1;
    int jobs = 1;
    int opening_plies = 4;
    bool verbose = false;  // each game's moves and end to stderr
    // The match's own end to a game (adjudicate.h): a draw once this many
    // plies are played. 0 for none, the default but for --ladder.
    int adjudicate_plies = 0;
    // --ladder: the whole ladder (ladder.h) rather than one pairing; its
    // games per pairing, and the node budget standing for a 2 s clock.
    bool ladder = false;
    std::int64_t ladder_top_nodes = kLadderTopNodes;
    PlayerOptions a_opts, b_opts;
};

// The options argv gives. An option that is unknown, lacks its value or has
// a value outside its range ends the program with the reason, the usage and
// exit status 2: a bound of 0 would let a search run for ever, and a huge
// count would wrap or exhaust memory.
Options parse(int argc, char** argv);

}  // namespace murokan::match
