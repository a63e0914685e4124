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

void Form1::searcher_fit(bool thinking) {
    const bool game = g.taikyoku_mode == MODE_COM && g.teban != TEBAN_NASHI && g.shuukyoku == 0;
    if (g.com_level < kFirstSearchLevel || !(game || thinking)) {
        // Its table is the largest thing the game holds: none while it idles.
        searcher_.reset();
        return;
    }
    const int bits = TranspositionTable::bits_for_nodes(search_limits().nodes);
    if (!searcher_ || searcher_bits_ != bits) {
        searcher_ = std::make_unique<Searcher>(EvalWeights{}, bits);
        searcher_bits_ = bits;
    }
}

std::optional<Move> Form1::search_move() {
    searcher_fit(true);
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
