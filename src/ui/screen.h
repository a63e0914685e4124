// The drawing procedures of the main window: pictures, board, hand stands,
// labels, texts, clocks, guidance marks and the short animations. Everything is
// painted straight onto the window's persistent drawing through the canvas;
// nothing is retained, and erasing means painting a cell again.
#pragma once

#include <string_view>

#include "core/game_state.h"
#include "core/rules.h"
#include "platform/platform.h"
#include "settings/options.h"
#include "ui/cell.h"

namespace murokan {

// What the drawing procedures read and use, all owned by Form1.
struct ScreenLinks {
    platform::Canvas& canvas;
    platform::Dialogs& dialogs;
    platform::Clock& clock;  // the pacing waits of the animations
    platform::SoundLibrary& sound;
    const int& oto_shoumetsu;       // buffer of "消滅.wav"; may be filled after construction
    const platform::MenuBar& menu;  // the KEIKA tick decides whether clocks are drawn
    const GameState& g;
    const Options& opt;  // haikei, shidou
};

class Screen {
  public:
    explicit Screen(const ScreenLinks& links);

    // ------------------------------------------------------------ pictures and board

    // Paints the picture of drawing `code` at cell (x, y): piece codes, 0 the
    // empty square, 3/4 the vanish frames, 5..9 the backgrounds, -3 the title.
    // Any other code paints nothing.
    void 描画_絵(int code, double x, double y);
    // Unfilled outline of cell (x, y) in QBColor `colour`.
    void 描画_桝輪郭(int colour, double x, double y);
    // Every board square: its piece (or the empty square) and its outline.
    void 描画_盤();
    // The outlines of all 81 squares in MASU_IRO; removes highlights only.
    void 描画_将棋盤桝();
    // The bottom side's hand stand (column 11, rows 3..9) with its counts.
    void 描画_自持盤();
    // The top side's hand stand (column -1, rows 1..7) with its counts.
    void 描画_敵持盤();
    // The file numbers above the board and the rank numerals to its right.
    // Turns the window font bold from then on.
    void 描画_桝_数値();
    // The background picture `code` over every cell outside the board.
    void 描画_背景(int code);
    // The whole window, background first, title art last.
    void 画面_再描画();

    // ------------------------------------------------------------ texts

    // Prints at cell (x, y) in QBColor `colour`, font size `size`. Mode 0
    // prints the number with a leading blank when it is not negative; any other
    // mode its kanji numeral (1..9; other numbers print nothing).
    void 描画_数値(double x, double y, int value, int colour, int mode, int size);
    // Mode 0 prints the text verbatim; a text has no numeral, so any other mode
    // prints nothing.
    void 描画_数値(double x, double y, std::string_view text, int colour, int mode, int size);
    // Prints `text` at cell (x, y), font size 12.
    void 描画_移動駒種類(double x, double y, std::string_view text, int colour);
    // Prints a fixed text 120 twips right and 160 twips below cell (x, y):
    // -10..10 the handicap names, 99 "手目"; any other value nothing.
    void 描画_文字列(double x, double y, int value, int colour, int size);

    // ------------------------------------------------------------ displays

    // The move counter right of the bottom hand stand, shifted left per digit.
    void 描画_手数(int number, int colour);
    // The last move of `side` (a turn code) in notation, e.g. ３六歩.
    void 描画_移動結果(int side, int x, int y, int piece, int colour);
    void 消去_移動結果(int side);
    // The clock of `side` showing `seconds`; nothing at all unless KEIKA is ticked.
    void 描画_所有時間(int side, double seconds);
    // Erases the clock of `side`, ticked or not.
    void 消去_所有時間(int side);
    // The box refusing a handicap change: 1 record mode, 2 a game under way,
    // 3 a reversed board; any other reason leaves the first line empty.
    void 描画_メッセージ(int reason);
    // "LEVEL n" above the left corner of the board.
    void 描画_レベル(int level);
    // The handicap name right of the board's top row.
    void 描画_ハンデレベル(int level);
    // "思考中" below the top hand stand while the computer thinks, where its
    // last move is named afterwards.
    void 描画_思考中();
    // Paints the background over the cells the indicator uses.
    void 消去_思考中();

    // ------------------------------------------------------------ marks and effects

    // Clears every board highlight, then (only while guidance is on) outlines
    // in `colour` each square that `piece` on (x, y) may move to.
    void 描画_移動可能桝色(int x, int y, int colour, int piece);
    // Blinks `piece` on cell (x, y) `count` times, 0.4 s per blink.
    void 描画_駒点滅(int piece, int x, int y, int count);
    // The vanish sound and the two-frame removal of the piece on (x, y), 0.6 s.
    void 描画_はさみアニメ(int x, int y);

    // Shows what 駒移動 did to the board and the hands. (x1, y1) are the
    // arguments given to 駒移動: for a drop from either hand y1 is the kind.
    // Call it after 駒移動 has run.
    void 描画_駒移動(int x1, int y1, int x2, int y2, int code, const MoveReport& report);
    // Plays back a strike chain that has already been applied to the board:
    // each slide step with a 0.15 s pause, then the removal of a sandwiched
    // piece and the redraw of the board and both hands.
    void 再生_はじき連鎖(const ChainReport& report);

  private:
    // Prints `utf8` with its top-left corner at cell (x, y).
    void print_at(double x, double y, std::string_view utf8, int colour, double size);
    // Prints `utf8` with its top-left corner at `at`; an empty text prints nothing.
    void print_twips(Twips at, std::string_view utf8, int colour, double size);
    // The piece or the empty square on a cell, then its BAN_IRO outline.
    void paint_square(int code, double x, double y);
    // Shows the drawing so far, then waits `seconds`.
    void pause(double seconds);
    // Hand stand of one side: stand column, count column, row of kind k.
    void draw_hand(const int (&mochi)[8], int stand_x, int count_x, int sign);

    platform::Canvas& canvas_;
    platform::Dialogs& dialogs_;
    platform::Clock& clock_;
    platform::SoundLibrary& sound_;
    const int& oto_shoumetsu_;
    const platform::MenuBar& menu_;
    const GameState& g_;
    const Options& opt_;
    bool font_bold_ = false;  // the window font; 描画_桝_数値 turns it bold for good
};

}  // namespace murokan
