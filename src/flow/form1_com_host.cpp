// Form1 as the computer player's host: each call is the window's own procedure.
#include "flow/form1.h"

namespace murokan {

float Form1::現在時刻() {
    return Timer();
}
bool Form1::KEIKA_Checked() {
    return keika_on();
}
void Form1::Timer1_Enabled(bool on) {
    pf.timer.setEnabled(on);
}
void Form1::待ち時間(double seconds) {
    pf.clock.wait(seconds);
}

void Form1::描画_絵(int code, double x, double y) {
    screen.描画_絵(code, x, y);
}
int Form1::haikei() {
    return opt.haikei;
}
void Form1::描画_桝輪郭(int colour, double x, double y) {
    screen.描画_桝輪郭(colour, x, y);
}
void Form1::描画_数値(double x, double y, std::string_view text, int colour, int mode, int size) {
    screen.描画_数値(x, y, text, colour, mode, size);
}
void Form1::画面_更新() {
    pf.canvas.refresh();
}
void Form1::描画_手数(int number, int colour) {
    screen.描画_手数(number, colour);
}
void Form1::描画_駒点滅(int piece, int x, int y, int count) {
    screen.描画_駒点滅(piece, x, y, count);
}
void Form1::描画_駒移動(int x1, int y1, int x2, int y2, int code, const MoveReport& report) {
    screen.描画_駒移動(x1, y1, x2, y2, code, report);
}
void Form1::再生_はじき連鎖(const ChainReport& report) {
    screen.再生_はじき連鎖(report);
}
void Form1::描画_移動結果(int side, int x, int y, int piece, int colour) {
    screen.描画_移動結果(side, x, y, piece, colour);
}

void Form1::音_駒打() {
    play(oto_koma);
}
void Form1::音_禁止() {
    play(oto_kinshi);
}
void Form1::メッセージ(std::string_view title, std::string_view text) {
    msg(text, title);
}

}  // namespace murokan
