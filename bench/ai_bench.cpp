// Cost of the computer's turn. Google Benchmark timings of one full search on
// three fixed positions, then a sweep over 200 positions met by the computer
// playing a seeded random opponent: per-search median and 99th percentile,
// candidates scored per second, and how close the search comes to its floor of
// one influence survey per candidate. The search's speed and its signature
// are printed before the sweep, whose line comes last:
//   ratio <r> median_us <m> p99_us <p>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string_view>
#include <vector>

#include "ai/search.h"
#include "core/movegen.h"
#include "core/sfen.h"
#include "search_bench.h"
#include "signature.h"

namespace {

using namespace murokan;

// Thread CPU time, so that other work on a busy machine does not count.
struct Clock {
    using time_point = double;  // microseconds
    static time_point now() {
        timespec ts;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
    }
};

GameState 局面(const char* sfen) {
    GameState g;
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    if (parse_sfen(sfen, g) != nullptr) std::abort();  // a fixed position must read
    return g;
}

void Search(benchmark::State& state, const char* sfen) {
    const GameState start = 局面(sfen);
    ComState c;
    int candidates = 0;
    for (auto _ : state) {
        GameState g = start;
        const 思考結果 r = 思考(g, c);
        candidates = r.candidates;
        benchmark::DoNotOptimize(r.score);
    }
    state.counters["candidates"] = candidates;
}

BENCHMARK_CAPTURE(Search, opening,
                  "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, middle_game,
                  "ln1g3nl/1r2kgs2/p1sppp1pp/2p3p2/1p7/2P1P1P2/PPBP1P1PP/2S1GS1R1/LN1GK2NL w Bp 1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, hands_full, "3gk4/4s4/4+P4/9/2B6/9/9/5+r3/4K4 w 2Pbgsnl 1")
    ->Unit(benchmark::kMicrosecond);

// Positions where the computer is to move, from games of the computer against
// a seeded random opponent.
std::vector<GameState> 対局局面(int count) {
    std::mt19937 rng(12345);
    std::vector<GameState> out;
    while (static_cast<int>(out.size()) < count) {
        GameState g = 局面("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
        ComState c;
        for (int ply = 0; ply < 300 && g.shuukyoku == 0; ++ply) {
            if (g.teban == g.ji_teban) {
                MoveList list;
                generate_moves(g, list);
                if (list.count == 0) break;
                play_move(g, list.moves[rng() % list.count]);
            } else {
                out.push_back(g);
                if (static_cast<int>(out.size()) == count) break;
                GameState trial = g;
                const 思考結果 r = 思考(trial, c);
                if (!r.found) break;
                play_move(g, r.te);
            }
        }
    }
    return out;
}

double 経過us(Clock::time_point a, Clock::time_point b) {
    return b - a;
}

void 対局掃引() {
    const std::vector<GameState> positions = 対局局面(200);
    constexpr int kRuns = 5;
    constexpr int kSurveys = 2000;

    std::vector<double> per_search;
    double total_us = 0;
    double floor_us = 0;
    long long total_candidates = 0;
    for (const GameState& pos : positions) {
        ComState c;
        int candidates = 0;
        const auto t0 = Clock::now();
        for (int i = 0; i < kRuns; ++i) {
            GameState g = pos;
            candidates = 思考(g, c).candidates;
        }
        const double us = 経過us(t0, Clock::now()) / kRuns;

        GameState g = pos;
        const auto s0 = Clock::now();
        for (int i = 0; i < kSurveys; ++i) {
            勢力調査(g, c.maps);
            benchmark::DoNotOptimize(c.maps.kiki_ji[5][5]);
        }
        const double survey_us = 経過us(s0, Clock::now()) / kSurveys;

        per_search.push_back(us);
        total_us += us;
        floor_us += candidates * survey_us;
        total_candidates += candidates;
    }
    std::sort(per_search.begin(), per_search.end());
    const double median = per_search[per_search.size() / 2];
    const double p99 = per_search[(per_search.size() * 99) / 100];
    std::printf("positions %zu  candidates %lld  max_us %.0f\n", per_search.size(),
                total_candidates, per_search.back());
    std::printf("candidates_per_second %.0f\n", total_candidates / (total_us / 1e6));
    std::printf("ratio %.2f median_us %.0f p99_us %.0f\n", total_us / floor_us, median, p99);
}

}  // namespace

// `murokan-bench --signature` prints the signature line alone; `--speed` the
// search speed lines and the signature, without the other benchmarks;
// `--fixed` the fixed-node line alone (for counting instructions).
int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--signature") {
        murokan::bench::print_search_signature();
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--fixed") {
        murokan::bench::print_fixed_node_speed();
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--speed") {
        murokan::bench::print_search_speed();
        murokan::bench::print_fixed_node_speed();
        murokan::bench::print_search_signature();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    murokan::bench::print_search_speed();
    murokan::bench::print_fixed_node_speed();
    murokan::bench::print_search_signature();
    対局掃引();
    return 0;
}
