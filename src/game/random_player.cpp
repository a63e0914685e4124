// The random player: any legal move, each as likely as another, drawn from a
// generator of its own seed, so that the same seed plays the same game.
#include <memory>
#include <random>

#include "core/position.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

class RandomPlayer : public Player {
  public:
    explicit RandomPlayer(unsigned seed) : seed_(seed), rng_(seed) {}

    std::optional<Move> choose(const Position& p, const Thinking&) override {
        generate_moves(p, list_);
        if (list_.count == 0) return std::nullopt;
        std::uniform_int_distribution<int> pick(0, list_.count - 1);
        return list_.moves[pick(rng_)];
    }
    void new_game() override { rng_.seed(seed_); }

  private:
    unsigned seed_;
    std::mt19937 rng_;
    MoveList list_;
};

}  // namespace

std::unique_ptr<Player> random(unsigned seed) {
    return std::make_unique<RandomPlayer>(seed);
}

}  // namespace murokan::players
