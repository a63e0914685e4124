// The searching levels and the factory of all players by name.
#include "match/players.h"

#include <cstdio>

#include "ai/engine_levels.h"

namespace murokan::match {

namespace {

class SearchPlayer : public Player {
  public:
    SearchPlayer(const SearchLimits& limits, const EvalWeights& weights)
        : limits_(limits), searcher_(std::make_unique<Searcher>(weights)) {}

    std::optional<Move> choose(const GameState& g) override {
        last_ = searcher_->search(g, limits_);
        if (!last_.found) return std::nullopt;
        return last_.move;
    }
    void new_game() override { searcher_->new_game(); }
    int budget_ms() const override { return limits_.movetime_ms; }
    std::string last_cost() const override {
        char text[96];
        std::snprintf(text, sizeof text, "nodes %lld depth %d search_ms %.1f",
                      static_cast<long long>(last_.nodes), last_.depth, last_.seconds * 1000);
        return text;
    }

  private:
    SearchLimits limits_;
    SearchResult last_;
    std::unique_ptr<Searcher> searcher_;
};

}  // namespace

std::unique_ptr<Player> make_player(const std::string& name, const PlayerOptions& o) {
    if (name == "BASELINE2") return make_baseline2();
    if (name.size() != 6 || name.compare(0, 5, "LEVEL") != 0) return nullptr;
    const int level = name[5] - '0';
    if (level >= 1 && level < kFirstSearchLevel) return make_one_ply_player(level);
    if (level < kFirstSearchLevel || level > kLastLevel) return nullptr;
    SearchLimits limits = level_limits(level);
    // A budget given on the command line replaces the level's own; a node
    // budget alone makes the games reproducible (no clock then).
    if (o.nodes || o.movetime_ms) {
        limits.nodes = o.nodes.value_or(0);
        limits.movetime_ms = o.movetime_ms.value_or(0);
    }
    if (o.depth) limits.depth = *o.depth;
    if (o.contempt) limits.contempt = *o.contempt;
    return std::make_unique<SearchPlayer>(limits, o.weights);
}

}  // namespace murokan::match
