// A player of the game: whoever chooses the moves of one side. The window's
// computer turn, the match tool and the driver all get theirs from
// make_player, the one place where a level number picks a player.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "ai/com_state.h"
#include "ai/engine.h"
#include "ai/search.h"
#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// How the caller wants a choice made: `tick` is called now and then on the
// thinking thread (the one-ply computer: once per source column and hand
// kind), so that a clock can keep moving; `stop`, when set, ends a search in
// progress once it reads true.
struct Thinking {
    Progress tick;
    const std::atomic<bool>* stop = nullptr;
};

// What the last choice found, by the player's own account.
struct Thought {
    bool deepened = false;  // a searcher: depth, nodes and seconds are its own
    double score = 0;       // the chosen move's score on the player's own scale
    int depth = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
};

// What a caller keeps for its players across turns and levels, so that a
// new player of another level goes on where the last one stopped: the one-ply
// computer's maps and scratch values, and the searcher, made with the first
// searching player (its table is large).
struct PlayerScratch {
    ComState com;
    std::unique_ptr<Searcher> searcher;
    int searcher_bits = 0;  // the size of its table, as a power of two
};

// What a caller may change about a player. A node or time budget replaces a
// searching level's own (a node budget alone makes its games the same on any
// machine); the one-ply levels and the random player have none.
struct PlayerOptions {
    std::optional<int> movetime_ms;
    std::optional<std::int64_t> nodes;
    std::optional<int> depth;
    std::optional<int> contempt;
    // A searching level's way of choosing (LevelStyle), for measuring others:
    // how deep each move is scored, the margin and the number of candidates.
    // A margin of 0 plays the searcher's own choice.
    std::optional<int> choice_depth, margin, candidates;
    EvalWeights weights;
    unsigned seed = 1;                 // the random player's and LEVEL4-7's draws
    PlayerScratch* scratch = nullptr;  // null: the player keeps its own
};

// Makes the searcher of `level` ready in `scratch`, its table sized for the
// level's budget under `options`, when `needed`; frees it when the level does
// not search or a game no longer needs it. A searcher's table is the largest
// thing a game holds, so it lives only while a game against it runs.
void fit_searcher(PlayerScratch& scratch, int level, const PlayerOptions& options, bool needed);

class Player {
  public:
    virtual ~Player() = default;
    // A move for the side to move of p, or none when it has no move.
    virtual std::optional<Move> choose(const Position& p, const Thinking& how = {}) = 0;
    // Forgets what earlier games taught it, so that each game stands alone.
    virtual void new_game() {}
    // The wall-clock budget of one move in milliseconds, 0 when it has none.
    virtual int budget_ms() const { return 0; }
    // True when its thinking is long enough to need a thread of its own: the
    // window then thinks on its worker and lets its timer run, rather than
    // ticking the clock through Thinking::tick.
    virtual bool thinks_long() const { return false; }
    // What the last choice found.
    virtual Thought last_thought() const { return {}; }
};

// The first and last level a player can be made for: LEVEL1-3 the one-ply
// computer, LEVEL4-10 the searching computer.
inline constexpr int kFirstLevel = 1;
// The random player's level number, below every level of the game.
inline constexpr int kRandomLevel = 0;

// What the searching computer of `level` (LEVEL4-10) searches with:
// the level's own limits with the options' budget, depth and contempt over
// them.
SearchLimits level_search_limits(int level, const PlayerOptions& options);

// The player of `level` (kRandomLevel, or LEVEL1..LEVEL10), nullptr for any
// other number.
std::unique_ptr<Player> make_player(int level, const PlayerOptions& options = {});

// The searching LEVEL5 as it was before the ladder (2 s a move), with the
// options' budget over its own: the yardstick of the ladder's top.
std::unique_ptr<Player> make_reference_player(const PlayerOptions& options = {});

}  // namespace murokan
