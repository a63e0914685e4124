// Learning from the computer: the searching levels' evaluation asked about a
// position (the best move, its score and line), a score read as the chance
// of winning, and a played move graded by how much of that chance it threw
// away.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "ai/engine.h"
#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// The scale of the win percentage: the score at which the side to move
// wins 1 / (1 + e^-1), about 73%, of its games. Fitted to the results of 170
// decided self-play games of LEVEL4 against weaker players, by the least
// log-loss over every position's score (murokan-winfit; the fit is in the
// README).
inline constexpr double kWinScale = 372.0;

// The side to move's chance of winning, in percent, at `score` (its own view).
double win_percent(int score);

// What a search of one position found, for the side to move.
struct Evaluation {
    bool found = false;  // false for a finished game or a side without a move
    Move best;
    int score = 0;  // the side to move's view; a finished game scores ±kMate
    int depth = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
    std::vector<Move> line;  // the best line, best move first
};

using EvaluationProgress = std::function<void(const Evaluation&)>;

// The limits an analysis searches with: a wall-clock budget, or a node
// budget that makes it come out the same on any machine. A line round in
// circles is a plain draw, the judge siding with neither player.
SearchLimits analysis_limits(int movetime_ms, std::int64_t nodes);

// The searcher of analyses with the strongest level's evaluation. Its table
// (2^18 entries, 6 MB) is made once; it is not for two threads at once.
class Analyst {
  public:
    Analyst();

    // Searches `p` within `limits` until done or `stop` reads true; the best
    // so far is returned. `progress`, when given, hears each finished
    // iteration from the searching thread.
    Evaluation evaluate(const Position& p, const SearchLimits& limits,
                        const std::atomic<bool>* stop = nullptr,
                        const EvaluationProgress& progress = {});
    // Forgets earlier positions: a position analysed alone must not take one
    // met before for a repetition.
    void forget() { searcher_.new_game(); }

  private:
    Searcher searcher_;
};

// How bad a move was, by the fall of its mover's win percentage.
enum class Grade : std::uint8_t { none, 緩手, 疑問手, 悪手, 大悪手 };

// The grade of a move that let the mover's win percentage fall by `fall`
// points: 5 or more 緩手, 10 疑問手, 20 悪手, 50 大悪手.
Grade grade_for_fall(double fall);
// The grade's name, "" for none.
std::string_view grade_name(Grade g);

}  // namespace murokan
