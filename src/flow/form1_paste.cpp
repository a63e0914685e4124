// The 編集 menu's コピー and 貼り付け: the position in view and the game up to
// it as text on the clipboard, and text from the clipboard made the game.
#include "flow/form1.h"
#include "record/history_game.h"
#include "record/paste_messages.h"

namespace murokan {

namespace {

constexpr std::string_view kAskReplace = "対局中です。貼り付けた局面に替えますか？";

}  // namespace

void Form1::attachSharing(platform::Clipboard& clipboard, platform::BoardImage& image,
                          platform::SaveDialog& save) {
    clipboard_ = &clipboard;
    board_image_ = &image;
    save_dialog_ = &save;
}

void Form1::HENSHU_Click() {
    描画_可視(false, false, false);
    描画_棋譜_IO(1);
}
void Form1::KYOKUMEN_HENSHU_Click() {}
void Form1::GAZOU_Click() {}

std::string Form1::コピー文字列() const {
    const 履歴手順 game = 取得_履歴手順(hist, g);
    return 作成_コピー文字列(game.start, game.moves);
}

void Form1::COPY_Click() {
    if (clipboard_) clipboard_->setText(コピー文字列());
}

void Form1::PASTE_Click() {
    if (clipboard_) 貼付(clipboard_->text());
}

bool Form1::貼付(std::string_view text) {
    const 貼付結果 game = 読込_貼付文字列(text);
    if (!game.ok()) {
        play(oto_kinshi);
        pf.dialogs.message(貼付文言::題_貼付, game.message, platform::Icon::Exclamation);
        return false;
    }
    const bool running = g.teban != TEBAN_NASHI && g.shuukyoku == 0 && g.kifu_mode == FLAG_OFF;
    if (running && !pf.dialogs.askYesNo(貼付文言::題_貼付, kAskReplace, platform::Icon::Question))
        return false;
    adopt_game(game);
    play(oto_koma);
    return true;
}

void Form1::adopt_game(const 貼付結果& game) {
    初期設定();
    const Position& last = game.last();
    static_cast<Position&>(g) = last;
    // The bottom side is 先手, as a record read from a file has it.
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    g.teban = last.teban == last.ji_teban ? TEBAN_SENTE : TEBAN_GOTE;
    設定_履歴(hist, game);
    const int n = static_cast<int>(game.moves.size());
    g.kifu_genzai = n;
    g.tesuu = n;
    // As after stepping back: the next click (or a 対局 item) plays on.
    g.saikai_machi = FLAG_ON;

    screen.画面_再描画();
    screen.描画_手数(g.tesuu, IRO_SHIRO);
    if (n > 0) {
        const Move& m = game.moves.back();
        const bool bottom_moved = m.piece < 0;
        screen.描画_移動結果(bottom_moved ? g.ji_teban : g.teki_teban, m.x2, m.y2, placed_code(m),
                             IRO_SHIRO);
    }
    pf.canvas.refresh();
}

}  // namespace murokan
