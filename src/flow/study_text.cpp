// What 検討 and 棋譜解析 show: the panel's lines, the graph's points and the
// text of the analysis for the clipboard.
#include <cmath>
#include <cstdio>

#include "ai/engine_eval.h"
#include "flow/form1.h"
#include "flow/study.h"
#include "record/move_notation.h"

namespace murokan {

namespace {

// A score as the panel writes it: signed, or 詰 for a forced win or loss.
std::string score_text(int score) {
    if (score >= kMateBound) return "+詰";
    if (score <= -kMateBound) return "-詰";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%+d", score);
    return buf;
}

std::string percent_text(double win) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.0f%%", win);
    return buf;
}

}  // namespace

void Study::show_study(const Position& p, const Evaluation& e) {
    if (!studying_ || !(p == studied_)) return;  // told of a position left since
    if (!e.found) {
        show_text(p.shuukyoku != 0 ? "検討: 終局" : "検討: 指し手がありません");
        return;
    }
    const int sente = p.teban == TEBAN_SENTE ? e.score : -e.score;
    std::string text = "検討  先手 " + percent_text(win_percent(sente)) + "  評価値 " +
                       score_text(sente) + "  深さ " + std::to_string(e.depth) + "\n";
    text += 変換_手順(p, e.line);
    show_text(text);
}

void Study::show_text(std::string study_text) {
    study_text_ = std::move(study_text);
    std::string text = study_text_;
    if (!review_summary_.empty()) text += (text.empty() ? "" : "\n\n") + review_summary_;
    panel_->setText(text);
}

platform::GraphData Study::graph() const {
    platform::GraphData d;
    if (review_.empty()) return d;
    d.win.push_back(review_.front().win_before);
    d.grade.push_back(0);
    for (const MoveReview& r : review_) {
        d.win.push_back(r.win_after);
        d.grade.push_back(static_cast<std::uint8_t>(r.grade));
    }
    d.current = form_.g.kifu_genzai < static_cast<int>(d.win.size()) ? form_.g.kifu_genzai : -1;
    return d;
}

std::string Study::review_text() const {
    std::string text;
    for (const MoveReview& r : review_) {
        const Position& before = reviewed_game_.positions[r.ply - 1];
        char head[32];
        std::snprintf(head, sizeof head, "%3d手目 ", r.ply);
        text += head;
        text += 変換_指し手(before, r.move);
        text +=
            "  評価値 " + score_text(r.score_after) + " (先手 " + percent_text(r.win_after) + ")";
        if (r.grade != Grade::none) text += "  " + std::string(grade_name(r.grade));
        if (r.best.piece != KARA) text += "  最善 " + 変換_指し手(before, r.best);
        text += "\n";
    }
    return text;
}

}  // namespace murokan
