// One game: its moves, passes and end.
#include "game/game.h"

#include <utility>

namespace murokan {

Game::Game(const GameState& start, int plies) {
    this->start(start, plies);
}

void Game::start(const GameState& from, int plies, std::vector<Position> earlier) {
    state_ = from;
    plies_ = plies;
    passes_ = 0;
    history_ = std::move(earlier);
    history_.reserve(history_.size() + kMaxPlies + 1);
    history_.push_back(state_);
}

bool Game::bottom_to_move() const {
    return murokan::bottom_to_move(state_);
}

GameEnd Game::end() const {
    if (state_.shuukyoku != 0) return GameEnd::king_taken;
    if (passes_ >= 2) return GameEnd::both_passed;
    if (plies_ >= kMaxPlies) return GameEnd::ply_limit;
    return GameEnd::running;
}

bool Game::legal(const Move& m) const {
    return is_legal_move(state_, m);
}

bool Game::play(const Move& m, PlayReport* report) {
    if (over()) return false;
    if (!legal(m)) return false;
    const PlayReport r = play_move(state_, m);
    if (report) *report = r;
    ++plies_;
    passes_ = 0;
    history_.push_back(state_);
    return true;
}

void Game::pass() {
    if (over()) return;
    if (++passes_ == 2) return;
    state_.teban = -state_.teban;
}

bool Game::step(Player& player, const Thinking& how) {
    if (over()) return false;
    const std::optional<Move> m = player.choose(state_, how);
    if (!m) {
        pass();
        return true;
    }
    return play(*m);
}

}  // namespace murokan
