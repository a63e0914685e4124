// The menu bar of the main window and the table that sends a menu click to
// its handler. Headers are in the table too, so clicking a header (opening
// the menu) runs its handler like the window does.
#include <array>

#include "flow/form1.h"
#include "flow/study.h"

namespace murokan {

namespace {

struct MenuEntry {
    std::string_view parent;   // "" for a header of the bar
    std::string_view name;     // control name
    std::string_view caption;  // what the user sees
    void (Form1::*handler)();
    std::string_view shortcut = {};  // Qt's portable key text, "" for none
};

// In the order the bar shows them: 対局, 局面, 棋譜, ｵﾌﾟｼｮﾝ, その他.
constexpr std::array kMenu = {
    MenuEntry{"", "TAIKYOKU", "対局", &Form1::TAIKYOKU_Click},
    MenuEntry{"TAIKYOKU", "MATCH_MAN", "対局(人間)", &Form1::MATCH_MAN_Click},
    MenuEntry{"MATCH_MAN", "START", "スタート", &Form1::START_Click},
    MenuEntry{"TAIKYOKU", "START2", "対局(COM)", &Form1::START2_Click},
    MenuEntry{"START2", "SENTE", "先手", &Form1::SENTE_Click},
    MenuEntry{"START2", "GOTE", "後手", &Form1::GOTE_Click},
    MenuEntry{"TAIKYOKU", "LEVEL", "COM対局ﾚﾍﾞﾙ", &Form1::LEVEL_Click},
    MenuEntry{"LEVEL", "LEVEL1", "LEVEL1", &Form1::LEVEL1_Click},
    MenuEntry{"LEVEL", "LEVEL2", "LEVEL2", &Form1::LEVEL2_Click},
    MenuEntry{"LEVEL", "LEVEL3", "LEVEL3", &Form1::LEVEL3_Click},
    MenuEntry{"LEVEL", "LEVEL_LADDER", "-", &Form1::LEVEL_Click},
    MenuEntry{"LEVEL", "LEVEL4", "LEVEL4", &Form1::LEVEL4_Click},
    MenuEntry{"LEVEL", "LEVEL5", "LEVEL5", &Form1::LEVEL5_Click},
    MenuEntry{"LEVEL", "LEVEL6", "LEVEL6", &Form1::LEVEL6_Click},
    MenuEntry{"LEVEL", "LEVEL7", "LEVEL7", &Form1::LEVEL7_Click},
    MenuEntry{"LEVEL", "LEVEL8", "LEVEL8", &Form1::LEVEL8_Click},
    MenuEntry{"LEVEL", "LEVEL9", "LEVEL9", &Form1::LEVEL9_Click},
    MenuEntry{"LEVEL", "LEVEL10", "LEVEL10", &Form1::LEVEL10_Click},
    MenuEntry{"TAIKYOKU", "OWARI", "終わり", &Form1::OWARI_Click},

    MenuEntry{"", "STOP", "局面", &Form1::STOP_Click},
    MenuEntry{"STOP", "CANCEL", "最初", &Form1::CANCEL_Click, "Home"},
    MenuEntry{"STOP", "REPLAY", "戻", &Form1::REPLAY_Click, "Left"},
    MenuEntry{"STOP", "AFTER", "進", &Form1::AFTER_Click, "Right"},
    MenuEntry{"STOP", "REVERSE", "反転", &Form1::REVERSE_Click},
    MenuEntry{"STOP", "LBEL_UP", "△", &Form1::LBEL_UP_Click},
    MenuEntry{"STOP", "LEBEL_DOWN", "▽", &Form1::LEBEL_DOWN_Click},
    MenuEntry{"STOP", "HINT", "ヒント", &Form1::HINT_Click, "H"},
    MenuEntry{"STOP", "KENTOU", "検討", &Form1::KENTOU_Click, "A"},
    MenuEntry{"STOP", "KAISEKI", "棋譜解析", &Form1::KAISEKI_Click},

    MenuEntry{"", "KIFU", "棋譜", &Form1::KIFU_Click},
    MenuEntry{"KIFU", "KIFU_WRITE", "書込", &Form1::KIFU_WRITE_Click, "Ctrl+S"},
    MenuEntry{"KIFU", "KIFU_READ", "読込", &Form1::KIFU_READ_Click, "Ctrl+O"},

    MenuEntry{"", "OPTION", "ｵﾌﾟｼｮﾝ", &Form1::OPTION_Click},
    MenuEntry{"OPTION", "HAIKEI_GA", "背景画", &Form1::HAIKEI_GA_Click},
    MenuEntry{"HAIKEI_GA", "MIDORI", "緑", &Form1::MIDORI_Click},
    MenuEntry{"HAIKEI_GA", "TATAMI", "畳", &Form1::TATAMI_Click},
    MenuEntry{"HAIKEI_GA", "TAKE", "竹", &Form1::TAKE_Click},
    MenuEntry{"HAIKEI_GA", "UCHU", "宇宙", &Form1::UCHU_Click},
    MenuEntry{"HAIKEI_GA", "RENGA", "煉瓦", &Form1::RENGA_Click},
    MenuEntry{"OPTION", "SIDOU", "移動指導", &Form1::SIDOU_Click},
    MenuEntry{"OPTION", "KEIKA", "経過時間", &Form1::KEIKA_Click},
    MenuEntry{"OPTION", "BGM", "BGM", &Form1::BGM_Click},

    MenuEntry{"", "SONOTA", "その他", &Form1::SONOTA_Click},
    MenuEntry{"SONOTA", "KAISETU", "解説", &Form1::KAISETU_Click, "F1"},
    MenuEntry{"SONOTA", "VER", "バージョン情報", &Form1::VER_Click},
    MenuEntry{"SONOTA", "SEISEKI", "成績", &Form1::SEISEKI_Click},

    MenuEntry{"", "HENSHU", "編集", &Form1::HENSHU_Click},
    MenuEntry{"HENSHU", "COPY", "コピー", &Form1::COPY_Click, "Ctrl+C"},
    MenuEntry{"HENSHU", "PASTE", "貼り付け", &Form1::PASTE_Click, "Ctrl+V"},
    MenuEntry{"HENSHU", "KYOKUMEN_HENSHU", "局面編集", &Form1::KYOKUMEN_HENSHU_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_KAISHI", "開始", &Form1::HENSHU_KAISHI_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_HIRATE", "平手の配置", &Form1::HENSHU_HIRATE_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_KARA", "盤を空にする", &Form1::HENSHU_KARA_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_TEBAN", "手番を変える", &Form1::HENSHU_TEBAN_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_OWARI", "終了", &Form1::HENSHU_OWARI_Click},
    MenuEntry{"KYOKUMEN_HENSHU", "HENSHU_CHUSHI", "中止", &Form1::HENSHU_CHUSHI_Click},
    MenuEntry{"HENSHU", "GAZOU", "画像保存", &Form1::GAZOU_Click},
    MenuEntry{"GAZOU", "GAZOU1", "等倍", &Form1::GAZOU1_Click},
    MenuEntry{"GAZOU", "GAZOU2", "2倍", &Form1::GAZOU2_Click},
    MenuEntry{"GAZOU", "GAZOU_COPY", "画像をコピー", &Form1::GAZOU_COPY_Click},
};

// The entry of a control name, nullptr for none.
const MenuEntry* find_entry(std::string_view name) {
    for (const MenuEntry& e : kMenu)
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace

void Form1::build_menu() {
    for (const MenuEntry& e : kMenu) {
        pf.menu.add(e.parent, e.name, level_caption(e.name, e.caption));
        if (!e.shortcut.empty()) pf.menu.setShortcut(e.name, e.shortcut);
    }
}

bool Form1::dispatchMenu(std::string_view name) {
    const MenuEntry* e = find_entry(name);
    if (e) (this->*e->handler)();
    return e != nullptr;
}

void Form1::menuClicked(std::string_view name) {
    if (edit_refuses(name)) return;
    dispatchMenu(name);
    study_->after_event();
}

// The menus above the item open first, outermost first, so that their own
// handlers (closing the record panel) run as they do for a click.
void Form1::menuShortcut(std::string_view name) {
    if (edit_refuses(name)) return;
    std::array<const MenuEntry*, 4> path{};
    std::size_t depth = 0;
    for (const MenuEntry* e = find_entry(name); e && depth < path.size(); e = find_entry(e->parent))
        path[depth++] = e;
    while (depth > 0) (this->*path[--depth]->handler)();
    study_->after_event();
}

// Headers and submenu headers that do nothing of their own.
void Form1::MATCH_MAN_Click() {}
void Form1::START2_Click() {}
void Form1::LEVEL_Click() {}
void Form1::KIFU_Click() {}
void Form1::HAIKEI_GA_Click() {}
void Form1::SONOTA_Click() {}

}  // namespace murokan
