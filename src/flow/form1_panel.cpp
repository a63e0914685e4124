// The 棋譜 menu and the record panel: opening and closing the panel, moving
// through drives and folders, writing the history to a ".棋譜" file (RETURN)
// and loading one (a click in the file list).
#include "files/cp932.h"
#include "flow/form1.h"
#include "platform/record_panel.h"
#include "record/notation.h"
#include "record/record_file.h"

namespace murokan {

namespace {

using platform::PanelItem;

constexpr PanelItem kTextBoxes[] = {PanelItem::Text1, PanelItem::Text2, PanelItem::Text3,
                                    PanelItem::Text4};
constexpr PanelItem kWritingControls[] = {
    PanelItem::Text1,    PanelItem::Text2,    PanelItem::Text3,
    PanelItem::Text4,    PanelItem::Label1_0, PanelItem::Label1_1,
    PanelItem::Label1_2, PanelItem::Label1_3, PanelItem::Command1};

// Sends the panel's events to Form1's handlers of the same names.
class PanelEvents : public platform::RecordPanelEvents {
  public:
    explicit PanelEvents(Form1& form) : form_(form) {}
    void Drive1_Change() override { form_.Drive1_Change(); }
    void Dir1_Change() override { form_.Dir1_Change(); }
    void File1_Click() override { form_.File1_Click(); }
    void Command1_Click() override { form_.Command1_Click(); }
    void Text_Change(PanelItem box) override { form_.Text_Change(box); }

  private:
    Form1& form_;
};

// The dialog's icon for a record box's.
platform::Icon dialog_icon(棋譜アイコン icon) {
    return icon == 棋譜アイコン::Exclamation ? platform::Icon::Exclamation : platform::Icon::None;
}

}  // namespace

void Form1::attachRecordPanel(platform::RecordPanel& p) {
    panel = &p;
    panel_events_ = std::make_unique<PanelEvents>(*this);
    panel->setEvents(panel_events_.get());
    panel_drive_ = panel->drive();
}

void Form1::show_messages(const std::vector<棋譜メッセージ>& boxes) {
    for (const 棋譜メッセージ& m : boxes) pf.dialogs.message(m.title, m.text, dialog_icon(m.icon));
}

void Form1::描画_可視(bool drive, bool dir, bool file) {
    if (!panel) return;
    panel->setVisible(PanelItem::Drive1, drive);
    panel->setVisible(PanelItem::Dir1, dir);
    panel->setVisible(PanelItem::File1, file);
}

void Form1::描画_棋譜_IO(int mode) {
    if (!panel) return;
    if (mode != 0) {
        for (PanelItem box : kTextBoxes) panel->setText(box, "");
    }
    for (PanelItem item : kWritingControls) panel->setVisible(item, mode == 0);
}

void Form1::描画_棋譜読込み部分消去() {
    screen.描画_桝_数値();
    screen.描画_絵(opt.haikei, -1, 10);
    screen.描画_絵(opt.haikei, 0, 10);
    for (int x = 1; x <= BAN_SIZE; ++x) screen.描画_絵(opt.haikei, x, 10);
    for (int x = 1; x <= BAN_SIZE; ++x) screen.描画_桝輪郭(BAN_IRO, x, 9);
}

void Form1::KIFU_WRITE_Click() {
    if (const auto refusal = 調査_棋譜書込可否(g)) {
        show_messages({*refusal});
        return;
    }
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void Form1::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Form1::Dir1_Change() {
    if (!panel) return;
    panel->setFilePath(panel->dirPath());
}

void Form1::Drive1_Change() {
    if (!panel) return;
    if (panel->setDirPath(panel->drive())) {
        panel_drive_ = panel->drive();
        Dir1_Change();
        return;
    }
    // The lists keep what they showed, and so does the drive list.
    panel->setDrive(panel_drive_);
    msg("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
}

void Form1::Text_Change(PanelItem box) {
    // The names go into the file in CP932, which stores some characters under
    // the code of another (〜 comes back as ～). The file name stays as typed:
    // it is the folder's own, never converted.
    if (!panel || box == PanelItem::Text1) return;
    const std::string typed = panel->text(box);
    const std::string shown = CP932往復形(typed);
    if (shown != typed) panel->setText(box, shown);
}

void Form1::Command1_Click() {
    if (!panel) return;
    棋譜書込指定 shitei;
    shitei.folder = パス_UTF8(panel->filePath());
    shitei.file_name = panel->text(PanelItem::Text1);
    shitei.game_name = panel->text(PanelItem::Text2);
    shitei.sente_name = panel->text(PanelItem::Text3);
    shitei.gote_name = panel->text(PanelItem::Text4);
    const 棋譜書込結果 result = 書込_棋譜(g, hist, shitei);
    if (result.書込済) {
        描画_可視(false, false, false);
        描画_棋譜_IO(1);
        panel->refreshFiles();
    }
    show_messages(result.messages);
}

void Form1::File1_Click() {
    if (!panel) return;
    const std::string name = panel->fileName();
    const std::filesystem::path file = パス_UTF8(panel->filePath()) / パス_UTF8(name);
    描画_可視(false, false, false);
    const 棋譜読込結果 result = 読込_棋譜(g, hist, file, [this] { 初期設定(); });
    if (result.置換済) {
        // The game name in light red under the board's left part, the player
        // names in white above and below the board.
        struct Header {
            double dx;
            double y;
            int colour;
        };
        constexpr Header kPlaces[] = {
            {-3000, 6350, IRO_AKA}, {0, 100, IRO_SHIRO}, {0, 6350, IRO_SHIRO}};
        for (int i = 0; i < 3; ++i) {
            const std::string& line = result.見出し[i];
            const double x = 取得_棋譜のX座標(line) + kPlaces[i].dx;
            screen.描画_移動駒種類((x - BAN_X0) / MASU_W, (kPlaces[i].y - BAN_Y0) / MASU_H, line,
                                   kPlaces[i].colour);
        }
    }
    show_messages(result.messages);
}

}  // namespace murokan
