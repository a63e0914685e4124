// Learning from the computer, as the window offers it: ヒント (the best move
// for the side to move, marked on the board), 検討 (the position in view
// analysed without end in the panel beside the board) and 棋譜解析 (every
// position of the game analysed in the background, with the evaluation graph
// and a text of it for the clipboard). Form1 holds one and hands it its menu
// items and its events; it reads and steps the window's game through Form1.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/analysis.h"
#include "game/review.h"
#include "platform/analysis_panel.h"
#include "platform/background.h"
#include "platform/clipboard.h"

namespace murokan {

class Form1;

// The hint's wall-clock budget: about a second, short enough to wait for.
inline constexpr int kHintMs = 1000;
// 棋譜解析's budget for each position: half a second finds the one- and
// three-move wins that decide most graded moves, and a 150-ply game is done
// in about 75 s.
inline constexpr int kReviewMs = 500;
// 検討 goes on for at most this long on one position, so that a window left
// alone does not keep a core busy for ever.
inline constexpr int kStudyMs = 120'000;

// The last hint shown.
struct Hint {
    Move move;
    int score = 0;     // the side to move's view
    std::string text;  // the move in the window's notation
};

class Study : public platform::AnalysisPanelEvents {
  public:
    explicit Study(Form1& form);
    ~Study() override;
    Study(const Study&) = delete;
    Study& operator=(const Study&) = delete;

    // Gives it the panel, the background worker and the clipboard. Without
    // them only the hint works.
    void attach(platform::AnalysisPanel& panel, platform::Background& background,
                platform::Clipboard& clipboard);

    // ヒント: refused (the 禁止 sound) when no game runs, the game is over or
    // the computer is to move; otherwise searches off the window's thread,
    // then marks the move's source and destination and names the move.
    // Esc ends the search and shows nothing.
    void hint();
    // 検討 on or off.
    void toggle();
    // 棋譜解析 of the game in the history, in the background.
    void review();

    // Esc: true when it ended a hint's search (Esc then does nothing else).
    bool escape();
    // The computer is about to think: 検討 stops until the next event.
    void computer_thinks();
    // After each event of the window: 検討 moves on to the position in view
    // if it changed, the graph shows where the history stands, and a hint
    // shown for another position is erased.
    void after_event();
    // Ends every search and waits for it (the window is closing).
    void stop_all();

    const std::optional<Hint>& last_hint() const { return hint_; }
    bool studying() const { return studying_; }
    // What the last finished 棋譜解析 found, and the game it judged.
    const std::vector<MoveReview>& reviewed() const { return review_; }
    const RecordedGame& reviewed_game() const { return reviewed_game_; }
    // The analysis as text, one line per move: number, move, evaluation,
    // grade, best move.
    std::string review_text() const;
    platform::GraphData graph() const;

    // The panel's events.
    void graphClicked(int ply) override;
    void graphStep(int direction) override;
    void cancelClicked() override;
    void copyClicked() override;

  private:
    enum class Task { none, study, review };

    Position position_in_view() const;
    bool computer_to_move() const;
    SearchLimits limits(int movetime_ms) const;
    void start_study();
    void stop_task();
    void show_study(const Position& p, const Evaluation& e);
    void review_done();
    void show_hint(const Hint& h, const Position& p);
    void erase_hint();
    void go_to(int ply);

    Form1& form_;
    platform::AnalysisPanel* panel_ = nullptr;
    platform::Background* background_ = nullptr;
    platform::Clipboard* clipboard_ = nullptr;
    // One for the window's thread (the hint) and one for the background.
    std::unique_ptr<Analyst> hint_analyst_;
    std::unique_ptr<Analyst> analyst_;
    std::atomic<bool> hint_stop_{false};
    bool hinting_ = false;
    std::optional<Hint> hint_;
    Position hinted_;  // the position the hint shown is for
    std::atomic<bool> stop_{false};
    Task task_ = Task::none;
    bool studying_ = false;
    Position studied_;  // the position 検討 searches
    // The panel's lines: 検討's, then what the last 棋譜解析 found.
    std::string study_text_, review_summary_;
    void show_text(std::string study_text);
    RecordedGame reviewing_game_, reviewed_game_;
    std::vector<MoveReview> reviewing_, review_;
};

}  // namespace murokan
