// Negamax alpha-beta with iterative deepening, a transposition table, null
// moves and late-move reductions, and a quiescence search over the moves
// whose strike chain takes a piece. Move order: the table's move, then moves
// whose chain takes an enemy piece (the king first, then the bigger piece),
// then the two killers of the ply, then by history; moves that sandwich one
// of the mover's own pieces (handing it to the enemy) come last.
//
// A king that can be struck gets no extra ply: tried as an extension, it cost
// more nodes than it won games (2 wins in 22 against BASELINE2 at 100,000
// nodes a move, against 11 in 24 without it).
#include "ai/engine.h"

#include <algorithm>

#include "core/chain_forecast.h"

namespace murokan {

namespace {

constexpr int kMaxPly = 120;    // frames: main search plus quiescence
constexpr int kMaxQDepth = 12;  // quiescence plies below the horizon
constexpr int kInfinity = kMate + 1;
constexpr int kHashScore = 1 << 30;
constexpr int kTakeScore = 1 << 28;
constexpr int kKillerScore = 1 << 27;
constexpr int kOwnLossScore = -(1 << 27);
constexpr int kHistoryCap = 1 << 24;
constexpr int kPicks = 4;  // moves picked one by one before the rest is sorted

int to_tt(int s, int ply) {
    return s >= kMateBound ? s + ply : s <= -kMateBound ? s - ply : s;
}

int from_tt(int s, int ply) {
    return s >= kMateBound ? s - ply : s <= -kMateBound ? s + ply : s;
}

int square_index(const Move& m) {
    return (m.x2 - 1) * 9 + (m.y2 - 1);
}

// The score of a finished game for the side to move of g.
int game_over_score(const Position& g, int ply) {
    return g.shuukyoku == g.teban ? kMate - ply : -(kMate - ply);
}

// The enemy king of the side to move can be struck this very move.
bool can_take_king(const Position& g, const BoardSummary& sum) {
    return king_strikes(g, sum, bottom_to_move(g) ? OU : -OU) > 0;
}

}  // namespace

struct Searcher::Frame {
    MoveList list;
    int score[MoveList::kCapacity];
    std::uint64_t keys[MoveList::kCapacity];  // scratch of sort_rest
    Move spare[MoveList::kCapacity];
};

Searcher::Searcher(const EvalWeights& weights, int tt_bits)
    : eval_(weights), tt_(tt_bits), frames_(new Frame[kMaxPly]) {
    seen_.reserve(1024);
    new_game();
}

Searcher::~Searcher() = default;

void Searcher::new_game() {
    tt_.clear();
    for (auto& k : killers_) k[0] = k[1] = Move{};
    for (auto& row : history_) std::fill(std::begin(row), std::end(row), 0);
    seen_.clear();
    std::fill(std::begin(seen_filter_), std::end(seen_filter_), 0);
}

// True when the position keyed `key` at `ply` stood earlier on this line with
// the same side to move, or was a position of the game already. The game
// knows no repetition rule, so going round only spends the 500 plies: scored
// as a draw less the contempt for the searching side, it is what the side
// behind seeks and the side ahead avoids.
bool Searcher::repeats(ZobristKey key, int ply) const {
    for (int p = ply - 2; p >= 0; p -= 2) {
        if (path_[p] == key) return true;
    }
    if ((seen_filter_[(key >> 6) & 63] & (std::uint64_t{1} << (key & 63))) == 0) return false;
    return std::find(seen_.begin(), seen_.end(), key) != seen_.end();
}

void Searcher::remember(const Position& g) {
    const ZobristKey key = zobrist_key(g);
    if (seen_.size() < seen_.capacity()) seen_.push_back(key);
    seen_filter_[(key >> 6) & 63] |= std::uint64_t{1} << (key & 63);
}

bool Searcher::remembers(const Position& g) const {
    return repeats(zobrist_key(g), 0);
}

bool Searcher::out_of_budget() {
    if (aborted_) return true;
    if (limits_.nodes > 0 && nodes_ >= limits_.nodes) return aborted_ = true;
    if ((nodes_ & 255) == 0) {
        if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return aborted_ = true;
        }
        if (limits_.movetime_ms > 0 && std::chrono::steady_clock::now() >= deadline_) {
            return aborted_ = true;
        }
    }
    return false;
}

void Searcher::order(const Position& g, Frame& f, const Move& hash_move, int ply) {
    const int enemy = bottom_to_move(g) ? 1 : -1;
    forecast_chain_takes(g, f.list, f.score);
    for (int i = 0; i < f.list.count; ++i) {
        const Move& m = f.list.moves[i];
        const int taken = f.score[i];
        const int h = history_[placed_code(m) + 80][square_index(m)];
        int s;
        if (m == hash_move) {
            s = kHashScore;
        } else if (taken * enemy > 0) {
            s = kTakeScore + (taken < 0 ? -taken : taken) * 64 - (m.piece < 0 ? -m.piece : m.piece);
        } else if (taken != KARA) {
            s = kOwnLossScore + h;
        } else if (m == killers_[ply][0]) {
            s = kKillerScore;
        } else if (m == killers_[ply][1]) {
            s = kKillerScore - 1;
        } else {
            s = h;
        }
        f.score[i] = s;
    }
}

void Searcher::remember_cutoff(const Move& m, int depth, int ply) {
    if (!(killers_[ply][0] == m)) {
        killers_[ply][1] = killers_[ply][0];
        killers_[ply][0] = m;
    }
    int& h = history_[placed_code(m) + 80][square_index(m)];
    h += depth * depth;
    if (h > kHistoryCap) {
        for (auto& row : history_) {
            for (int& v : row) v /= 2;
        }
    }
}

int Searcher::quiesce(Position& g, const BoardSummary& sum, int alpha, int beta, int ply,
                      int qdepth) {
    ++nodes_;
    if (g.shuukyoku != 0) return game_over_score(g, ply);
    if (out_of_budget()) return 0;
    int strikes = 0;
    const int stand = eval_.evaluate(g, sum, &strikes);
    if (strikes > 0) return kMate - ply - 1;  // the enemy king can be taken
    if (stand >= beta || ply >= kMaxPly - 1 || qdepth >= kMaxQDepth) return stand;
    if (stand > alpha) alpha = stand;

    Frame& f = frames_[ply];
    generate_board_moves(g, f.list);
    const int enemy = bottom_to_move(g) ? 1 : -1;
    int n = 0;  // captures of enemy pieces gathered at the front
    forecast_chain_takes(g, f.list, f.score);
    for (int i = 0; i < f.list.count; ++i) {
        const int taken = f.score[i];
        if (taken * enemy <= 0) continue;
        f.list.moves[n] = f.list.moves[i];
        f.score[n++] = (taken < 0 ? -taken : taken);
    }
    f.list.count = n;
    int best = stand;
    for (int i = 0; i < n; ++i) {
        pick(f, i);
        Position child = g;
        make_move(child, f.list.moves[i]);
        const BoardSummary cs = eval_.summarize_after(sum, g, child, f.list.moves[i]);
        const int s = -quiesce(child, cs, -beta, -alpha, ply + 1, qdepth + 1);
        if (aborted_) return 0;
        if (s > best) {
            best = s;
            if (s > alpha) alpha = s;
            if (alpha >= beta) break;
        }
    }
    return best;
}

int Searcher::negamax(Position& g, ZobristKey key, const BoardSummary& sum, int depth, int alpha,
                      int beta, int ply, bool allow_null) {
    if (depth <= 0) return quiesce(g, sum, alpha, beta, ply, 0);
    ++nodes_;
    if (g.shuukyoku != 0) return game_over_score(g, ply);
    if (out_of_budget()) return 0;
    if (can_take_king(g, sum)) return kMate - ply - 1;
    if (repeats(key, ply)) {
        // Even plies: the searching side.
        return ply % 2 == 0 ? -limits_.contempt : limits_.contempt;
    }
    path_[ply] = key;
    if (ply >= kMaxPly - kMaxQDepth - 2) return eval_.evaluate(g, sum);

    const int alpha_in = alpha;
    Move hash_move;
    if (limits_.use_tt) {
        if (const TTEntry* e = tt_.probe(key)) {
            hash_move = e->move;
            if (e->depth == depth) {
                const int s = from_tt(e->score, ply);
                if (e->bound == Bound::Exact) return s;
                if (e->bound == Bound::Lower && s >= beta) return s;
                if (e->bound == Bound::Upper && s <= alpha) return s;
            }
        }
    }

    // Null move: if passing still holds beta, a real move will too. Not when
    // the own king can be struck (passing would lose it at once).
    if (limits_.prune && allow_null && depth >= 3 && beta < kMateBound &&
        king_strikes(g, sum, bottom_to_move(g) ? -OU : OU) == 0 && eval_.evaluate(g, sum) >= beta) {
        Position passed = g;
        passed.teban = -passed.teban;
        const int r = depth >= 6 ? 3 : 2;
        const int s = -negamax(passed, zobrist_pass(key), sum, depth - 1 - r, -beta, -beta + 1,
                               ply + 1, false);
        if (aborted_) return 0;
        if (s >= beta) return s >= kMateBound ? beta : s;
    }

    Frame& f = frames_[ply];
    generate_moves(g, f.list);
    if (f.list.count == 0) {
        // No move at all: the turn passes.
        Position passed = g;
        passed.teban = -passed.teban;
        return -negamax(passed, zobrist_pass(key), sum, depth - 1, -beta, -alpha, ply + 1, false);
    }
    order(g, f, hash_move, ply);

    int best = -kInfinity;
    Move best_move;
    for (int i = 0; i < f.list.count; ++i) {
        if (i < kPicks) {
            pick(f, i);
        } else if (i == kPicks) {
            sort_rest(f, i);
        }
        const Move m = f.list.moves[i];
        const bool quiet = f.score[i] < kKillerScore - 1;
        Position child = g;
        make_move(child, m);
        const ZobristKey ck = zobrist_after(key, g, child, m);
        // The child probes the table once it has looked at the position.
        if (limits_.use_tt && depth > 1) tt_.prefetch(ck);
        const BoardSummary cs = eval_.summarize_after(sum, g, child, m);
        int s;
        if (i == 0) {
            s = -negamax(child, ck, cs, depth - 1, -beta, -alpha, ply + 1, true);
        } else {
            int reduce = 0;
            if (limits_.prune && quiet && depth >= 3 && i >= 3)
                reduce = i >= 12 && depth >= 5 ? 2 : 1;
            s = -negamax(child, ck, cs, depth - 1 - reduce, -alpha - 1, -alpha, ply + 1, true);
            if (s > alpha && reduce > 0 && !aborted_) {
                s = -negamax(child, ck, cs, depth - 1, -alpha - 1, -alpha, ply + 1, true);
            }
            if (s > alpha && s < beta && !aborted_) {
                s = -negamax(child, ck, cs, depth - 1, -beta, -alpha, ply + 1, true);
            }
        }
        if (aborted_) return 0;
        if (s > best) {
            best = s;
            best_move = m;
            if (s > alpha) {
                alpha = s;
                if (alpha >= beta) {
                    if (quiet) remember_cutoff(m, depth, ply);
                    break;
                }
            }
        }
    }
    if (limits_.use_tt) {
        const Bound b = best >= beta ? Bound::Lower : best > alpha_in ? Bound::Exact : Bound::Upper;
        tt_.store(key, best_move, to_tt(best, ply), depth, b);
    }
    return best;
}

int Searcher::root(Position& g, ZobristKey key, const BoardSummary& sum, int depth, int alpha,
                   int beta, Move& best) {
    Frame& f = frames_[0];
    int best_score = -kInfinity;
    int best_index = -1;
    for (int i = 0; i < f.list.count; ++i) {
        const Move m = f.list.moves[i];
        Position child = g;
        make_move(child, m);
        const ZobristKey ck = zobrist_after(key, g, child, m);
        const BoardSummary cs = eval_.summarize_after(sum, g, child, m);
        int s;
        if (i == 0) {
            s = -negamax(child, ck, cs, depth - 1, -beta, -alpha, 1, true);
        } else {
            s = -negamax(child, ck, cs, depth - 1, -alpha - 1, -alpha, 1, true);
            if (s > alpha && s < beta && !aborted_) {
                s = -negamax(child, ck, cs, depth - 1, -beta, -alpha, 1, true);
            }
        }
        if (aborted_) break;
        if (s > best_score) {
            best_score = s;
            best_index = i;
            if (s > alpha) alpha = s;
        }
    }
    if (best_index >= 0) {
        // The best move leads the next iteration; the others keep their order.
        best = f.list.moves[best_index];
        std::rotate(f.list.moves, f.list.moves + best_index, f.list.moves + best_index + 1);
        if (limits_.use_tt && !aborted_) tt_.store(key, best, best_score, depth, Bound::Exact);
    }
    return best_index >= 0 ? best_score : -kInfinity;
}

SearchResult Searcher::search(const Position& start, const SearchLimits& limits,
                              const std::atomic<bool>* stop, const SearchProgress& progress) {
    limits_ = limits;
    stop_ = stop;
    nodes_ = 0;
    aborted_ = stopped_ = false;
    start_ = std::chrono::steady_clock::now();
    deadline_ = start_ + std::chrono::milliseconds(limits.movetime_ms);
    for (auto& row : history_) {
        for (int& v : row) v /= 8;
    }
    const auto elapsed = [this] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    };

    SearchResult result;
    Position g = start;
    if (g.shuukyoku != 0) return result;
    Frame& f = frames_[0];
    generate_moves(g, f.list);
    if (f.list.count == 0) return result;
    const ZobristKey key = zobrist_key(g);
    const BoardSummary sum = eval_.summarize(g);
    path_[0] = key;
    if (limits.remember) {
        if (seen_.size() < seen_.capacity()) seen_.push_back(key);
        seen_filter_[(key >> 6) & 63] |= std::uint64_t{1} << (key & 63);
    }
    order(g, f, Move{}, 0);
    for (int i = 0; i < f.list.count; ++i) pick(f, i);
    result.found = true;
    result.move = f.list.moves[0];
    if (f.list.count > 1) {
        for (int depth = 1; depth <= limits.depth && depth < kMaxPly - kMaxQDepth - 2; ++depth) {
            Move best;
            const int s = root(g, key, sum, depth, -kInfinity, kInfinity, best);
            if (s == -kInfinity) break;  // stopped before one move was searched through
            result.move = best;
            result.score = s;
            if (aborted_) break;
            result.depth = depth;
            result.finished_score = s;
            if (progress) progress(SearchInfo{depth, s, nodes_, elapsed(), best});
            // A forced result no deeper search can change, or no time for one.
            if (s >= kMate - depth || s <= -(kMate - depth)) break;
            if (limits.movetime_ms > 0 && elapsed() * 1000 * 2 > limits.movetime_ms) break;
        }
    }
    result.nodes = nodes_;
    result.seconds = elapsed();
    result.stopped = stopped_;
    return result;
}

// Sorts moves from..count by score, best first, in one go: once the first few
// picks have not cut the node, it is likely to try them all.
void Searcher::sort_rest(Frame& f, int from) {
    const int n = f.list.count;
    for (int j = from; j < n; ++j) {
        const auto biased = static_cast<std::uint32_t>(f.score[j]) ^ 0x80000000u;
        f.keys[j] = (std::uint64_t{~biased} << 32) | static_cast<std::uint32_t>(j);
    }
    std::sort(f.keys + from, f.keys + n);
    for (int j = from; j < n; ++j) f.spare[j] = f.list.moves[f.keys[j] & 0xFFFFFFFFu];
    for (int j = from; j < n; ++j) {
        f.score[j] = static_cast<int>(~static_cast<std::uint32_t>(f.keys[j] >> 32) ^ 0x80000000u);
        f.list.moves[j] = f.spare[j];
    }
}

// Brings the best-scored of moves i.. to place i.
void Searcher::pick(Frame& f, int i) {
    int best = i;
    for (int j = i + 1; j < f.list.count; ++j) {
        if (f.score[j] > f.score[best]) best = j;
    }
    if (best != i) {
        std::swap(f.list.moves[i], f.list.moves[best]);
        std::swap(f.score[i], f.score[best]);
    }
}

}  // namespace murokan
