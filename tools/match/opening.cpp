#include "match/opening.h"

#include <cstdlib>
#include <random>

#include "ai/engine.h"
#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan::match {

namespace {

constexpr int kDraws = 1000;
constexpr int kCheckDepth = 6;

GameState start(int pair) {
    GameState g;
    if (parse_sfen(kStartSfen, g) != nullptr) std::abort();
    if (pair % 2 == 1) {
        g.ji_teban = TEBAN_GOTE;
        g.teki_teban = TEBAN_SENTE;
        g.teban = g.teki_teban;
    }
    return g;
}

}  // namespace

bool opening_is_even(const GameState& g) {
    if (g.shuukyoku != 0) return false;
    // A line going round in circles costs more than the margin: an opening
    // whose best line is one is a side saving itself by repeating a parry
    // for 500 plies, as uneven as a piece given away.
    Searcher searcher({}, 16);
    SearchLimits limits;
    limits.contempt = kEvenMargin + 1;
    // Most openings leave a piece hanging, which two plies already show; the
    // deeper search is kept for the rest.
    limits.depth = 2;
    const SearchResult quick = searcher.search(g, limits);
    if (!quick.found || std::abs(quick.score) > 3 * kEvenMargin) return false;
    limits.depth = kCheckDepth;
    const SearchResult r = searcher.search(g, limits);
    return std::abs(r.score) <= kEvenMargin;
}

GameState random_opening(unsigned seed, int pair, int plies) {
    std::mt19937 rng(seed * 1000003u + static_cast<unsigned>(pair));
    MoveList list;
    for (int draw = 0; draw < kDraws; ++draw) {
        GameState g = start(pair);
        int played = 0;
        for (; played < plies && g.shuukyoku == 0; ++played) {
            generate_moves(g, list);
            if (list.count == 0) break;
            play_move(g, list.moves[rng() % list.count]);
        }
        if (played == plies && opening_is_even(g)) return g;
    }
    return start(pair);
}

}  // namespace murokan::match
