#include "match/options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "ai/engine_levels.h"

namespace murokan::match {

namespace {

// What parsing collects: the options, and the budgets shared by both players.
struct Parsed {
    Options o;
    std::optional<int> movetime;
    std::optional<long long> nodes;
    std::optional<int> adjudicate;
};

// A numeric option: its name, its range and where its value goes.
struct Numeric {
    std::string_view name;
    long long lo, hi;
    void (*store)(Parsed&, long long);
};

constexpr long long kMaxMovetimeMs = kMaxBudgetMs;
constexpr long long kMaxNodes = kMaxBudgetNodes;

constexpr Numeric kNumerics[] = {
    {"--games", 1, 100'000, [](Parsed& p, long long v) { p.o.games = static_cast<int>(v); }},
    {"--first", 0, 1'000'000, [](Parsed& p, long long v) { p.o.first = static_cast<int>(v); }},
    {"--seed", 0, 4'294'967'295,
     [](Parsed& p, long long v) { p.o.seed = static_cast<unsigned>(v); }},
    // Each thread's searchers take some 48 MB of tables.
    {"--jobs", 1, 32, [](Parsed& p, long long v) { p.o.jobs = static_cast<int>(v); }},
    {"--opening-plies", 0, 100,
     [](Parsed& p, long long v) { p.o.opening_plies = static_cast<int>(v); }},
    {"--verbose", 0, 1, [](Parsed& p, long long v) { p.o.verbose = v != 0; }},
    {"--adjudicate", 0, 500, [](Parsed& p, long long v) { p.adjudicate = static_cast<int>(v); }},
    {"--movetime", 1, kMaxMovetimeMs,
     [](Parsed& p, long long v) { p.movetime = static_cast<int>(v); }},
    {"--nodes", 1, kMaxNodes, [](Parsed& p, long long v) { p.nodes = v; }},
    {"--a-movetime", 1, kMaxMovetimeMs,
     [](Parsed& p, long long v) { p.o.a_opts.movetime_ms = static_cast<int>(v); }},
    {"--b-movetime", 1, kMaxMovetimeMs,
     [](Parsed& p, long long v) { p.o.b_opts.movetime_ms = static_cast<int>(v); }},
    {"--a-nodes", 1, kMaxNodes, [](Parsed& p, long long v) { p.o.a_opts.nodes = v; }},
    {"--b-nodes", 1, kMaxNodes, [](Parsed& p, long long v) { p.o.b_opts.nodes = v; }},
    {"--a-depth", 1, 64, [](Parsed& p, long long v) { p.o.a_opts.depth = static_cast<int>(v); }},
    {"--b-depth", 1, 64, [](Parsed& p, long long v) { p.o.b_opts.depth = static_cast<int>(v); }},
    {"--a-contempt", 0, 2000,
     [](Parsed& p, long long v) { p.o.a_opts.contempt = static_cast<int>(v); }},
    {"--b-contempt", 0, 2000,
     [](Parsed& p, long long v) { p.o.b_opts.contempt = static_cast<int>(v); }},
    {"--a-choice-depth", 0, 8,
     [](Parsed& p, long long v) { p.o.a_opts.choice_depth = static_cast<int>(v); }},
    {"--b-choice-depth", 0, 8,
     [](Parsed& p, long long v) { p.o.b_opts.choice_depth = static_cast<int>(v); }},
    {"--a-margin", 0, 20000, [](Parsed& p, long long v) { p.o.a_opts.margin = static_cast<int>(v); }},
    {"--b-margin", 0, 20000, [](Parsed& p, long long v) { p.o.b_opts.margin = static_cast<int>(v); }},
    {"--a-candidates", 1, 1000,
     [](Parsed& p, long long v) { p.o.a_opts.candidates = static_cast<int>(v); }},
    {"--b-candidates", 1, 1000,
     [](Parsed& p, long long v) { p.o.b_opts.candidates = static_cast<int>(v); }},
};

// Evaluation weights: a percentage, and points (either sign) for everything
// else. Within these no sum of the evaluation comes near overflowing.
constexpr long long kMaxHandPercent = 200;
constexpr long long kMaxWeight = 2000;

[[noreturn]] void usage(const std::string& why) {
    std::fprintf(stderr, "murokan-match: %s\n", why.c_str());
    std::fprintf(stderr,
                 "usage: murokan-match --a PLAYER --b PLAYER --games N [--movetime MS] "
                 "[--nodes N] [--seed S] [--first F] [--jobs J] [--opening-plies K] "
                 "[--adjudicate P] "
                 "[--a-movetime MS] [--a-nodes N] [--a-depth D] [--a-contempt C] "
                 "[--a-eval k=v,...] [--a-choice-depth D] [--a-margin M] [--a-candidates C] "
                 "(and the same for --b)\n       murokan-match --ladder [--games N] [--nodes N] "
                 "[--seed S] [--jobs J] [--adjudicate P]\n"
                 "--adjudicate P: a game is a draw after P plies, or when a position stands "
                 "for the third time and both searchers call it level; won when both have "
                 "agreed on it for some plies. 0 (the default, %d with --ladder) plays to the "
                 "game's own end\nplayers: RANDOM, LEVEL1..LEVEL10, REF5, BASELINE2\nranges:",
                 kLadderAdjudicatePlies);
    for (const Numeric& n : kNumerics)
        std::fprintf(stderr, " %.*s %lld..%lld", static_cast<int>(n.name.size()), n.name.data(),
                     n.lo, n.hi);
    std::fprintf(stderr, "; weights -%lld..%lld, hand_percent 0..%lld\n", kMaxWeight, kMaxWeight,
                 kMaxHandPercent);
    std::exit(2);
}

// The whole number `text` names, within lo..hi; refuses anything else.
long long number(const std::string& option, const char* text, long long lo, long long hi) {
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0') usage(option + ": not a whole number: " + text);
    if (errno == ERANGE || v < lo || v > hi) {
        usage(option + " " + text + " is out of range " + std::to_string(lo) + ".." +
              std::to_string(hi));
    }
    return v;
}

void parse_weights(const std::string& option, const std::string& text, EvalWeights& w) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t comma = text.find(',', at);
        if (comma == std::string::npos) comma = text.size();
        const std::string item = text.substr(at, comma - at);
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos) usage("an evaluation weight is name=value");
        const std::string name = item.substr(0, eq);
        const bool percent = name == "hand_percent";
        const long long v =
            number(option + " " + name, item.c_str() + eq + 1, percent ? 0 : -kMaxWeight,
                   percent ? kMaxHandPercent : kMaxWeight);
        if (!w.set(name.c_str(), static_cast<int>(v))) usage("unknown evaluation weight " + name);
        at = comma + 1;
    }
}

}  // namespace

Options parse(int argc, char** argv) {
    Parsed p;
    Options& o = p.o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--ladder") {
            o.ladder = true;
            continue;
        }
        if (i + 1 >= argc) usage("every option but --ladder takes a value");
        const char* v = argv[++i];
        const Numeric* numeric = nullptr;
        for (const Numeric& n : kNumerics) {
            if (arg == n.name) numeric = &n;
        }
        if (numeric)
            numeric->store(p, number(arg, v, numeric->lo, numeric->hi));
        else if (arg == "--a")
            o.a = v;
        else if (arg == "--b")
            o.b = v;
        else if (arg == "--a-eval")
            parse_weights(arg, v, o.a_opts.weights);
        else if (arg == "--b-eval")
            parse_weights(arg, v, o.b_opts.weights);
        else
            usage("unknown option " + arg);
    }
    for (PlayerOptions* player : {&o.a_opts, &o.b_opts}) {
        if (!player->movetime_ms && !player->nodes) {
            player->movetime_ms = p.movetime;
            player->nodes = p.nodes;
        }
    }
    o.adjudicate_plies = p.adjudicate.value_or(o.ladder ? kLadderAdjudicatePlies : 0);
    if (o.ladder) {
        if (o.games <= 0) o.games = kLadderGames;
        if (p.nodes) o.ladder_top_nodes = *p.nodes;
        return o;
    }
    if (o.a.empty() || o.b.empty() || o.games <= 0) usage("--a, --b and --games are needed");
    if (!make_named_player(o.a, o.a_opts) || !make_named_player(o.b, o.b_opts)) usage("unknown player");
    return o;
}

}  // namespace murokan::match
