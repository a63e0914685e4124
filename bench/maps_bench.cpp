// Cost of one influence survey on three fixed positions: the opening, a
// middle game and a sparse ending.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "ai/maps.h"
#include "core/sfen.h"

namespace {

using namespace murokan;

GameState 局面(const char* sfen) {
    GameState g;
    if (parse_sfen(sfen, g) != nullptr) {
        std::abort();  // a fixed position that does not read is a broken benchmark
    }
    return g;
}

void Survey(benchmark::State& state, const char* sfen) {
    GameState g = 局面(sfen);
    InfluenceMaps m;
    for (auto _ : state) {
        勢力調査(g, m);
        benchmark::DoNotOptimize(m.kiki_ji[5][5]);
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(Survey, opening,
                  "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
BENCHMARK_CAPTURE(Survey, middle_game,
                  "ln1g3nl/1r2kgs2/p1sppp1pp/2p3p2/1p7/2P1P1P2/PPBP1P1PP/2S1GS1R1/LN1GK2NL b B 1");
BENCHMARK_CAPTURE(Survey, ending, "3gk4/4s4/4+P4/9/2B6/9/9/5+r3/4K4 b G 1");

}  // namespace
