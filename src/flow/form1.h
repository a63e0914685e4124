// Form1, the main window: it owns every piece of state for the whole run and
// hosts every event handler of the game. The window itself (Qt or the
// recording fake) delivers its events through platform::EventSink; everything
// else is plain member data that the handlers read and write directly.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/movegen.h"
#include "game/game.h"
#include "game/player.h"
#include "platform/analysis_panel.h"
#include "platform/background.h"
#include "platform/board_image.h"
#include "platform/clipboard.h"
#include "game/player_record.h"
#include "platform/data_folders.h"
#include "platform/platform.h"
#include "platform/record_panel.h"
#include "record/history.h"
#include "record/position_editor.h"
#include "record/position_text.h"
#include "record/record_messages.h"
#include "settings/options.h"
#include "sound/sound.h"
#include "ui/screen.h"

namespace murokan {

class Study;

// Who makes a move: the human at the mouse, or the computer.
enum class Mover : std::uint8_t { human, computer };

// A budget that replaces the searching levels' own when either part is set
// (never negative). A node budget alone makes a game come out the same on
// any machine.
struct SearchBounds {
    std::int64_t nodes = 0;  // 0: none
    int movetime_ms = 0;     // 0: none
    unsigned seed = 0;       // the levels' random draws; 0: afresh for each game
};

// The caption of a menu item: a searching level's name with its rating
// ("LEVEL6 (R 820)"), any other item's own caption.
std::string level_caption(std::string_view name, std::string_view caption);

// What the computer is made with under these bounds: when either part is
// set, both replace the level's own budget (form1_think.cpp).
PlayerOptions player_options(const SearchBounds& bounds);

class Form1 : public platform::EventSink {
  public:
    // Builds the menu bar; nothing else happens until Form_Load.
    explicit Form1(platform::Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // ------------------------------------------------------------ window events
    // The window's events, translated to the handlers below.
    void mouseDown(int button, double x, double y) override;
    void mouseUp(int button, double x, double y) override;
    void menuClicked(std::string_view name) override;
    void menuShortcut(std::string_view name) override;
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
    void LEVEL4_Click();
    void LEVEL5_Click();
    void LEVEL6_Click();
    void LEVEL7_Click();
    void LEVEL8_Click();
    void LEVEL9_Click();
    void LEVEL10_Click();
    void OWARI_Click();

    // Frees the sound buffers and shuts the sound library down.
    void 終了処理();
    // Ticks the background menu item of `code` (5..9) and unticks the others.
    void チェック設定(int code);
    // The whole initial setup: state, timer stop, redraw, history entry 0.
    void 初期設定();
    // Ticks LEVELn and sets com_level (n in 1..10); draws the level in a
    // computer game.
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
    // A name typed into Text2..Text4 is shown as a record file will give it back.
    void Text_Change(platform::PanelItem box);
    // Shows or hides the drive, directory and file lists.
    void 描画_可視(bool drive, bool dir, bool file);
    // Mode 0 shows the text boxes of the panel; any other mode empties and hides them.
    void 描画_棋譜_IO(int mode);
    // Erases what loading a record printed outside the board.
    void 描画_棋譜読込み部分消去();
    // Gives Form1 the panel's controls and sends the panel's events to the
    // handlers above. The window (or the driver) attaches it before Form_Load;
    // without a panel those handlers act on nothing.
    void attachRecordPanel(platform::RecordPanel& p);

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
    // Ticks, paints and applies the default options (緑, guidance off, elapsed
    // time on, music on), as a settings file that cannot be read asks.
    void 設定_既定値適用();

    // ------------------------------------------------------------ その他 menu
    void SONOTA_Click();
    void KAISETU_Click();
    void VER_Click();
    // 成績: the player's record against the computer (form1_record.cpp).
    void SEISEKI_Click();

    // ------------------------------------------------------------ learning from the computer
    // ヒント, 検討 and 棋譜解析 at the end of the 局面 menu (form1_study.cpp).
    void HINT_Click();
    void KENTOU_Click();
    void KAISEKI_Click();
    // Gives 検討 and 棋譜解析 their panel, background worker and clipboard;
    // without them only the hint works.
    void attachStudy(platform::AnalysisPanel& panel, platform::Background& background,
                     platform::Clipboard& clipboard);
    Study& study() { return *study_; }
    // ------------------------------------------------------------ 編集 menu
    // コピー and 貼り付け (form1_paste.cpp), 局面編集 (form1_edit.cpp), 画像保存
    // (form1_picture.cpp).
    void HENSHU_Click();
    void COPY_Click();
    void PASTE_Click();
    void KYOKUMEN_HENSHU_Click();
    void HENSHU_KAISHI_Click();  // 開始
    void HENSHU_HIRATE_Click();  // 平手の配置
    void HENSHU_KARA_Click();    // 盤を空にする
    void HENSHU_TEBAN_Click();   // 手番を変える
    void HENSHU_OWARI_Click();   // 終了
    void HENSHU_CHUSHI_Click();  // 中止
    void GAZOU_Click();
    void GAZOU1_Click();      // 等倍
    void GAZOU2_Click();      // 2倍
    void GAZOU_COPY_Click();  // 画像をコピー
    // Gives Form1 the clipboard, the off-screen picture and the save dialog;
    // without them コピー, 貼り付け and 画像保存 do nothing.
    void attachSharing(platform::Clipboard& clipboard, platform::BoardImage& image,
                       platform::SaveDialog& save);
    // The two lines of コピー: the position in view and the game up to it.
    std::string コピー文字列() const;
    // 貼り付け of `text`: a refusal is shown and changes nothing; a game
    // running is asked about first. True when the text became the game.
    bool 貼付(std::string_view text);
    // The editor's state while 局面編集 runs, nullptr otherwise.
    const 局面編集* editor() const { return editor_.get(); }
    // A click on the window while 局面編集 runs (form1_edit_click.cpp).
    void edit_click(int button, double x, double y);
    // Sets a hand's count in the editor and shows it; false when not editing
    // or the count is out of range.
    bool edit_hand(bool bottom, int kind, int count);
    // Draws the board in view off the screen and writes it as a PNG at
    // `scale` (1 or 2) to `path`; false when it cannot be written.
    bool 画像_保存(std::string_view path, int scale);

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

    // ------------------------------------------------------------ turns
    // The computer's turn (form1_com.cpp): the thinking indicator and the
    // running clock while it chooses, then its move through play_turn. Does
    // nothing once the game is over; without a move to play, the turn passes.
    void com_ban();
    // The one way a move enters the game, the human's second click and the
    // computer's reply alike (form1_turn.cpp). Refused while the game is at
    // its ply limit (the history is full); otherwise the position is stored,
    // the game plays the move, the screen and sounds show it, a taken king
    // ends the game, or the turn passes (to the computer, which then replies
    // inside this call). A move the game finds illegal is ignored: the caller
    // has asked it already.
    void play_turn(const Move& m, Mover who);
    // What LEVEL4 and LEVEL5 search with: search_bounds when set, else the
    // level's own budget.
    SearchLimits search_limits() const;
    // Stores the current position as history entry kifu_genzai (record files).
    void 手順保存(int x1, int y1, int x2, int y2, int koma, int toru, float ji_mae, float ji_ato,
                  float teki_mae, float teki_ato);

    // ============================================================ state
    platform::Platform& pf;

    // Game state: board, hands, turn, flags, clocks.
    GameState g;

    // Move history: a snapshot of every position of the game, and its end marker.
    History hist;

    // The computer player: its influence maps and the scratch values of one
    // turn, and the searcher of LEVEL4/5, made on their first turn and kept
    // for the run; whichever level plays goes on with them.
    PlayerScratch com;

    // Option state besides the menu ticks: background picture and guidance.
    Options opt;

    // Sound buffers, from the sound library at start-up; 0 = not loaded.
    Oto oto;
    int& oto_sonota = oto.oto_sonota;        // "その他.wav": the about box
    int& oto_kinshi = oto.oto_kinshi;        // "禁止.wav": every refusal
    int& oto_koma = oto.oto_koma;            // "駒打音.wav": a piece placed
    int& oto_bgm = oto.oto_bgm;              // "BGM.wav": the looping music
    int& oto_shoumetsu = oto.oto_shoumetsu;  // "消滅.wav": a sandwiched piece vanishes

    // Every drawing procedure of the window.
    Screen screen;

    // Mouse selection (click_dankai itself lives in g).
    int sel_x = 0, sel_y = 0;  // selected board square or hand-stand cell
    int sel_koma = 0;          // its signed code
    int to_x = 0, to_y = 0;    // destination; during the strike chain the striker

    // The directory that was current at start-up; the help page is found there.
    std::string startup_dir;
    // Where the shipped help page is found when the start-up folder has none.
    std::filesystem::path data_dir = platform::data_folder();

    // The record panel's controls; null until attachRecordPanel.
    platform::RecordPanel* panel = nullptr;

    // Set by the driver only; the game itself searches with the levels' budgets.
    SearchBounds search_bounds;

    // The player's record against the computer and the file it is kept in
    // (empty: this run only); the window's start names the user's file
    // before Form_Load (form1_record.cpp).
    std::filesystem::path record_file;
    PlayerRecord record;
    // Counts a finished game against the computer for the level it was
    // played at, once per game, and writes the record.
    void record_game(GameOutcome outcome);
    // What the computer plays with this game: the bounds, and its draws
    // seeded by search_bounds.seed or by this game's own seed.
    PlayerOptions com_options() const;

  private:
    // The option handlers' steps (form1_options.cpp).
    void background_click(int code);
    void guidance_set(bool on);  // SIDOU tick, shidou and shidou_iro together
    void bgm_set(bool on);       // BGM tick and the music
    // Where 解説 finds the help page (form1_help.cpp).
    std::string help_page_path() const;
    // The 局面 menu's steps (form1_replay.cpp): entry p shown with these clock totals.
    void replay_show(int p, float teki_jikan, float ji_jikan);
    // The record panel's steps (form1_panel.cpp).
    void show_messages(const std::vector<棋譜メッセージ>& boxes);
    std::unique_ptr<platform::RecordPanelEvents> panel_events_;
    std::string panel_drive_;  // the drive whose folders Dir1 shows

    // A long thinker's choice, made on the platform's worker while the
    // window stays alive (form1_think.cpp); nullopt when there is no move.
    std::optional<Move> think_on_worker(Player& player, const Position& p);
    // Readies the searcher, its table sized for the level's budget, while a
    // game against a searching level runs, and frees it otherwise: its table
    // is the largest thing the game holds (form1_think.cpp).
    void searcher_fit();
    // A game against the computer starts from its first move: the computer
    // forgets the games before it (form1_think.cpp).
    void com_new_game();
    // Ends a search in progress; set by Esc and closing the window.
    std::atomic<bool> think_stop_{false};
    // This game's seed of the levels' draws, and whether its end is counted.
    unsigned game_seed_ = 1;
    bool game_counted_ = false;
    // A new game is about to start: a fresh seed, nothing counted yet.
    void record_game_start();

    // The level items and one step of the handicap ladder (form1_level.cpp).
    void level_click(int n);
    void handicap_step(int step);  // +1 "△", -1 "▽"

    void build_menu();
    void end_program();
    // The steps of Form_MouseDown.
    bool own_piece(int code) const;    // a piece of the side to move
    bool other_piece(int code) const;  // a piece of the side not to move
    void click_select(int cx, int cy);
    bool selection_present() const;  // the selected piece still stands where it was taken
    void click_destination(int cx, int cy, int button);
    void try_move(int button);
    // The game the board shows (form1_game.cpp). The board, the hands and
    // the side to move are the game's; the clocks, the modes and the click
    // state stay in g and here, as the window's own.
    Game game_;
    // The game, with `side` to move, as the board shows it. When anything but
    // a turn has changed the board since the game's last move (a new board,
    // the handicap ladder, 反転, a record loaded, the driver), or `side` is
    // not to move in it (the computer always plays the top side), it starts
    // over from the board with `side` to move, counted as having lasted
    // kifu_genzai plies. A board stepped back to one of the game's own
    // positions keeps the positions before it as the game's history.
    Game& game_for_turn(int side);
    // The steps of play_turn that differ by mover (form1_turn.cpp).
    bool history_full_refused(const Game& game, Mover who);
    void selection_spent(const Move& m);
    void human_clock_closed(int mover);
    void com_hand_over();
    void click_outside(int cx, int cy);
    void select_hand(int stand_x, int row, int code, int stand_side);
    bool quit_requested_ = false;
    bool sound_released_ = false;  // 終了処理 has freed the buffers
    // A press that a release on another cell turns into a second click
    // (form1_drag.cpp); button 0 while there is none.
    struct DragStart {
        int button = 0;
        Cell from{0, 0};
    };
    DragStart drag_;
    // Shared rather than unique only so that Study may stay incomplete here.
    std::shared_ptr<Study> study_;

    // The 編集 menu's seams and state (form1_paste.cpp, form1_edit*.cpp).
    platform::Clipboard* clipboard_ = nullptr;
    platform::BoardImage* board_image_ = nullptr;
    platform::SaveDialog* save_dialog_ = nullptr;
    std::unique_ptr<局面編集> editor_;
    // Makes a pasted or edited game the one in view: its positions the
    // history, its last position on the board, ready to step through or to
    // play on from.
    void adopt_game(const 貼付結果& game);
    // While 局面編集 runs, every menu item but the editor's own, 解説 and the
    // options is refused with a message; true when `name` was refused.
    bool edit_refuses(std::string_view name);
    // The editor's board, hands and palette, drawn afresh.
    void edit_draw();
    // Draws the position in view, both hands and the last move's mark onto
    // the off-screen canvas; false without one.
    bool picture_draw();
};

}  // namespace murokan
