// The computer's strength level (com_level 1..3) and its menu items. Only
// level 2 plays differently: it leaves out the piece-specific rules of the
// evaluation; levels 1 and 3 score every term.
#pragma once

#include "ai/com_host.h"
#include "core/game_state.h"

namespace murokan {

// LEVEL1_Click, LEVEL2_Click, LEVEL3_Click (n = 1..3): erases the level display
// and sets the level. Accepted at any time; the next computer move uses it.
void LEVEL_Click(GameState& g, ComHost& h, int n);

// Marks the menu item of level n and sets com_level = n; any other n leaves all
// three items unmarked and com_level unchanged. Shows the level while a game
// against the computer is set up.
void レベル_設定(GameState& g, ComHost& h, int n);

}  // namespace murokan
