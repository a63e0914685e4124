// 局面編集: a mode in which the user sets up a position by hand. The game in
// view is left alone until the editor ends with a sound position, which then
// becomes the game, as a pasted one does.
#include <array>

#include "flow/form1.h"
#include "ui/editor_palette.h"

namespace murokan {

namespace {

constexpr std::string_view kTitle = "局面編集";
constexpr std::string_view kAskStart = "対局中です。局面編集を始めますか？";
constexpr std::string_view kBusy = "局面編集中です。「終了」か「中止」で終えて下さい";

// What the menu still does while the editor runs: the headers (which only
// open their menus), the editor's own items, 終わり and the その他 menu.
constexpr std::array kAllowed = {
    "TAIKYOKU",      "MATCH_MAN",     "START2",      "LEVEL",           "STOP",
    "KIFU",          "OPTION",        "HAIKEI_GA",   "SONOTA",          "KAISETU",
    "VER",           "OWARI",         "HENSHU",      "KYOKUMEN_HENSHU", "GAZOU",
    "HENSHU_KAISHI", "HENSHU_HIRATE", "HENSHU_KARA", "HENSHU_TEBAN",    "HENSHU_OWARI",
    "HENSHU_CHUSHI"};

}  // namespace

bool Form1::edit_refuses(std::string_view name) {
    if (!editor_) return false;
    for (std::string_view allowed : kAllowed) {
        if (name == allowed) return false;
    }
    play(oto_kinshi);
    msg(kBusy, kTitle);
    return true;
}

void Form1::edit_draw() {
    GameState view = g;
    static_cast<Position&>(view) = editor_->p;
    Screen s(
        ScreenLinks{pf.canvas, pf.dialogs, pf.clock, pf.sound, oto_shoumetsu, pf.menu, view, opt});
    s.描画_自持盤();
    s.描画_敵持盤();
    s.描画_盤();
    描画_編集パレット(s, editor_->palette, bottom_to_move(editor_->p), opt.haikei);
    pf.canvas.refresh();
}

void Form1::HENSHU_KAISHI_Click() {
    if (editor_) return;
    const bool running = g.teban != TEBAN_NASHI && g.shuukyoku == 0 && g.kifu_mode == FLAG_OFF;
    if (running && !pf.dialogs.askYesNo(kTitle, kAskStart, platform::Icon::Question)) return;
    timer_stop();
    g.click_dankai = 0;
    // The editor starts from the position in view, the bottom side 先手.
    editor_ = std::make_unique<局面編集>();
    editor_->p = g;
    editor_->p.ji_teban = TEBAN_SENTE;
    editor_->p.teki_teban = TEBAN_GOTE;
    editor_->p.teban = g.teban == g.teki_teban ? TEBAN_GOTE : TEBAN_SENTE;
    screen.画面_再描画();
    edit_draw();
}

void Form1::HENSHU_HIRATE_Click() {
    if (!editor_) return;
    編集_平手(*editor_);
    edit_draw();
}

void Form1::HENSHU_KARA_Click() {
    if (!editor_) return;
    編集_空(*editor_);
    edit_draw();
}

void Form1::HENSHU_TEBAN_Click() {
    if (!editor_) return;
    編集_手番(*editor_, !bottom_to_move(editor_->p));
    edit_draw();
}

void Form1::HENSHU_OWARI_Click() {
    if (!editor_) return;
    const std::string fault = 調査_編集局面(*editor_);
    if (!fault.empty()) {
        play(oto_kinshi);
        pf.dialogs.message(kTitle, fault, platform::Icon::Exclamation);
        return;
    }
    貼付結果 edited;
    edited.start = editor_->p;
    editor_.reset();
    adopt_game(edited);
    play(oto_koma);
}

void Form1::HENSHU_CHUSHI_Click() {
    if (!editor_) return;
    editor_.reset();
    screen.画面_再描画();
    screen.描画_手数(g.tesuu, IRO_SHIRO);
    pf.canvas.refresh();
}

}  // namespace murokan
