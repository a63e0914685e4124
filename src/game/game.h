// One game, apart from any window: the position and the side to move, every
// position it has passed through, and its end. A king taken ends it with a
// winner; so does nothing, when both sides in turn have no move (the pass
// rule) or when it reaches the 500-ply limit: both are draws. The window, the
// match tool and the driver's self-play all play through it.
#pragma once

#include <vector>

#include "core/game_state.h"
#include "core/movegen.h"
#include "game/player.h"

namespace murokan {

// Why a game ended.
enum class GameEnd { running, king_taken, both_passed, ply_limit };

class Game {
  public:
    // The plies after which a game still running is a draw: as many as the
    // window's history has room for.
    static constexpr int kMaxPlies = MAX_KIFU;

    // No game yet: an empty board without a side to move, which refuses
    // every move until start().
    Game() : Game(GameState{}) {}
    // A game from `start`, whose side to move moves next, counted as having
    // lasted `plies` plies already.
    explicit Game(const GameState& start, int plies = 0);

    // Starts over from any position `from` (its side to move moves next),
    // counted as having lasted `plies` plies already. `earlier`, when known,
    // are the positions the game passed through before `from`, oldest first:
    // history() then begins with them. Nothing else of the last game stays:
    // no pass is pending, and the end is judged afresh.
    void start(const GameState& from, int plies = 0, std::vector<Position> earlier = {});

    // The current position. The SFEN reader and writer still take a whole
    // game state, so the game keeps one; nothing of it but the position is
    // read or written.
    const GameState& position() const { return state_; }
    bool bottom_to_move() const;
    int plies() const { return plies_; }
    // Every position of the game, the earliest known one first and the current
    // one last; a pass adds none. Entry i is the position i moves after the
    // first one, so history()[history().size() - 1 - n] is the position n
    // moves ago.
    const std::vector<Position>& history() const { return history_; }

    GameEnd end() const;
    bool over() const { return end() != GameEnd::running; }
    // The winner's turn code (TEBAN_SENTE or TEBAN_GOTE) once a king is
    // taken, 0 while the game runs and for a draw.
    int winner() const { return state_.shuukyoku; }

    // True when `m` is a legal move or drop for the side to move of the
    // current position, whether or not the game has ended.
    bool legal(const Move& m) const;
    // Plays `m` for the side to move when the game runs and the move is
    // legal; otherwise refuses it and nothing changes. `report`, when given,
    // receives what the move did, for a caller that shows it.
    bool play(const Move& m, PlayReport* report = nullptr);
    // The side to move has no move: the turn passes to the other side. A
    // second pass in a row ends the game, leaving the turn where it is.
    void pass();
    // The side to move's player chooses, and its move is played or, without
    // one, the turn passes. False when the player's move was illegal (nothing
    // changes then) or the game was over.
    bool step(Player& player, const Thinking& how = {});

  private:
    GameState state_;
    std::vector<Position> history_;
    int plies_ = 0;
    int passes_ = 0;  // passes in a row
};

}  // namespace murokan
