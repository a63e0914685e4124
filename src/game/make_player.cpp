// The one place where a level number picks a player.
#include "ai/engine_levels.h"
#include "game/player.h"
#include "game/players_internal.h"

namespace murokan {

SearchLimits level_search_limits(int level, const PlayerOptions& o) {
    SearchLimits limits = level_limits(level);
    // A budget given by the caller replaces the level's own, not its way of
    // playing.
    if (o.nodes || o.movetime_ms) {
        limits.nodes = o.nodes.value_or(0);
        limits.movetime_ms = o.movetime_ms.value_or(0);
    }
    if (o.depth) limits.depth = *o.depth;
    if (o.contempt) limits.contempt = *o.contempt;
    return limits;
}

std::unique_ptr<Player> make_player(int level, const PlayerOptions& o) {
    if (level == kRandomLevel) return players::random(o.seed);
    if (level >= kFirstLevel && level < kFirstSearchLevel) {
        return players::one_ply(level, o.scratch);
    }
    if (level < kFirstSearchLevel || level > kLastLevel) return nullptr;
    const SearchLimits limits = level_search_limits(level, o);
    LevelStyle style = level_style(level);
    if (o.choice_depth) style.depth = *o.choice_depth;
    if (o.margin) style.margin = *o.margin;
    if (o.candidates) style.candidates = *o.candidates;
    if (style.margin > 0) return players::ladder(limits, style, o.weights, o.scratch, o.seed);
    return players::searcher(limits, o.weights, o.scratch);
}

std::unique_ptr<Player> make_reference_player(const PlayerOptions& o) {
    SearchLimits limits = reference_limits();
    if (o.nodes || o.movetime_ms) {
        limits.nodes = o.nodes.value_or(0);
        limits.movetime_ms = o.movetime_ms.value_or(0);
    }
    return players::searcher(limits, o.weights, o.scratch);
}

void fit_searcher(PlayerScratch& scratch, int level, const PlayerOptions& o, bool needed) {
    if (!needed || level < kFirstSearchLevel || level > kLastLevel) {
        scratch.searcher.reset();
        return;
    }
    players::fitted_searcher(scratch, level_search_limits(level, o), o.weights);
}

}  // namespace murokan
