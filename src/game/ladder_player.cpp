// LEVEL4-7: the searching computer held back the way a person of its
// strength plays. Every move is scored by a shallow search of the position it
// leads to, all of them at one depth; the player then picks among the best few with a random margin,
// but never one that lets its king be taken at once, by the other side or by
// its own strike, when another does not.
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "ai/engine_eval.h"
#include "ai/zobrist.h"
#include "core/chain_forecast.h"
#include "core/constants.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

struct Scored {
    Move move;
    int score = 0;  // the mover's view
    bool loses_king = false;
    int penalty = 0;  // for going round in circles
};

class LadderPlayer : public SearchingPlayer {
  public:
    LadderPlayer(const SearchLimits& limits, const LevelStyle& style, const EvalWeights& weights,
                 PlayerScratch* scratch, unsigned seed)
        : SearchingPlayer(limits, weights, scratch), style_(style), seed_(seed), eval_(weights) {}

    std::optional<Move> choose(const Position& p, const Thinking& how) override {
        const auto start = std::chrono::steady_clock::now();
        generate_moves(p, roots_);
        if (roots_.count == 0) return std::nullopt;
        last_ = Thought{};
        last_.deepened = true;
        scored_.clear();
        children_.clear();
        for (int i = 0; i < roots_.count; ++i) {
            const Move& m = roots_.moves[i];
            Position child = p;
            make_move(child, m);
            if (child.shuukyoku == p.teban) {  // it takes the king: no person misses that
                finish(start, kMate);
                return m;
            }
            // Its own strike can sandwich its own king: the game is lost on
            // the spot, which no person does while another move stands.
            if (child.shuukyoku != 0) {
                scored_.push_back(Scored{m, -kMate, true, 0});
                children_.push_back(child);
                continue;
            }
            // Back where it stood after one of its own moves: going round in
            // circles only runs the game to its 500-ply draw, so such a move
            // must be far better than the rest to be chosen.
            const int penalty = searcher().remembers(child) ? style_.margin + limits_.contempt : 0;
            scored_.push_back(
                Scored{m, -eval_.evaluate(child) - penalty, king_falls(child), penalty});
            children_.push_back(child);
        }
        last_.depth = deepen(start, how) + 1;
        const Scored& pick = pick_one(p);
        finish(start, pick.score);
        Position after = p;
        make_move(after, pick.move);
        searcher().remember(after);
        return pick.move;
    }

  private:

    // Scores every move by a search of its position one depth after another,
    // up to the style's, from one budget shared by them all, and keeps the
    // scores of the deepest depth that every move finished: moves scored at
    // mixed depths are not comparable. Returns that depth (0: the position
    // itself).
    int deepen(std::chrono::steady_clock::time_point start, const Thinking& how) {
        std::int64_t spent = 0;
        int finished = 0;
        for (int depth = 1; depth <= style_.depth; ++depth) {
            trial_.clear();
            for (std::size_t i = 0; i < scored_.size(); ++i) {
                const int ms_used =
                    static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - start)
                                         .count());
                if ((limits_.movetime_ms > 0 && ms_used >= limits_.movetime_ms) ||
                    (limits_.nodes > 0 && spent >= limits_.nodes) || (how.stop && how.stop->load()))
                    return finished;
                SearchLimits l = limits_;
                l.depth = depth;
                l.nodes = limits_.nodes > 0 ? limits_.nodes - spent : 0;
                l.movetime_ms = limits_.movetime_ms > 0 ? limits_.movetime_ms - ms_used : 0;
                l.remember = false;
                const SearchResult r = searcher().search(children_[i], l, how.stop);
                spent += r.nodes;
                last_.nodes += r.nodes;
                // No iteration at all: a single reply or none, which the
                // position itself tells as well as any search.
                if (r.depth == 0 && r.nodes == 0) {
                    trial_.push_back(scored_[i].score);
                    continue;
                }
                // A forced result ends the search before the depth asked.
                const bool forced =
                    r.finished_score >= kMateBound || r.finished_score <= -kMateBound;
                if (r.depth < depth && !(forced && r.depth > 0)) return finished;
                trial_.push_back(-r.finished_score - scored_[i].penalty);
            }
            for (std::size_t i = 0; i < scored_.size(); ++i) scored_[i].score = trial_[i];
            finished = depth;
        }
        return finished;
    }

    void finish(std::chrono::steady_clock::time_point start, int score) {
        last_.score = score;
        last_.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    // True when the side to move of g can take the other side's king with
    // one board move (a drop never strikes).
    bool king_falls(const Position& g) {
        generate_board_moves(g, replies_);
        for (const Move& m : replies_) {
            const int taken = forecast_chain_take(g, m);
            if (taken == OU || taken == -OU) return true;
        }
        return false;
    }

    // Among the moves that keep the king (all of them when none does), one of
    // the best few within the margin: each gets a random bonus of up to the
    // margin, and the highest total is played. The draw depends on the seed
    // and the position alone, so that a seed replays a game move for move.
    const Scored& pick_one(const Position& p) {
        const bool any_safe = std::any_of(scored_.begin(), scored_.end(),
                                          [](const Scored& s) { return !s.loses_king; });
        if (any_safe) {
            scored_.erase(std::remove_if(scored_.begin(), scored_.end(),
                                         [](const Scored& s) { return s.loses_king; }),
                          scored_.end());
        }
        std::stable_sort(scored_.begin(), scored_.end(),
                         [](const Scored& a, const Scored& b) { return a.score > b.score; });
        const int best = scored_.front().score;
        const ZobristKey key = zobrist_key(p);
        std::seed_seq seq{seed_, static_cast<unsigned>(key), static_cast<unsigned>(key >> 32)};
        std::mt19937 rng(seq);
        std::uniform_int_distribution<int> bonus(0, std::max(0, style_.margin));
        std::size_t chosen = 0;
        int chosen_total = 0;
        const std::size_t n = std::min<std::size_t>(scored_.size(), std::max(1, style_.candidates));
        for (std::size_t i = 0; i < n && scored_[i].score >= best - style_.margin; ++i) {
            const int total = scored_[i].score + bonus(rng);
            if (i == 0 || total > chosen_total) {
                chosen = i;
                chosen_total = total;
            }
        }
        return scored_[chosen];
    }

    LevelStyle style_;
    unsigned seed_;
    Evaluator eval_;
    MoveList roots_;
    MoveList replies_;
    std::vector<Scored> scored_;
    std::vector<Position> children_;
    std::vector<int> trial_;
};

}  // namespace

std::unique_ptr<Player> ladder(const SearchLimits& limits, const LevelStyle& style,
                               const EvalWeights& weights, PlayerScratch* scratch, unsigned seed) {
    return std::make_unique<LadderPlayer>(limits, style, weights, scratch, seed);
}

}  // namespace murokan::players
