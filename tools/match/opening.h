// Seeded random openings for murokan-match.
#pragma once

#include "core/game_state.h"

namespace murokan::match {

// How far from level an opening may be: a shallow search by the searching
// levels' evaluation must score it within this many points (100 is a pawn).
inline constexpr int kEvenMargin = 100;

// True when the game runs and a 6-ply search scores g within kEvenMargin for
// the side to move, a line going round in circles counting as worse than
// that. Four random plies of this game nearly always leave a piece to take,
// so most openings are not even: a pair of games from one is a handicap
// pair, where the favoured colour wins and the other holds a draw whoever
// plays it.
bool opening_is_even(const GameState& g);

// The start position with `plies` uniformly random plies played, the same for
// the same seed and pair; which side moves first alternates between pairs.
// Whole openings are drawn until one is even; if none of many is, the plain
// start position is returned.
GameState random_opening(unsigned seed, int pair, int plies);

}  // namespace murokan::match
