// Nodes per second of the searcher (on this thread's CPU time, so that other
// work on a shared machine does not count against it) and the median depth it
// finishes within one second, over fixed middle-game positions with both sides
// to move.
#include "search_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "ai/engine.h"
#include "core/sfen.h"

namespace murokan::bench {

namespace {

constexpr const char* kPositions[] = {
    "ln1g3nl/1r3kg2/p2ppp1pp/2ps2p2/1p5P1/2P1P1P2/PPSP1P2P/2G3SR1/LN2KG1NL b Bbs 1",
    "ln1g3nl/1r2kgs2/p1sppp1pp/2p3p2/1p7/2P1P1P2/PPBP1P1PP/2S1GS1R1/LN1GK2NL w Bp 1",
    "lnsgk2nl/1r4gb1/p1pppp1pp/6p2/1p7/2P4P1/PP1PPPP1P/1BG4R1/LNS1KGSNL b Ss 1",
    "3gk4/4s4/4+P4/9/2B6/9/9/5+r3/4K4 w 2Pbgsnl 1",
};

// The node budget of each search of print_fixed_node_speed.
constexpr std::int64_t kFixedNodes = 1'000'000;

double cpu_seconds() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

}  // namespace

void print_search_speed() {
    Searcher searcher;
    SearchLimits limits;
    limits.movetime_ms = 1000;
    std::int64_t nodes = 0;
    double seconds = 0;
    std::vector<int> depths;
    for (const char* sfen : kPositions) {
        GameState g;
        if (parse_sfen(sfen, g) != nullptr) std::abort();  // a fixed position must read
        searcher.new_game();
        const double t0 = cpu_seconds();
        const SearchResult r = searcher.search(g, limits);
        seconds += cpu_seconds() - t0;
        nodes += r.nodes;
        depths.push_back(r.depth);
    }
    std::sort(depths.begin(), depths.end());
    std::printf("search nodes_per_second %.0f depth_1s %d\n", nodes / seconds,
                depths[depths.size() / 2]);
}

void print_fixed_node_speed() {
    Searcher searcher;
    SearchLimits limits;
    limits.nodes = kFixedNodes;
    std::int64_t nodes = 0;
    double seconds = 0, wall = 0;
    for (const char* sfen : kPositions) {
        GameState g;
        if (parse_sfen(sfen, g) != nullptr) std::abort();  // a fixed position must read
        searcher.new_game();
        const double t0 = cpu_seconds();
        const SearchResult r = searcher.search(g, limits);
        seconds += cpu_seconds() - t0;
        nodes += r.nodes;
        wall += r.seconds;
    }
    std::printf("search fixed_nodes %lld nodes_per_cpu_second %.0f nodes_per_wall_second %.0f\n",
                static_cast<long long>(nodes), nodes / seconds, nodes / wall);
}

}  // namespace murokan::bench
