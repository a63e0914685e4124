// The fixed positions of the search signature: the start with either side
// first, a few rungs of the handicap ladder, and positions reached by seeded
// random play (mt19937's output is fixed by the standard; the reduction to a
// move index is ours, so no library's distribution can change it).
#include "signature.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "ai/engine.h"
#include "core/handicap.h"
#include "core/sfen.h"

namespace murokan::bench {

namespace {

constexpr int kDepth = 4;
constexpr int kHandicaps[] = {1, 2, 6, -2, -10};
constexpr unsigned kWalkSeeds[] = {1, 2, 3, 4};
constexpr int kWalkPlies[] = {12, 30, 60};

GameState start(bool bottom_first) {
    GameState g;
    if (parse_sfen(kStartSfen, g) != nullptr) std::abort();  // a fixed position must read
    if (!bottom_first) {
        g.ji_teban = TEBAN_GOTE;
        g.teki_teban = TEBAN_SENTE;
        g.teban = g.teki_teban;
    }
    return g;
}

// The start with the ladder walked to `level`, one rung at a time.
GameState handicap_start(int level) {
    GameState g = start(true);
    for (int n = 1; n <= level; ++n) {
        const ハンデ手 h = ハンデ_上げ手(n);
        g.ban[h.x][h.y] = h.code;
    }
    for (int n = -1; n >= level; --n) {
        const ハンデ手 h = ハンデ_下げ手(n);
        g.ban[h.x][h.y] = h.code;
    }
    return g;
}

std::vector<GameState> positions() {
    std::vector<GameState> out{start(true), start(false)};
    for (int level : kHandicaps) out.push_back(handicap_start(level));
    MoveList list;
    for (unsigned seed : kWalkSeeds) {
        std::mt19937 rng(seed);
        GameState g = start(seed % 2 == 1);
        int ply = 0;
        for (int stop : kWalkPlies) {
            for (; ply < stop && g.shuukyoku == 0; ++ply) {
                generate_moves(g, list);
                if (list.count == 0) break;
                play_move(g, list.moves[rng() % static_cast<unsigned>(list.count)]);
            }
            if (g.shuukyoku != 0) break;
            out.push_back(g);
        }
    }
    return out;
}

}  // namespace

std::int64_t search_signature() {
    Searcher searcher;
    SearchLimits limits;
    limits.depth = kDepth;
    std::int64_t nodes = 0;
    for (const GameState& g : positions()) {
        searcher.new_game();
        nodes += searcher.search(g, limits).nodes;
    }
    return nodes;
}

void print_search_signature() {
    std::printf("signature nodes %lld\n", static_cast<long long>(search_signature()));
}

}  // namespace murokan::bench
