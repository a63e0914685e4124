// Start-up and shutdown of the main window, and the background check marks.
#include <filesystem>
#include <system_error>

#include "flow/form1.h"
#include "flow/study.h"

namespace murokan {

void Form1::Form_Load() {
    // 1. Sound first, so that the settings can start the music.
    開始_サウンド(pf, oto, pf.app.windowHandle());

    // 2. The constants are compile-time; what the window sets here is state.
    opt.shidou = FLAG_OFF;
    opt.shidou_iro = SHIDOU_IRO_OFF;
    g.kifu_mode = FLAG_OFF;
    hist.kifu_saishu = 0;
    g.com_level = 3;

    // 3. The help page is looked up in the directory current at start-up.
    std::error_code ec;
    startup_dir = std::filesystem::current_path(ec).string();

    // 4, 5. Strongest level, and the bottom side moves first.
    pf.menu.setChecked("LEVEL3", true);
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;

    // 6. The window's background colour (BAN_IRO) is the platform window's own.

    // 7, 8. Options from the settings file, then a fresh board.
    読込_環境設定ファイル();
    初期設定();

    // 9. The platform window places and sizes itself.
}

void Form1::初期設定() {
    初期設定_状態(g);
    record_game_start();
    timer_stop();
    // No game runs: the searcher goes, and the next game's starts afresh.
    searcher_fit();
    screen.画面_再描画();
    初期設定_棋譜(g, hist);  // the starting position becomes history entry 0
}

void Form1::終了処理() {
    // Runs once: 終わり followed by the window's own close must not free twice.
    if (sound_released_) return;
    sound_released_ = true;
    解放_サウンド(pf, oto);
}

void Form1::end_program() {
    think_stop_ = true;  // a search in progress ends at once
    study_->stop_all();
    終了処理();
    quit_requested_ = true;
    pf.app.quit();
}

void Form1::OWARI_Click() {
    end_program();
}

void Form1::Form_KeyPress(int key_ascii) {
    if (key_ascii == 27 && study_->escape()) return;  // Esc ends a hint's search only
    if (key_ascii == 27) end_program();
}

void Form1::Form_Unload() {
    if (quit_requested_) return;  // already ended by 終わり or Esc
    end_program();
}

void Form1::チェック設定(int code) {
    struct Item {
        std::string_view name;
        int code;
    };
    static constexpr Item kItems[] = {{"MIDORI", HAIKEI_MIDORI},
                                      {"TAKE", HAIKEI_TAKE},
                                      {"TATAMI", HAIKEI_TATAMI},
                                      {"UCHU", HAIKEI_UCHU},
                                      {"RENGA", HAIKEI_RENGA}};
    for (const Item& it : kItems) pf.menu.setChecked(it.name, false);
    for (const Item& it : kItems) {
        if (it.code == code) pf.menu.setChecked(it.name, true);
    }
}

}  // namespace murokan
