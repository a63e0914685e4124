// The players murokan-match can pit against each other, by name: the levels
// of the game (LEVEL1-3 the one-ply computer, LEVEL4-10 the searching
// computer, see game/player.h), RANDOM, REF5 and BASELINE2.
#pragma once

#include <memory>
#include <string>

#include "game/player.h"

namespace murokan::match {

// LEVEL1..LEVEL10, RANDOM (uniform legal moves), REF5 (the searching LEVEL5
// as it was before the ladder) or BASELINE2; nullptr for any other name.
std::unique_ptr<Player> make_named_player(const std::string& name, const PlayerOptions& options);

// What the last choice cost by the player's own account ("nodes N depth D
// search_ms S" for a searcher), empty when it keeps none. Printed with a
// move over budget, to tell a slow search from a thread that did not run.
std::string last_cost(const Player& p);

// Two-ply alpha-beta on material alone, moves whose chain takes a piece first.
std::unique_ptr<Player> make_baseline2();

}  // namespace murokan::match
