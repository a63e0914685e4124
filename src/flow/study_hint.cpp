// ヒント: the best move for the side to move, searched on the platform's
// worker while the window stays alive, then marked on the board as the
// guidance marks are and named beside it.
#include <cmath>

#include "flow/form1.h"
#include "flow/study.h"
#include "record/move_notation.h"

namespace murokan {

namespace {

// Where the hint is named: right of the bottom hand stand, below the move
// counter, where nothing else is printed.
constexpr double kHintX = 12.3;
constexpr double kHintY = 5.2;
constexpr double kHintLine = 0.7;

// The cell a move starts from: its board square, or its piece on a stand.
Cell source_cell(const Move& m) {
    if (m.x1 == TEKI_MOCHI_X) return {m.x1, 8 - m.y1};  // y1 is the kind
    return {m.x1, m.y1};                                // a board square or the stand row
}

}  // namespace

void Study::hint() {
    const Position p = position_in_view();
    if (p.teban == TEBAN_NASHI || p.shuukyoku != 0 || computer_to_move() || hinting_) {
        form_.play(form_.oto_kinshi);
        return;
    }
    // The hint and 検討 would share the two cores.
    computer_thinks();
    if (!hint_analyst_) hint_analyst_ = std::make_unique<Analyst>();
    hint_stop_ = false;
    hinting_ = true;
    Evaluation e;
    const SearchLimits l = limits(kHintMs);
    form_.pf.worker.think(
        [&] {
            hint_analyst_->forget();
            e = hint_analyst_->evaluate(p, l, &hint_stop_);
        },
        hint_stop_);
    hinting_ = false;
    if (hint_stop_ || !e.found) {
        if (!e.found && !hint_stop_) form_.play(form_.oto_kinshi);
        return;
    }
    show_hint(Hint{e.best, e.score, 変換_指し手(p, e.best)}, p);
}

bool Study::escape() {
    if (!hinting_) return false;
    hint_stop_ = true;
    return true;
}

void Study::show_hint(const Hint& h, const Position& p) {
    erase_hint();
    hint_ = h;
    hinted_ = p;
    Screen& s = form_.screen;
    s.描画_将棋盤桝();
    const Cell from = source_cell(h.move);
    s.描画_桝輪郭(SHIDOU_IRO_ON, from.x, from.y);
    s.描画_桝輪郭(SHIDOU_IRO_ON, h.move.x2, h.move.y2);
    const std::string lines[2] = {"ヒント", h.text};
    for (int i = 0; i < 2; ++i) {
        const double y = kHintY + kHintLine * i;
        s.描画_移動駒種類(kHintX, y, lines[i], IRO_KURO);
        s.描画_移動駒種類(kHintX - 0.1, y - 0.1, lines[i], IRO_SHIRO);
    }
    form_.pf.canvas.refresh();
}

void Study::erase_hint() {
    if (!hint_) return;
    hint_.reset();
    form_.screen.描画_将棋盤桝();
    for (int x = 12; x <= 16; ++x) {
        for (int y = static_cast<int>(std::floor(kHintY - 0.1));
             y <= static_cast<int>(kHintY + kHintLine + 0.6); ++y) {
            form_.screen.描画_絵(form_.opt.haikei, x, y);
        }
    }
}

}  // namespace murokan
