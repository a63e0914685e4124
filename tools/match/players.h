// The players murokan-match can pit against each other: the one-ply computer
// (LEVEL1-3), the searching computer (LEVEL4, LEVEL5) and BASELINE2.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ai/engine.h"
#include "core/game_state.h"
#include "core/movegen.h"

namespace murokan::match {

// What the command line may change about a searching player.
struct PlayerOptions {
    std::optional<int> movetime_ms;
    std::optional<long long> nodes;
    std::optional<int> depth;
    std::optional<int> contempt;
    EvalWeights weights;
};

class Player {
  public:
    virtual ~Player() = default;
    // A move for the side to move of g, or none when it has no move.
    virtual std::optional<Move> choose(const GameState& g) = 0;
    // Forgets what earlier games taught it, so that each game stands alone.
    virtual void new_game() {}
    // The wall-clock budget of one move in milliseconds, 0 when it has none.
    virtual int budget_ms() const { return 0; }
    // What the last choice cost by the player's own account ("nodes N depth D
    // search_ms S" for a searcher), empty when it keeps none. Printed with a
    // move over budget, to tell a slow search from a thread that did not run.
    virtual std::string last_cost() const { return {}; }
};

// LEVEL1..LEVEL5 or BASELINE2; nullptr for any other name.
std::unique_ptr<Player> make_player(const std::string& name, const PlayerOptions& options);

// The one-ply computer of the game, which plays the top side only, made to
// play either side by turning the board round for it.
std::unique_ptr<Player> make_one_ply_player(int level);

// Two-ply alpha-beta on material alone, moves whose chain takes a piece first.
std::unique_ptr<Player> make_baseline2();

}  // namespace murokan::match
