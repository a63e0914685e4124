// The computer's strength (LEVEL1..10 of the 対局 menu) and the handicap ladder
// ("△" and "▽" of the 局面 menu). Of the one-ply levels only level 2 plays
// differently: it leaves out the piece-specific terms of the evaluation.
// LEVEL4-10 search several moves ahead (form1_think.cpp).
#include <array>

#include "ai/engine_levels.h"
#include "core/handicap.h"
#include "flow/form1.h"

namespace murokan {

namespace {

constexpr std::array<std::string_view, kLastLevel> kLevelItems = {
    "LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5",
    "LEVEL6", "LEVEL7", "LEVEL8", "LEVEL9", "LEVEL10"};

}  // namespace

void Form1::LEVEL1_Click() {
    level_click(1);
}
void Form1::LEVEL2_Click() {
    level_click(2);
}
void Form1::LEVEL3_Click() {
    level_click(3);
}
void Form1::LEVEL4_Click() {
    level_click(4);
}
void Form1::LEVEL5_Click() {
    level_click(5);
}
void Form1::LEVEL6_Click() {
    level_click(6);
}
void Form1::LEVEL7_Click() {
    level_click(7);
}
void Form1::LEVEL8_Click() {
    level_click(8);
}
void Form1::LEVEL9_Click() {
    level_click(9);
}
void Form1::LEVEL10_Click() {
    level_click(10);
}

void Form1::level_click(int n) {
    // Erases the level display; レベル_設定 draws it again in a computer game.
    for (int x = -2; x <= 0; ++x) screen.描画_絵(opt.haikei, x, 0);
    レベル_設定(n);
    searcher_fit();
}

void Form1::レベル_設定(int n) {
    for (std::string_view item : kLevelItems) pf.menu.setChecked(item, false);
    if (n >= 1 && n <= kLastLevel) {
        pf.menu.setChecked(kLevelItems[n - 1], true);
        g.com_level = n;
    }
    if (g.taikyoku_mode == MODE_COM) screen.描画_レベル(g.com_level);
}

void Form1::LBEL_UP_Click() {
    handicap_step(+1);
}
void Form1::LEBEL_DOWN_Click() {
    handicap_step(-1);
}

void Form1::handicap_step(int step) {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    if (const int reason = ハンデ_拒否理由(g); reason != 0) {
        play(oto_kinshi);
        screen.描画_メッセージ(reason);
        return;
    }
    hist.kifu_saishu = 0;

    const int next = g.hande_level + step;
    if (next >= HANDE_LEVEL_MIN && next <= HANDE_LEVEL_MAX) {
        g.hande_level = next;
        screen.描画_ハンデレベル(g.hande_level);
        const ハンデ手 te = step > 0 ? ハンデ_上げ手(next) : ハンデ_下げ手(next);
        g.ban[te.x][te.y] = te.code;
        screen.描画_絵(te.code, te.x, te.y);
        screen.描画_桝輪郭(BAN_IRO, te.x, te.y);
        play(oto_koma);
    }
    // Set at the ends of the ladder too: the name is shown from now on.
    g.hande_settei = FLAG_ON;
}

}  // namespace murokan
