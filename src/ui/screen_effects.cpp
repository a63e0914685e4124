// Guidance marks, the blink and vanish animations, and the playback of what a
// move and its strike chain did to the board.
#include "ui/screen.h"

namespace murokan {

namespace {

constexpr double kSlideStep = 0.15;  // seconds per square of a flicked piece
constexpr double kFrame = 0.2;       // seconds per frame of the blink and vanish

}  // namespace

void Screen::pause(double seconds) {
    // The frame must be on screen for the whole pause, not only after it.
    canvas_.refresh();
    clock_.wait(seconds);
}

void Screen::描画_移動可能桝色(int x, int y, int colour, int piece) {
    描画_将棋盤桝();
    if (opt_.shidou != 1) return;
    for (int a = 1; a <= BAN_SIZE; ++a) {
        for (int b = 1; b <= BAN_SIZE; ++b) {
            if (移動チェック(g_, x, y, a, b, piece) == FLAG_ON) 描画_桝輪郭(colour, a, b);
        }
    }
}

void Screen::描画_駒点滅(int piece, int x, int y, int count) {
    for (int i = 0; i < count; ++i) {
        paint_square(KARA, x, y);
        pause(kFrame);
        paint_square(piece, x, y);
        pause(kFrame);
    }
}

void Screen::描画_はさみアニメ(int x, int y) {
    sound_.dsPlay(oto_shoumetsu_);
    paint_square(E_PA1, x, y);
    pause(kFrame);
    paint_square(E_PA2, x, y);
    pause(kFrame);
    paint_square(KARA, x, y);
    pause(kFrame);
}

void Screen::描画_駒移動(int x1, int y1, int x2, int y2, int code, const MoveReport& report) {
    // A drop names its kind, shown on its stand's row.
    const bool drop = x1 == TEKI_MOCHI_X || x1 == JI_MOCHI_X;
    paint_square(KARA, x1, drop ? stand_row(x1, y1) : y1);
    // A drop changes its stand's count; a piece found on the destination (never
    // in play) went into a hand.
    if (x1 == TEKI_MOCHI_X || report.teki_mochi_changed) 描画_敵持盤();
    if (x1 == JI_MOCHI_X || report.ji_mochi_changed) 描画_自持盤();
    paint_square(code, x2, y2);
}

void Screen::再生_はじき連鎖(const ChainReport& report) {
    const int n =
        report.step_count < ChainReport::kMaxSteps ? report.step_count : ChainReport::kMaxSteps;
    for (int i = 0; i < n; ++i) {
        const SlideStep& s = report.steps[i];
        paint_square(KARA, s.from_x, s.from_y);
        paint_square(s.code, s.to_x, s.to_y);
        pause(kSlideStep);
    }
    if (report.sandwiched) {
        描画_はさみアニメ(report.sand_x, report.sand_y);
        描画_盤();
        描画_敵持盤();
        描画_自持盤();
    }
}

}  // namespace murokan
