// murokan-match: plays games between two computer players and reports the
// score of the first.
//
//   murokan-match --a LEVEL4 --b LEVEL3 --games N [--movetime MS] [--nodes N]
//                 [--seed S] [--first F] [--jobs J] [--opening-plies K] [--verbose 1]
//                 [--a-movetime MS] [--a-nodes N] [--a-depth D] [--a-contempt C]
//                 [--a-eval k=v,...] (and the same for --b)
//
// Players: LEVEL1..LEVEL5, BASELINE2. --movetime and --nodes bound every
// searching player (LEVEL4, LEVEL5) that has no bound of its own; a node
// budget without a time makes the games reproducible. Games come in pairs
// from one seeded random opening that a shallow search finds level (see
// opening.h), --a playing the bottom side in the first and the top side in
// the second; which side moves first alternates between pairs. --first F
// plays games F.. of the same schedule, so that a long match can be played
// in parts whose counts add up to the whole. A game still running after 500
// plies is a draw. A progress bar goes to stderr, with a line for each move
// over its budget plus 50 ms; the last line on stdout is
//   games N wins W losses L draws D score S elo E ci C
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
#include "match/elo.h"
#include "match/opening.h"
#include "match/players.h"

namespace murokan::match {

namespace {

constexpr int kOverrunMs = 50;

struct Options {
    std::string a, b;
    int games = 0;
    int first = 0;  // number of the first game in the seeded schedule
    unsigned seed = 1;
    int jobs = 1;
    int opening_plies = 4;
    bool verbose = false;  // each game's moves and end to stderr
    PlayerOptions a_opts, b_opts;
};

struct Outcome {
    int a_result = 0;  // 1 win, 0 draw, -1 loss
    int plies = 0;
    double longest_ms[2] = {0, 0};  // a, b
    int overruns[2] = {0, 0};
    bool illegal = false;
    std::string moves;  // USI, with --verbose
};

[[noreturn]] void usage(const char* why) {
    std::fprintf(stderr, "murokan-match: %s\n", why);
    std::fprintf(stderr,
                 "usage: murokan-match --a PLAYER --b PLAYER --games N [--movetime MS] "
                 "[--nodes N] [--seed S] [--first F] [--jobs J] [--opening-plies K] "
                 "[--a-movetime MS] [--a-nodes N] [--a-depth D] [--a-contempt C] "
                 "[--a-eval k=v,...] "
                 "(and the same for --b)\nplayers: LEVEL1..LEVEL5, BASELINE2\n");
    std::exit(2);
}

long long number(const char* text) {
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || v < 0) usage("not a number");
    return v;
}

void parse_weights(const std::string& text, EvalWeights& w) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = text.substr(at, comma - at);
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos) usage("an evaluation weight is name=value");
        const std::string name = item.substr(0, eq);
        const std::string value = item.substr(eq + 1);
        char* end = nullptr;
        const long v = std::strtol(value.c_str(), &end, 10);
        if (end == value.c_str() || *end != '\0' || !w.set(name.c_str(), static_cast<int>(v))) {
            usage("unknown evaluation weight");
        }
        at = comma + 1;
    }
}

Options parse(int argc, char** argv) {
    Options o;
    std::optional<int> movetime;
    std::optional<long long> nodes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) usage("every option takes a value");
        const char* v = argv[++i];
        if (arg == "--a")
            o.a = v;
        else if (arg == "--b")
            o.b = v;
        else if (arg == "--games")
            o.games = static_cast<int>(number(v));
        else if (arg == "--seed")
            o.seed = static_cast<unsigned>(number(v));
        else if (arg == "--first")
            o.first = static_cast<int>(number(v));
        else if (arg == "--jobs")
            o.jobs = static_cast<int>(number(v));
        else if (arg == "--opening-plies")
            o.opening_plies = static_cast<int>(number(v));
        else if (arg == "--verbose")
            o.verbose = number(v) != 0;
        else if (arg == "--movetime")
            movetime = static_cast<int>(number(v));
        else if (arg == "--nodes")
            nodes = number(v);
        else if (arg == "--a-movetime")
            o.a_opts.movetime_ms = static_cast<int>(number(v));
        else if (arg == "--b-movetime")
            o.b_opts.movetime_ms = static_cast<int>(number(v));
        else if (arg == "--a-nodes")
            o.a_opts.nodes = number(v);
        else if (arg == "--b-nodes")
            o.b_opts.nodes = number(v);
        else if (arg == "--a-depth")
            o.a_opts.depth = static_cast<int>(number(v));
        else if (arg == "--b-depth")
            o.b_opts.depth = static_cast<int>(number(v));
        else if (arg == "--a-contempt")
            o.a_opts.contempt = static_cast<int>(number(v));
        else if (arg == "--b-contempt")
            o.b_opts.contempt = static_cast<int>(number(v));
        else if (arg == "--a-eval")
            parse_weights(v, o.a_opts.weights);
        else if (arg == "--b-eval")
            parse_weights(v, o.b_opts.weights);
        else
            usage(("unknown option " + arg).c_str());
    }
    for (PlayerOptions* p : {&o.a_opts, &o.b_opts}) {
        if (!p->movetime_ms && !p->nodes) {
            p->movetime_ms = movetime;
            p->nodes = nodes;
        }
    }
    if (o.a.empty() || o.b.empty() || o.games <= 0) usage("--a, --b and --games are needed");
    if (o.jobs < 1) o.jobs = 1;
    if (!make_named_player(o.a, o.a_opts) || !make_named_player(o.b, o.b_opts))
        usage("unknown player");
    return o;
}

// CPU time of the calling thread: far below the wall-clock time of a move
// when the thread was kept waiting rather than searching.
double thread_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

Outcome play_game(const Options& o, Player& a, Player& b, int index) {
    Outcome out;
    Game game(random_opening(o.seed, index / 2, o.opening_plies), o.opening_plies);
    if (o.verbose) out.moves = "opening " + format_sfen(game.position()) + " moves ";
    const bool a_bottom = index % 2 == 0;
    a.new_game();
    b.new_game();
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
    }
    out.plies = game.plies();
    if (o.verbose) out.moves += "final " + format_sfen(game.position());
    if (game.winner() != 0) {
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

int run(const Options& o) {
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
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();

    double longest[2] = {0, 0};
    int overruns[2] = {0, 0}, illegal = 0;
    long long plies = 0;
    for (const Outcome& r : results) {
        for (int i = 0; i < 2; ++i) {
            longest[i] = std::max(longest[i], r.longest_ms[i]);
            overruns[i] += r.overruns[i];
        }
        plies += r.plies;
        illegal += r.illegal;
    }
    std::printf("a %s b %s\n", o.a.c_str(), o.b.c_str());
    std::printf("plies_per_game %.1f illegal_moves %d\n", static_cast<double>(plies) / o.games,
                illegal);
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
