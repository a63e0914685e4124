// The searching computer (LEVEL4, LEVEL5): alpha-beta over the game's own
// rules, for whichever side is to move. Every move is played with make_move on
// a copy of the position (play_move without its report, which only the screen
// reads), so legality, drops, promotion and the strike chain are exactly the
// game's. Nothing is allocated while searching: the searcher
// allocates its table and per-ply move lists once, when it is made.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ai/engine_eval.h"
#include "ai/transposition.h"
#include "ai/zobrist.h"
#include "core/position.h"
#include "core/movegen.h"

namespace murokan {

// What bounds one search. Any bound that is reached ends it; the move of the
// deepest finished iteration (or a better one found since) is played.
struct SearchLimits {
    int depth = 64;          // deepest iteration
    std::int64_t nodes = 0;  // node budget, 0 for none; the same budget always
                             // gives the same move
    int movetime_ms = 0;     // wall-clock budget, 0 for none; never overrun by
                             // more than a few milliseconds
    bool use_tt = true;      // the transposition table (off only to test it)
    bool prune = true;       // null moves and late-move reductions
    // What a line going round in circles costs the side that searches. The
    // game has no repetition rule, so such a line only ends at the 500-ply
    // limit: a draw, which the side ahead should not settle for.
    int contempt = 60;
    // The root is kept as a position of the game, which a later line going
    // round in circles comes back to. Off when the root is only a trial, as
    // for a level that scores each of its moves by a search of its own.
    bool remember = true;
};

// Told after each finished iteration.
struct SearchInfo {
    int depth = 0;
    int score = 0;  // side to move's view; beyond kMateBound a forced win
    std::int64_t nodes = 0;
    double seconds = 0;
    Move best;
};

struct SearchResult {
    bool found = false;  // false when the side to move has no move, or the game is over
    Move move;
    int score = 0;
    int depth = 0;  // deepest finished iteration
    // That iteration's score: `score` may come from an iteration the budget
    // cut short, whose moves were not all searched.
    int finished_score = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
    bool stopped = false;  // ended by the stop flag
};

using SearchProgress = std::function<void(const SearchInfo&)>;

class Searcher {
  public:
    // A table of 2^tt_bits entries (24 bytes each).
    explicit Searcher(const EvalWeights& weights = {}, int tt_bits = 20);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    // Chooses a move for the side to move of g. `stop`, when given, is polled
    // every few hundred nodes (well under a millisecond); once it reads true
    // the search ends and returns what it has. `progress`, when given, is
    // called from this thread after each finished iteration.
    SearchResult search(const Position& g, const SearchLimits& limits,
                        const std::atomic<bool>* stop = nullptr,
                        const SearchProgress& progress = {});

    // Forgets what earlier searches learned (table, killers, history) and the
    // positions of the game so far.
    void new_game();

    // What the searches so far stored, for reading their best line back.
    const TranspositionTable& table() const { return tt_; }
    // Keeps g as a position of the game, as a search of it with `remember`
    // does, so that a line coming back to it goes round in circles; and
    // whether g is one (for a caller that searches with `remember` off).
    void remember(const Position& g);
    bool remembers(const Position& g) const;

  private:
    struct Frame;

    int negamax(Position& g, ZobristKey key, const BoardSummary& sum, int depth, int alpha,
                int beta, int ply, bool allow_null);
    int quiesce(Position& g, const BoardSummary& sum, int alpha, int beta, int ply, int qdepth);
    int root(Position& g, ZobristKey key, const BoardSummary& sum, int depth, int alpha, int beta,
             Move& best);
    void order(const Position& g, Frame& f, const Move& hash_move, int ply);
    static void pick(Frame& f, int i);
    static void sort_rest(Frame& f, int from);
    bool out_of_budget();
    bool repeats(ZobristKey key, int ply) const;
    void remember_cutoff(const Move& m, int depth, int ply);

    Evaluator eval_;
    TranspositionTable tt_;
    std::unique_ptr<Frame[]> frames_;
    Move killers_[128][2];
    int history_[161][81];
    // The keys of the positions on the current line, by ply, and of every
    // position this searcher was asked about since new_game: a line that comes
    // back to one of them goes round in circles.
    ZobristKey path_[128];
    std::vector<ZobristKey> seen_;
    std::uint64_t seen_filter_[64];

    SearchLimits limits_;
    const std::atomic<bool>* stop_ = nullptr;
    std::chrono::steady_clock::time_point start_, deadline_;
    std::int64_t nodes_ = 0;
    bool aborted_ = false;
    bool stopped_ = false;
};

}  // namespace murokan
