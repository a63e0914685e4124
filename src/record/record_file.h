// Writing the history to a ".棋譜" file and replacing it from one: what the
// record panel's "RETURN" button and a click in its file list do, minus the
// panel itself. Each function changes only the game and history it is given
// and returns the message boxes to show, in order.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "record/history.h"
#include "record/record_messages.h"

namespace murokan {

inline constexpr std::string_view 棋譜_拡張子 = ".棋譜";

// Refusal of the 書込 menu item before the panel opens: after 反転 (checked
// first) or after a handicap was set. nullopt when writing may go ahead.
std::optional<棋譜メッセージ> 調査_棋譜書込可否(const GameState& g);

// The message box for a move refused because the history is full.
棋譜メッセージ 棋譜満杯メッセージ();

// What the panel holds when "RETURN" is pressed. Texts are UTF-8.
struct 棋譜書込指定 {
    std::filesystem::path folder;  // File1's path
    std::string file_name;         // Text1: the name without folder or extension
    std::string game_name;         // Text2
    std::string sente_name;        // Text3
    std::string gote_name;         // Text4
};

struct 棋譜書込結果 {
    bool 書込済 = false;         // the file is in place: close the panel, refresh the list
    std::filesystem::path file;  // the file written (or that would have been)
    std::vector<棋譜メッセージ> messages;
};

// Writes entries 1..kifu_saishu to folder/file_name.棋譜, including the latest
// position (保存_最新局面) so that the last move is in the file; once the file
// is in place that position is stored in h as well. The name on line 2 is the
// top side's: the 後手 name when the bottom side moves first, else the 先手
// name. Refused, with nothing written and h unchanged, for an empty, bad or
// unencodable file name, unencodable names, no moves, or a failed write. The
// file is written beside its final place and renamed over it (置換_ファイル),
// so a failed write never leaves a half-written or emptied record, and a
// record its user may not write is refused, not replaced.
棋譜書込結果 書込_棋譜(const GameState& g, History& h, const 棋譜書込指定& panel);

struct 棋譜読込結果 {
    bool 置換済 = false;                // setup ran and the record replaced the game
    int 件数 = 0;                       // entries loaded
    std::array<std::string, 3> 見出し;  // header lines (UTF-8) for printing
    std::vector<棋譜メッセージ> messages;
};

// Loads a record from bytes. The whole file is checked first; a refused file
// leaves g and h exactly as they were. Otherwise `初期設定` (the program's
// setup, which must store entry 0) runs, the bottom side becomes 先手, record
// mode is set, entries 1..n are filled, kifu_genzai = tesuu = 0, kifu_saishu =
// n and, when n > 0, teban = TEBAN_SENTE so that 進 is allowed.
棋譜読込結果 読込_棋譜データ(GameState& g, History& h, std::string_view bytes,
                             const std::function<void()>& 初期設定);

// The same from a file; an unreadable file is reported and changes nothing.
棋譜読込結果 読込_棋譜(GameState& g, History& h, const std::filesystem::path& file,
                       const std::function<void()>& 初期設定);

// A path from a UTF-8 text, whatever the platform's narrow encoding.
std::filesystem::path パス_UTF8(std::string_view utf8);

}  // namespace murokan
