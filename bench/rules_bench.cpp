// Cost of the rules on the computer's inner path: 移動チェック for one piece
// over every destination square, and full legal move generation (board moves
// and drops) on a middle-game position.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/movegen.h"
#include "core/rules.h"
#include "core/sfen.h"

namespace {

using namespace murokan;

// Bishops in both hands, most pieces still on the board.
constexpr const char* kMiddleGame =
    "ln1g3nl/1r3kg2/p2ppp1pp/2ps2p2/1p5P1/2P1P1P2/PPSP1P2P/2G3SR1/LN2KG1NL b Bbs 1";

GameState middle_game() {
    GameState g;
    if (parse_sfen(kMiddleGame, g) != nullptr) std::abort();  // a fixed position must read
    return g;
}

// Every own piece of the side to move tried against all 81 squares, the way
// move guidance and the search probe a selected piece.
void BM_MoveCheckAllSquares(benchmark::State& state) {
    const GameState g = middle_game();
    int pieces = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) pieces += g.ban[x][y] <= -10;
    }
    for (auto _ : state) {
        int legal = 0;
        for (int x1 = 1; x1 <= 9; ++x1) {
            for (int y1 = 1; y1 <= 9; ++y1) {
                const int code = g.ban[x1][y1];
                if (code > -10) continue;  // bottom side's pieces only
                for (int x2 = 1; x2 <= 9; ++x2) {
                    for (int y2 = 1; y2 <= 9; ++y2) {
                        legal += 移動チェック(g, x1, y1, x2, y2, code);
                    }
                }
            }
        }
        benchmark::DoNotOptimize(legal);
    }
    state.SetItemsProcessed(state.iterations() * pieces * 81);
}
BENCHMARK(BM_MoveCheckAllSquares);

// One long-range piece alone against every square: the line walks.
void BM_MoveCheckRookAllSquares(benchmark::State& state) {
    const GameState g = middle_game();
    for (auto _ : state) {
        int legal = 0;
        for (int x2 = 1; x2 <= 9; ++x2) {
            for (int y2 = 1; y2 <= 9; ++y2) legal += 移動チェック(g, 8, 8, x2, y2, -SYA);
        }
        benchmark::DoNotOptimize(legal);
    }
    state.SetItemsProcessed(state.iterations() * 81);
}
BENCHMARK(BM_MoveCheckRookAllSquares);

void BM_GenerateMoves(benchmark::State& state) {
    GameState g = middle_game();
    MoveList list;
    for (auto _ : state) {
        generate_moves(g, list);
        benchmark::DoNotOptimize(list.count);
    }
    state.counters["moves"] = list.count;
}
BENCHMARK(BM_GenerateMoves);

// Generation plus playing each move with its strike chain on a copy.
void BM_GenerateAndPlayAll(benchmark::State& state) {
    GameState g = middle_game();
    MoveList list;
    for (auto _ : state) {
        generate_moves(g, list);
        for (const Move& m : list) {
            GameState next = g;
            play_move(next, m);
            benchmark::DoNotOptimize(next.ban);
        }
    }
}
BENCHMARK(BM_GenerateAndPlayAll);

}  // namespace
