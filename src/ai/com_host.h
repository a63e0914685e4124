// What the computer player needs from the program around it: the screen, the
// clocks, the sounds, the message boxes and the move history.
// Form1 implements it; tests use a recording fake. Each call is named after the
// procedure of the program that it stands for and takes that procedure's
// arguments, so the computer's turn reads like the game's own turn.
#pragma once

#include <string_view>

#include "core/rules.h"

namespace murokan {

class ComHost {
  public:
    virtual ~ComHost() = default;

    // ---- clocks
    // The system clock: seconds since midnight (the reading kaishi_byou keeps).
    virtual float 現在時刻() = 0;
    // Whether the 経過時間 menu item (KEIKA) carries its check mark.
    virtual bool KEIKA_Checked() = 0;
    // Starts or stops the display timer Timer1.
    virtual void Timer1_Enabled(bool on) = 0;
    // One tick of Timer1's handler (does nothing while Timer1 is stopped).
    virtual void Timer1_Timer() = 0;
    // The paced pause of the animations.
    virtual void 待ち時間(double seconds) = 0;

    // ---- drawing (cells as on the window grid; fractions allowed)
    // Paints the picture of `code` at cell (x, y).
    virtual void 描画_絵(int code, double x, double y) = 0;
    // The current background picture code (haikei).
    virtual int haikei() = 0;
    virtual void 描画_桝輪郭(int colour, double x, double y) = 0;
    // Prints `text` at cell (x, y) (描画_数値 with a text value).
    virtual void 描画_数値(double x, double y, std::string_view text, int colour, int mode,
                           int size) = 0;
    // Repaints the window now.
    virtual void 画面_更新() = 0;
    virtual void 描画_手数(int number, int colour) = 0;
    virtual void 描画_駒点滅(int piece, int x, int y, int count) = 0;
    // The screen side of 駒移動: the source drawn empty, the piece drawn on the
    // destination, and the hand stands the report names redrawn.
    virtual void 描画_駒移動(int x1, int y1, int x2, int y2, int code,
                             const MoveReport& report) = 0;
    // The screen side of the strike chain: each slide step with its 0.15 s
    // pause, then for a sandwich the vanish animation and a redraw of the board
    // and both hand stands. The board already holds the chain's outcome.
    virtual void 再生_はじき連鎖(const ChainReport& report) = 0;
    virtual void 描画_移動結果(int side, int x, int y, int piece, int colour) = 0;

    // ---- sounds
    virtual void 音_駒打() = 0;  // "駒打音.wav"
    virtual void 音_禁止() = 0;  // "禁止.wav"

    // ---- message box with an OK button
    virtual void メッセージ(std::string_view title, std::string_view text) = 0;

    // ---- history (stores the position now on the board at kifu_genzai)
    virtual void 手順保存(int fx, int fy, int tx, int ty, int before, int after, float ji_mae,
                          float ji_ato, float teki_mae, float teki_ato) = 0;
};

}  // namespace murokan
