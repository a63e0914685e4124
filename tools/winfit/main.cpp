// murokan-winfit: fits the scale K of the win percentage 100 / (1 + e^(-s/K))
// to self-play. Plays GAMES games of LEVEL4 at NODES nodes a move against
// weaker players (colours swapped each pair, from murokan-match's seeded even
// openings), scores every position for 先手 with the analysis's searcher at
// NODES / 2 nodes, and fits K to the games' results by the least log-loss.
//
//   murokan-winfit play GAMES NODES [SEED] > samples.tsv
//   murokan-winfit fit samples.tsv
//
// The fit prints K, the log-loss at K against the log-loss of the base rate
// alone, and the calibration: predicted against observed by tenths.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ai/engine_eval.h"
#include "game/analysis.h"
#include "game/game.h"
#include "game/player.h"
#include "match/opening.h"

namespace {

using namespace murokan;

constexpr int kOpeningPlies = 4;
constexpr double kClip = 3000;  // a mate's score is clipped to this

struct Sample {
    double score;  // 先手's view
    int won;       // 1 when 先手 won
};

// The opponent of the searcher in game i: a searcher at a tenth of its
// budget, or the one-ply LEVEL3 or LEVEL2, so that the games run the range
// from close to lopsided as players' games do.
std::unique_ptr<Player> opponent(int i, long nodes) {
    PlayerOptions o;
    o.nodes = std::max(1L, nodes / 10);
    const int kinds[] = {4, 3, 2};
    return make_player(kinds[(i / 2) % 3], o);
}

int play(int games, long nodes, unsigned seed) {
    Analyst judge;
    const SearchLimits judged = analysis_limits(0, nodes / 2);
    PlayerOptions o;
    o.nodes = nodes;
    for (int i = 0; i < games; ++i) {
        const std::unique_ptr<Player> strong = make_player(4, o);
        const std::unique_ptr<Player> weak = opponent(i, nodes);
        Game game(match::random_opening(seed, i / 2, kOpeningPlies), kOpeningPlies);
        judge.forget();
        const bool strong_bottom = i % 2 == 0;
        std::vector<double> scores;
        while (!game.over()) {
            const bool bottom = game.bottom_to_move();
            const Evaluation e = judge.evaluate(game.position(), judged);
            const bool sente = game.position().teban == TEBAN_SENTE;
            if (e.found) scores.push_back(sente ? e.score : -e.score);
            Player& who = bottom == strong_bottom ? *strong : *weak;
            const std::optional<Move> m = who.choose(game.position());
            if (!m) {
                game.pass();
                continue;
            }
            if (!game.play(*m)) return 1;
        }
        std::fprintf(stderr, "game %d plies %d winner %d\n", i, game.plies(), game.winner());
        if (game.winner() == 0) continue;  // a draw says nothing of who wins
        const int won = game.winner() == TEBAN_SENTE ? 1 : 0;
        for (const double s : scores) std::printf("%.0f\t%d\n", s, won);
        std::fflush(stdout);
    }
    return 0;
}

double p_of(double score, double k) {
    return 1.0 / (1.0 + std::exp(-std::clamp(score, -kClip, kClip) / k));
}

double log_loss(const std::vector<Sample>& s, double k) {
    double sum = 0;
    for (const Sample& x : s) {
        const double p = std::clamp(p_of(x.score, k), 1e-9, 1 - 1e-9);
        sum -= x.won ? std::log(p) : std::log(1 - p);
    }
    return sum / static_cast<double>(s.size());
}

int fit(const char* path) {
    std::ifstream in(path);
    std::vector<Sample> samples;
    Sample x;
    while (in >> x.score >> x.won) samples.push_back(x);
    if (samples.empty()) {
        std::fprintf(stderr, "no samples in %s\n", path);
        return 1;
    }
    // Golden-section search over log K: the log-loss has one minimum.
    double a = std::log(10.0), b = std::log(20000.0);
    const double r = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        const double c = b - r * (b - a), d = a + r * (b - a);
        if (log_loss(samples, std::exp(c)) < log_loss(samples, std::exp(d))) {
            b = d;
        } else {
            a = c;
        }
    }
    const double k = std::exp((a + b) / 2);
    double rate = 0;
    for (const Sample& s : samples) rate += s.won;
    rate /= static_cast<double>(samples.size());
    const double base = -(rate * std::log(rate) + (1 - rate) * std::log(1 - rate));
    std::printf("samples %zu K %.0f log_loss %.4f base_rate_log_loss %.4f\n", samples.size(), k,
                log_loss(samples, k), base);
    for (int bin = 0; bin < 10; ++bin) {
        int n = 0;
        double predicted = 0, observed = 0;
        for (const Sample& s : samples) {
            const double p = p_of(s.score, k);
            if (std::min(static_cast<int>(p * 10), 9) != bin) continue;
            ++n;
            predicted += p;
            observed += s.won;
        }
        if (n > 0) {
            std::printf("bin %d-%d%% n %d predicted %.1f%% observed %.1f%%\n", bin * 10,
                        bin * 10 + 10, n, 100 * predicted / n, 100 * observed / n);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "play" && argc >= 4) {
        return play(std::stoi(argv[2]), std::stol(argv[3]),
                    argc > 4 ? static_cast<unsigned>(std::stoul(argv[4])) : 1u);
    }
    if (mode == "fit" && argc == 3) return fit(argv[2]);
    std::fprintf(stderr, "usage: murokan-winfit play GAMES NODES [SEED] | fit FILE\n");
    return 2;
}
