// 検討 and 棋譜解析: one search at a time on the platform's background worker,
// its findings posted back to the window's thread for the panel.
#include "flow/study.h"

#include <utility>

#include "flow/form1.h"

namespace murokan {

Study::Study(Form1& form) : form_(form) {}

Study::~Study() {
    stop_all();
}

void Study::attach(platform::AnalysisPanel& panel, platform::Background& background,
                   platform::Clipboard& clipboard) {
    panel_ = &panel;
    background_ = &background;
    clipboard_ = &clipboard;
    panel_->setEvents(this);
}

Position Study::position_in_view() const {
    return settled_position(form_.g);
}

bool Study::computer_to_move() const {
    return form_.g.taikyoku_mode == MODE_COM && form_.g.teban == form_.g.teki_teban;
}

SearchLimits Study::limits(int movetime_ms) const {
    // The driver's node budget makes every answer the same on any machine.
    if (form_.search_bounds.nodes > 0) return analysis_limits(0, form_.search_bounds.nodes);
    return analysis_limits(movetime_ms, 0);
}

void Study::stop_task() {
    if (task_ == Task::none) return;
    stop_ = true;
    background_->join();
    task_ = Task::none;
}

void Study::stop_all() {
    hint_stop_ = true;
    if (background_ != nullptr) stop_task();
}

void Study::toggle() {
    if (background_ == nullptr) return;
    studying_ = !studying_;
    form_.pf.menu.setChecked("KENTOU", studying_);
    if (studying_) {
        panel_->setVisible(true);
        start_study();
    } else {
        if (task_ == Task::study) stop_task();
        show_text("");
        panel_->setVisible(!review_.empty() || task_ == Task::review);
    }
}

void Study::start_study() {
    const Position p = position_in_view();
    studied_ = p;
    if (p.teban == TEBAN_NASHI) {
        show_text("検討: 対局を始めて下さい");
        return;
    }
    if (!analyst_) analyst_ = std::make_unique<Analyst>();
    stop_ = false;
    task_ = Task::study;
    show_text("検討中…");
    Analyst& analyst = *analyst_;
    const SearchLimits l = limits(kStudyMs);
    background_->start(
        [this, &analyst, p, l] {
            analyst.forget();
            const Evaluation last = analyst.evaluate(p, l, &stop_, [this, p](const Evaluation& e) {
                background_->post([this, p, e] { show_study(p, e); });
            });
            background_->post([this, p, last] { show_study(p, last); });
        },
        [this] { task_ = Task::none; });
}

void Study::computer_thinks() {
    if (task_ != Task::study) return;
    stop_task();
    studied_ = Position{};  // the next event starts 検討 again, moved or not
}

void Study::after_event() {
    // Esc reaches the window while a hint is searched; nothing has moved then.
    if (form_.quit_requested() || hinting_) return;
    if (hint_ && !(position_in_view() == hinted_)) erase_hint();
    if (background_ == nullptr) return;
    if (studying_ && task_ == Task::none && !computer_to_move() &&
        !(position_in_view() == studied_)) {
        start_study();
    } else if (studying_ && task_ == Task::study && !(position_in_view() == studied_)) {
        stop_task();
        start_study();
    }
    if (!review_.empty()) panel_->setGraph(graph());
}

void Study::review() {
    if (background_ == nullptr) return;
    if (task_ == Task::review) return;  // one at a time; the panel has its cancel button
    RecordedGame game = recorded_game(form_.g, form_.hist);
    if (game.moves.empty()) {
        form_.play(form_.oto_kinshi);
        form_.msg("できません", "棋譜解析");
        return;
    }
    stop_task();
    if (!analyst_) analyst_ = std::make_unique<Analyst>();
    reviewing_game_ = std::move(game);
    reviewing_.clear();
    stop_ = false;
    task_ = Task::review;
    panel_->setVisible(true);
    const int total = static_cast<int>(reviewing_game_.positions.size());
    panel_->setProgress(0, total);
    Analyst& analyst = *analyst_;
    const SearchLimits l = limits(kReviewMs);
    background_->start(
        [this, &analyst, l] {
            reviewing_ = review_game(analyst, reviewing_game_, l, &stop_, [this](int done, int n) {
                background_->post([this, done, n] { panel_->setProgress(done, n); });
            });
        },
        [this] { review_done(); });
}

void Study::review_done() {
    task_ = Task::none;
    panel_->setProgress(0, 0);
    if (stop_) return;
    review_ = std::move(reviewing_);
    reviewed_game_ = std::move(reviewing_game_);
    panel_->setGraph(graph());
    const std::vector<int> n = grade_counts(review_);
    review_summary_ = "棋譜解析 " + std::to_string(review_.size()) + "手  緩手 " +
                      std::to_string(n[1]) + "  疑問手 " + std::to_string(n[2]) + "  悪手 " +
                      std::to_string(n[3]) + "  大悪手 " + std::to_string(n[4]);
    show_text(study_text_);
    // 検討 gave way to the analysis: it starts again on the position in view.
    if (studying_) {
        studied_ = Position{};
        after_event();
    }
}

void Study::cancelClicked() {
    if (task_ != Task::review) return;
    stop_task();
    panel_->setProgress(0, 0);
    review_summary_ = "棋譜解析を中止しました";
    show_text(study_text_);
    if (studying_) {
        studied_ = Position{};
        after_event();
    }
    panel_->setVisible(studying_ || !review_.empty());
}

void Study::copyClicked() {
    if (review_.empty() || clipboard_ == nullptr) {
        form_.play(form_.oto_kinshi);
        return;
    }
    clipboard_->setText(review_text());
}

void Study::go_to(int ply) {
    // Step as 戻 and 進 step, each step as the user's own; stop where one is refused.
    while (form_.g.kifu_genzai > ply) {
        const int before = form_.g.kifu_genzai;
        form_.REPLAY_Click();
        if (form_.g.kifu_genzai == before) break;
    }
    while (form_.g.kifu_genzai < ply) {
        const int before = form_.g.kifu_genzai;
        form_.AFTER_Click();
        if (form_.g.kifu_genzai == before) break;
    }
    after_event();
}

void Study::graphClicked(int ply) {
    if (review_.empty() || ply < 0 || ply > static_cast<int>(review_.size())) return;
    go_to(ply);
}

void Study::graphStep(int direction) {
    const int at = form_.g.kifu_genzai;
    const MoveReview* found = nullptr;
    for (const MoveReview& r : review_) {
        if (r.grade == Grade::none) continue;
        if (direction > 0 && r.ply > at && found == nullptr) found = &r;
        if (direction < 0 && r.ply < at) found = &r;
    }
    if (found == nullptr) {
        form_.play(form_.oto_kinshi);
        return;
    }
    go_to(found->ply);
}

}  // namespace murokan
