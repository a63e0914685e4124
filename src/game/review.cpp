#include "game/review.h"

#include <memory>

#include "core/rules.h"

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

// Same board and hands.
bool same_placing(const Position& a, const Position& b) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (a.ban[x][y] != b.ban[x][y]) return false;
        }
    }
    for (int k = 1; k <= 7; ++k) {
        if (a.mochi_ji[k] != b.mochi_ji[k] || a.mochi_teki[k] != b.mochi_teki[k]) return false;
    }
    return true;
}

// The legal move of `from` that reaches the placing of `to`, if any.
bool find_move(const Position& from, const Position& to, MoveList& list, Move& found) {
    generate_moves(from, list);
    for (const Move& m : list) {
        Position p = from;
        make_move(p, m);
        if (same_placing(p, to)) {
            found = m;
            return true;
        }
    }
    return false;
}

int sente_view(const Position& p, int score) {
    return p.teban == TEBAN_SENTE ? score : -score;
}

}  // namespace

Position settled_position(const Position& p) {
    Position s = p;
    s.mochi_ji_kazu = s.mochi_teki_kazu = 0;
    for (int k = 1; k <= 7; ++k) {
        s.mochi_ji_kazu += s.mochi_ji[k];
        s.mochi_teki_kazu += s.mochi_teki[k];
    }
    bool ji_king = false, teki_king = false;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (s.ban[x][y] == -OU) ji_king = true, s.ji_ou_x = x, s.ji_ou_y = y;
            if (s.ban[x][y] == OU) teki_king = true, s.teki_ou_x = x, s.teki_ou_y = y;
        }
    }
    調査_2歩フラグ設定(s);
    if (!ji_king) s.shuukyoku = s.teki_teban;
    if (!teki_king) s.shuukyoku = s.ji_teban;
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
            if (find_move(from, to, *list, m)) {
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
