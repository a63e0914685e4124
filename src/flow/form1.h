// Form1, the main window: it owns every piece of state for the whole run and
// hosts every event handler of the game. The window itself (Qt or the
// recording fake) delivers its events through platform::EventSink; everything
// else is plain member data that the handlers read and write directly.
#pragma once

#include <string>
#include <string_view>

#include "ai/maps.h"
#include "core/game_state.h"
#include "platform/platform.h"
#include "settings/options.h"
#include "ui/screen.h"

namespace murokan {

class Form1 : public platform::EventSink {
  public:
    // Builds the menu bar; nothing else happens until Form_Load.
    explicit Form1(platform::Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // ------------------------------------------------------------ window events
    // The window's events, translated to the handlers below.
    void mouseDown(int button, double x, double y) override;
    void menuClicked(std::string_view name) override;
    void keyPress(int code) override;
    void timerTick() override;
    void unload() override;

    // Runs the handler of a menu header or item by control name; false when the
    // name belongs to no control.
    bool dispatchMenu(std::string_view name);

    // ------------------------------------------------------------ start-up, 対局 menu
    void Form_Load();
    void Form_Unload();
    void Form_KeyPress(int key_ascii);
    // The only entry for human moves. Button 1 left, 2 right, anything else is
    // taken as left; Shift is unused; x, y in twips.
    void Form_MouseDown(int button, int shift, double x, double y);
    void Timer1_Timer();

    void TAIKYOKU_Click();
    void MATCH_MAN_Click();
    void START_Click();
    void START2_Click();
    void SENTE_Click();
    void GOTE_Click();
    void LEVEL_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void OWARI_Click();

    // Frees the sound buffers and shuts the sound library down.
    void 終了処理();
    // Ticks the background menu item of `code` (5..9) and unticks the others.
    void チェック設定(int code);
    // The whole initial setup: state, timer stop, redraw, history entry 0.
    void 初期設定();
    // Ticks LEVELn and sets com_level; draws the level in a computer game.
    void レベル_設定(int n);

    // ------------------------------------------------------------ 局面 menu
    void STOP_Click();
    void CANCEL_Click();      // 最初
    void REPLAY_Click();      // 戻
    void AFTER_Click();       // 進
    void REVERSE_Click();     // 反転
    void LBEL_UP_Click();     // △
    void LEBEL_DOWN_Click();  // ▽

    // ------------------------------------------------------------ 棋譜 menu, record panel
    void KIFU_Click();
    void KIFU_WRITE_Click();
    void KIFU_READ_Click();
    void Command1_Click();  // "RETURN": write the record
    void File1_Click();     // a file chosen in the list: load it
    void Dir1_Change();
    void Drive1_Change();
    // Shows or hides the drive, directory and file lists.
    void 描画_可視(bool drive, bool dir, bool file);
    // Mode 0 shows the text boxes of the panel; any other mode empties and hides them.
    void 描画_棋譜_IO(int mode);
    // Erases what loading a record printed outside the board.
    void 描画_棋譜読込み部分消去();

    // ------------------------------------------------------------ ｵﾌﾟｼｮﾝ menu, settings file
    void OPTION_Click();
    void HAIKEI_GA_Click();
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void KEIKA_Click();
    void BGM_Click();
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();

    // ------------------------------------------------------------ その他 menu
    void SONOTA_Click();
    void KAISETU_Click();
    void VER_Click();

    // ------------------------------------------------------------ helpers of the flow
    // Stops Timer1 / starts it.
    void timer_stop();
    void timer_start();
    // The system clock reading, single precision as the game keeps it.
    float Timer();
    // An OK box.
    void msg(std::string_view text, std::string_view title);
    // True when the 経過時間 item is ticked.
    bool keika_on() const;
    // Plays one sound effect buffer.
    void play(int buffer);
    // True once 終わり, Esc or closing the window has ended the program.
    bool quit_requested() const { return quit_requested_; }

    // ------------------------------------------------------------ links to other subsystems
    // The computer's turn: chooses, plays and announces one move of the top side.
    void com_ban();
    // Stores the current position as history entry kifu_genzai (record files).
    void 手順保存(int x1, int y1, int x2, int y2, int koma, int toru, float ji_mae, float ji_ato,
                  float teki_mae, float teki_ato);
    // kifu_saishu := 0 at start-up / := n when a game is (re)started at move n.
    void kifu_saishu_reset();
    void cut_record_at(int n);
    // The sound library and the five buffers: started first, ended last.
    void 初期化_サウンド();
    void 終了_サウンド();

    // ============================================================ state
    platform::Platform& pf;

    // Game state: board, hands, turn, flags, clocks.
    GameState g;

    // Influence maps of the computer player, refilled by 勢力調査.
    InfluenceMaps maps;

    // Option state besides the menu ticks: background picture and guidance.
    Options opt;

    // Sound buffers, from the sound library at start-up; 0 = not loaded.
    int oto_handle = 0;
    int oto_sonota = 0;     // "その他.wav": the about box
    int oto_kinshi = 0;     // "禁止.wav": every refusal
    int oto_koma = 0;       // "駒打音.wav": a piece placed
    int oto_bgm = 0;        // "BGM.wav": the looping music
    int oto_shoumetsu = 0;  // "消滅.wav": a sandwiched piece vanishes

    // Every drawing procedure of the window.
    Screen screen;

    // Mouse selection (click_dankai itself lives in g).
    int sel_x = 0, sel_y = 0;  // selected board square or hand-stand cell
    int sel_koma = 0;          // its signed code
    int to_x = 0, to_y = 0;    // destination; during the strike chain the striker

    // The directory that was current at start-up; the help page is found there.
    std::string startup_dir;

  private:
    void build_menu();
    void end_program();
    void level_click(int n);
    // The steps of Form_MouseDown.
    bool own_piece(int code) const;    // a piece of the side to move
    bool other_piece(int code) const;  // a piece of the side not to move
    void click_select(int cx, int cy);
    void click_destination(int cx, int cy, int button);
    void try_move(int button);
    void hand_over();
    void click_outside(int cx, int cy);
    void select_hand(int stand_x, int row, int code, int stand_side);
    bool quit_requested_ = false;
    bool sound_released_ = false;  // 終了処理 has freed the buffers
};

}  // namespace murokan
