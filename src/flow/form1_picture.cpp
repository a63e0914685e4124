// 画像保存: the position in view, both hands and the last move's mark as a
// PNG picture through a save dialog, at 1x or 2x, or on the clipboard.
#include "flow/form1.h"
#include "record/history_game.h"
#include "ui/board_picture.h"

namespace murokan {

namespace {

constexpr std::string_view kTitle = "画像保存";
constexpr std::string_view kFailed = "画像を保存できませんでした";
constexpr std::string_view kSuggested = "局面図.png";

}  // namespace

bool Form1::picture_draw() {
    if (!board_image_) return false;
    const 履歴手順 game = 取得_履歴手順(hist, g);
    int side = 0, x = 0, y = 0, code = KARA;
    if (!game.moves.empty()) {
        const Move& m = game.moves.back();
        side = m.piece < 0 ? g.ji_teban : g.teki_teban;
        x = m.x2;
        y = m.y2;
        code = placed_code(m);
    }
    Screen s(ScreenLinks{board_image_->fresh(), pf.dialogs, pf.clock, pf.sound, oto_shoumetsu,
                         pf.menu, g, opt});
    描画_局面図(s, opt.haikei, side, x, y, code);
    return true;
}

bool Form1::画像_保存(std::string_view path, int scale) {
    return picture_draw() && board_image_->savePng(局面図_範囲(), scale, path);
}

namespace {

// Asks for a file and writes the picture at `scale`; a failed write is said.
void save_picture(Form1& form, platform::SaveDialog* dialog, int scale) {
    if (!dialog) return;
    const std::string path = dialog->askSavePath(kTitle, kSuggested);
    if (path.empty()) return;
    if (!form.画像_保存(path, scale)) {
        form.play(form.oto_kinshi);
        form.pf.dialogs.message(kTitle, kFailed, platform::Icon::Exclamation);
    }
}

}  // namespace

void Form1::GAZOU1_Click() {
    save_picture(*this, save_dialog_, 1);
}

void Form1::GAZOU2_Click() {
    save_picture(*this, save_dialog_, 2);
}

void Form1::GAZOU_COPY_Click() {
    if (picture_draw()) board_image_->copyImage(局面図_範囲(), 1);
}

}  // namespace murokan
