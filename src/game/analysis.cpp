#include "game/analysis.h"

#include <cmath>

#include "ai/engine_eval.h"
#include "ai/principal_line.h"

namespace murokan {

double win_percent(int score) {
    return 100.0 / (1.0 + std::exp(-score / kWinScale));
}

SearchLimits analysis_limits(int movetime_ms, std::int64_t nodes) {
    SearchLimits l;
    l.movetime_ms = movetime_ms;
    l.nodes = nodes;
    l.contempt = 0;
    return l;
}

Analyst::Analyst() : searcher_(EvalWeights{}, 18) {}

Evaluation Analyst::evaluate(const Position& p, const SearchLimits& limits,
                             const std::atomic<bool>* stop, const EvaluationProgress& progress) {
    Evaluation e;
    if (p.shuukyoku != 0) {
        e.score = p.shuukyoku == p.teban ? kMate : -kMate;
        return e;
    }
    SearchProgress told;
    if (progress) {
        told = [&](const SearchInfo& info) {
            Evaluation now;
            now.found = true;
            now.best = info.best;
            now.score = info.score;
            now.depth = info.depth;
            now.nodes = info.nodes;
            now.seconds = info.seconds;
            now.line = principal_line(searcher_, p, info.best);
            progress(now);
        };
    }
    const SearchResult r = searcher_.search(p, limits, stop, told);
    e.found = r.found;
    e.best = r.move;
    e.score = r.score;
    e.depth = r.depth;
    e.nodes = r.nodes;
    e.seconds = r.seconds;
    if (r.found) e.line = principal_line(searcher_, p, r.move);
    return e;
}

Grade grade_for_fall(double fall) {
    if (fall >= 50) return Grade::大悪手;
    if (fall >= 20) return Grade::悪手;
    if (fall >= 10) return Grade::疑問手;
    if (fall >= 5) return Grade::緩手;
    return Grade::none;
}

std::string_view grade_name(Grade g) {
    switch (g) {
        case Grade::緩手:
            return "緩手";
        case Grade::疑問手:
            return "疑問手";
        case Grade::悪手:
            return "悪手";
        case Grade::大悪手:
            return "大悪手";
        case Grade::none:
            break;
    }
    return "";
}

}  // namespace murokan
