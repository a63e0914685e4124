// The searching levels' thinking (LEVEL4, LEVEL5). The searcher thinks on the
// platform's worker, off the window's thread, on a copy of the position, so
// the window, the clock and Esc stay alive while it thinks.
#include "flow/form1.h"

namespace murokan {

PlayerOptions player_options(const SearchBounds& bounds) {
    PlayerOptions o;
    // Bounds set through the driver replace the level's budget, not its
    // way of playing.
    if (bounds.nodes != 0 || bounds.movetime_ms != 0) {
        o.nodes = bounds.nodes;
        o.movetime_ms = bounds.movetime_ms;
    }
    if (bounds.seed != 0) o.seed = bounds.seed;
    return o;
}

SearchLimits Form1::search_limits() const {
    return level_search_limits(g.com_level, player_options(search_bounds));
}

void Form1::searcher_fit() {
    const bool game = g.taikyoku_mode == MODE_COM && g.teban != TEBAN_NASHI && g.shuukyoku == 0;
    fit_searcher(com, g.com_level, player_options(search_bounds), game);
}

// Positions of an earlier game would be shunned as going round in circles,
// and the table's scores would make a seed's game come out otherwise. A
// searcher not made yet starts empty: clearing its table twice would only
// keep the player waiting.
void Form1::com_new_game() {
    if (!com.searcher) return;
    PlayerOptions options = com_options();
    options.scratch = &com;
    if (const std::unique_ptr<Player> player = make_player(g.com_level, options)) {
        player->new_game();
    }
}

std::optional<Move> Form1::think_on_worker(Player& player, const Position& p) {
    std::optional<Move> m;
    think_stop_ = false;
    Thinking how;
    how.stop = &think_stop_;
    pf.worker.think([&] { m = player.choose(p, how); }, think_stop_);
    return m;
}

}  // namespace murokan
