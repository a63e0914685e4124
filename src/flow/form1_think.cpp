// The searching levels' choice (LEVEL4, LEVEL5). The searcher thinks on the
// platform's worker, off the window's thread, on a copy of the position, so
// the window, the clock and Esc stay alive while it thinks.
#include "ai/engine_levels.h"
#include "flow/form1.h"

namespace murokan {

SearchLimits Form1::search_limits() const {
    SearchLimits l = level_limits(g.com_level);
    // Bounds set through the driver replace the level's budget, not its
    // way of playing.
    if (search_bounds.nodes != 0 || search_bounds.movetime_ms != 0) {
        l.nodes = search_bounds.nodes;
        l.movetime_ms = search_bounds.movetime_ms;
    }
    return l;
}

std::optional<Move> Form1::search_move() {
    // Made here rather than at start-up: its table is large, and only these
    // levels need it.
    if (!searcher_) searcher_ = std::make_unique<Searcher>();
    GameState position = g;
    position.teban = position.teki_teban;  // the computer always moves the top side
    const SearchLimits limits = search_limits();
    SearchResult result;
    think_stop_ = false;
    pf.worker.think([&] { result = searcher_->search(position, limits, &think_stop_); },
                    think_stop_);
    if (!result.found) return std::nullopt;
    return result.move;
}

}  // namespace murokan
