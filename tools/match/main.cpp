// murokan-match: plays games between two computer players and reports the
// score of the first.
//
//   murokan-match --a LEVEL4 --b LEVEL3 --games N [--movetime MS] [--nodes N]
//                 [--seed S] [--first F] [--jobs J] [--opening-plies K] [--verbose 1]
//                 [--a-movetime MS] [--a-nodes N] [--a-depth D] [--a-contempt C]
//                 [--a-eval k=v,...] [--a-choice-depth D] [--a-margin M]
//                 [--a-candidates C] (and the same for --b)
//
// Players: LEVEL1..LEVEL10, RANDOM, REF5, BASELINE2. --movetime and --nodes bound every
// searching player (LEVEL4-10, REF5) that has no bound of its own; a node
// budget without a time makes the games reproducible. Games come in pairs
// from one seeded random opening that a shallow search finds level (see
// opening.h), --a playing the bottom side in the first and the top side in
// the second; which side moves first alternates between pairs. --first F
// plays games F.. of the same schedule, so that a long match can be played
// in parts whose counts add up to the whole. A game still running after 500
// plies is a draw; --adjudicate P (on for --ladder) calls games sooner
// (adjudicate.h). Every number has a range (options.cpp); a value outside
// it is refused with exit status 2. A progress bar goes to stderr, with a
// line for each move over its budget plus 50 ms; the last line on stdout is
//   games N wins W losses L draws D score S elo E ci C
// --ladder [--games N] measures the whole ladder instead (ladder.h).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/movegen.h"
#include "core/sfen.h"
#include "game/game.h"
#include "match/adjudicate.h"
#include "match/elo.h"
#include "match/ladder.h"
#include "match/opening.h"
#include "match/options.h"
#include "match/players.h"

namespace murokan::match {

namespace {

constexpr int kOverrunMs = 50;

// CPU time of the calling thread: far below the wall-clock time of a move
// when the thread was kept waiting rather than searching.
double thread_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Ends `out` as the match called it, when it did.
bool adjudicate(Outcome& out, std::optional<int> a_result) {
    if (!a_result) return false;
    out.adjudicated = true;
    out.a_result = *a_result;
    return true;
}

Outcome play_game(const Options& o, Player& a, Player& b, int index) {
    Outcome out;
    Game game(random_opening(o.seed, index / 2, o.opening_plies), o.opening_plies);
    if (o.verbose) out.moves = "opening " + format_sfen(game.position()) + " moves ";
    const bool a_bottom = index % 2 == 0;
    a.new_game();
    b.new_game();
    Adjudicator judge(o.adjudicate_plies);
    while (!game.over()) {
        const int who = game.bottom_to_move() == a_bottom ? 0 : 1;
        Player& p = who == 0 ? a : b;
        const auto t0 = std::chrono::steady_clock::now();
        const double cpu0 = thread_cpu_ms();
        const std::optional<Move> m = p.choose(game.position());
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        const double cpu_ms = thread_cpu_ms() - cpu0;
        out.longest_ms[who] = std::max(out.longest_ms[who], ms);
        if (p.budget_ms() > 0 && ms > p.budget_ms() + kOverrunMs) {
            out.overruns[who] += 1;
            std::fprintf(stderr, "\nover budget: game %d ply %d %s %.1f ms, cpu_ms %.1f %s\n",
                         index, game.plies(), who == 0 ? o.a.c_str() : o.b.c_str(), ms, cpu_ms,
                         last_cost(p).c_str());
        }
        if (!m) {
            // No move at all: the turn passes, as in the game.
            game.pass();
            if (!game.over() && adjudicate(out, judge.after(game, who, p.last_thought()))) break;
            continue;
        }
        if (!game.play(*m)) {
            std::fprintf(stderr, "\nillegal move %s by %s in %s\n", format_usi_move(*m).c_str(),
                         who == 0 ? o.a.c_str() : o.b.c_str(),
                         format_sfen(game.position()).c_str());
            out.illegal = true;
            out.plies = game.plies();
            out.a_result = who == 0 ? -1 : 1;
            return out;
        }
        if (o.verbose) out.moves += format_usi_move(*m) + " ";
        if (!game.over() && adjudicate(out, judge.after(game, who, p.last_thought()))) break;
    }
    out.plies = game.plies();
    if (o.verbose) out.moves += "final " + format_sfen(game.position());
    if (!out.adjudicated && game.winner() != 0) {
        const GameState& g = game.position();
        const int a_code = a_bottom ? g.ji_teban : g.teki_teban;
        out.a_result = game.winner() == a_code ? 1 : -1;
    }
    return out;
}

void progress(int done, int total, int w, int l, int d) {
    constexpr int kWidth = 30;
    const int fill = done * kWidth / total;
    std::fprintf(stderr, "\r[%.*s%*s] %d/%d  +%d -%d =%d", fill, "##############################",
                 kWidth - fill, "", done, total, w, l, d);
    if (done == total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace

std::vector<Outcome> play_games(const Options& o) {
    std::vector<Outcome> results(o.games);
    std::atomic<int> next{0};
    std::mutex lock;
    int done = 0, w = 0, l = 0, d = 0;
    auto worker = [&] {
        auto a = make_named_player(o.a, o.a_opts);
        auto b = make_named_player(o.b, o.b_opts);
        for (int i = next++; i < o.games; i = next++) {
            const Outcome r = play_game(o, *a, *b, o.first + i);
            std::lock_guard<std::mutex> guard(lock);
            results[i] = r;
            if (o.verbose) {
                const int n = o.first + i;
                std::fprintf(stderr, "\ngame %d a_%s result %d plies %d: %s\n", n,
                             n % 2 == 0 ? "bottom" : "top", r.a_result, r.plies, r.moves.c_str());
            }
            ++done;
            w += r.a_result > 0;
            l += r.a_result < 0;
            d += r.a_result == 0;
            progress(done, o.games, w, l, d);
        }
    };
    // A thread beyond the number of games would only build its players.
    std::vector<std::thread> threads;
    for (int j = 1; j < std::min(o.jobs, o.games); ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();
    return results;
}

namespace {

int run(const Options& o) {
    if (o.ladder) return run_ladder(o);
    const std::vector<Outcome> results = play_games(o);
    int w = 0, l = 0, d = 0;
    for (const Outcome& r : results) {
        w += r.a_result > 0;
        l += r.a_result < 0;
        d += r.a_result == 0;
    }
    double longest[2] = {0, 0};
    int overruns[2] = {0, 0}, illegal = 0, adjudicated = 0;
    long long plies = 0;
    for (const Outcome& r : results) {
        for (int i = 0; i < 2; ++i) {
            longest[i] = std::max(longest[i], r.longest_ms[i]);
            overruns[i] += r.overruns[i];
        }
        plies += r.plies;
        illegal += r.illegal;
        adjudicated += r.adjudicated;
    }
    std::printf("a %s b %s\n", o.a.c_str(), o.b.c_str());
    std::printf("plies_per_game %.1f illegal_moves %d\n", static_cast<double>(plies) / o.games,
                illegal);
    if (o.adjudicate_plies > 0) std::printf("adjudicated %d\n", adjudicated);
    std::printf("longest_move_ms a %.1f b %.1f over_budget_moves a %d b %d\n", longest[0],
                longest[1], overruns[0], overruns[1]);
    const EloEstimate e = estimate_elo(w, l, d);
    std::printf("games %d wins %d losses %d draws %d score %.1f elo %.0f ci %.0f\n", o.games, w, l,
                d, e.score_percent, e.elo, e.ci);
    return illegal == 0 ? 0 : 1;
}

}  // namespace

}  // namespace murokan::match

int main(int argc, char** argv) {
    const murokan::match::Options o = murokan::match::parse(argc, argv);
    return murokan::match::run(o);
}
