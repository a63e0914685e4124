#include "game/review.h"

#include <memory>

#include "core/rules.h"
#include "record/history_game.h"

namespace murokan {

namespace {

// Entry n of h as a position with `teban` to move.
Position entry_position(const GameState& g, const History& h, int n, int teban) {
    GameState s;
    s.ji_teban = g.ji_teban;
    s.teki_teban = g.teki_teban;
    s.teban = teban;
    複写_棋譜から盤(h, n, s);
    return settled_position(s);
}

int sente_view(const Position& p, int score) {
    return p.teban == TEBAN_SENTE ? score : -score;
}

}  // namespace

Position settled_position(const Position& p) {
    Position s = p;
    整備_局面(s);
    // A game already over stays over: only a missing king ends it here.
    if (s.shuukyoku == 0) s.shuukyoku = p.shuukyoku;
    return s;
}

RecordedGame recorded_game(const GameState& g, const History& h) {
    History copy = h;
    保存_最新局面(g, copy);
    RecordedGame game;
    const auto list = std::make_unique<MoveList>();
    Position at = entry_position(g, copy, 0, TEBAN_SENTE);
    game.positions.push_back(at);
    for (int n = 1; n <= copy.kifu_saishu && at.shuukyoku == 0; ++n) {
        const int sides[2] = {at.teban, -at.teban};
        bool found = false;
        for (const int side : sides) {
            Position from = at;
            from.teban = side;
            const Position to = entry_position(g, copy, n, -side);
            Move m;
            if (調査_連結手(from, to, *list, m)) {
                game.positions.back().teban = side;
                game.moves.push_back(m);
                at = to;
                make_move(from, m);
                at.shuukyoku = from.shuukyoku;
                game.positions.push_back(at);
                found = true;
                break;
            }
        }
        if (!found) break;
    }
    return game;
}

std::vector<MoveReview> review_game(Analyst& analyst, const RecordedGame& game,
                                    const SearchLimits& limits, const std::atomic<bool>* stop,
                                    const ReviewProgress& progress) {
    std::vector<MoveReview> review;
    std::vector<Evaluation> evals;
    const int total = static_cast<int>(game.moves.size()) + 1;
    analyst.forget();
    for (int i = 0; i < total; ++i) {
        if (stop != nullptr && stop->load()) break;
        evals.push_back(analyst.evaluate(game.positions[i], limits, stop));
        if (stop != nullptr && stop->load()) break;
        if (progress) progress(i + 1, total);
        if (i == 0) continue;
        const Position& before = game.positions[i - 1];
        const Position& after = game.positions[i];
        MoveReview r;
        r.ply = i;
        r.move = game.moves[i - 1];
        if (evals[i - 1].found) r.best = evals[i - 1].best;
        r.score_before = sente_view(before, evals[i - 1].score);
        r.score_after = sente_view(after, evals[i].score);
        r.win_before = win_percent(r.score_before);
        r.win_after = win_percent(r.score_after);
        const double fall =
            before.teban == TEBAN_SENTE ? r.win_before - r.win_after : r.win_after - r.win_before;
        if (!(r.move == r.best)) r.grade = grade_for_fall(fall);
        review.push_back(r);
    }
    return review;
}

std::vector<int> grade_counts(std::span<const MoveReview> review) {
    std::vector<int> counts(5, 0);
    for (const MoveReview& r : review) ++counts[static_cast<int>(r.grade)];
    return counts;
}

}  // namespace murokan
