// The record file format (".棋譜"), as bytes: three header lines, then one
// 277-character line per history entry 1..n, every line ending in CR LF.
// Headers are CP932 text; entry lines are plain ASCII of fixed layout:
//   81 board fields of 3 (column 1..9 outer, row 1..9 inner), right-aligned;
//   14 hand fields of 1, kind 1..7, bottom then top: "0".."9", then "A".."I"
//   for 10..18 (all eighteen pawns can end up in one hand);
//   4 time fields of 5 (bottom before/after, top before/after), whole seconds
//   0..99999, right-aligned.
// Nothing here touches a file or the game; record_file.h does that.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules.h"
#include "record/history.h"
#include "record/record_messages.h"

namespace murokan {

inline constexpr int 棋譜行_長さ = 277;
inline constexpr int 棋譜_見出し行数 = 3;
inline constexpr int 持駒_最大 = 18;     // the most pieces of one kind a hand can hold
inline constexpr int 時間_最大 = 99999;  // the most seconds a time field holds
// No valid record comes near this; larger files are refused unread.
inline constexpr std::size_t 棋譜_最大バイト数 = 1 << 20;

// One entry as read from a file, before it joins the history.
struct 棋譜局面 {
    int ban[10][10] = {};  // [x][y], 1..9 used
    int mochi_ji[8] = {};
    int mochi_teki[8] = {};
    float ji_mae = 0, ji_ato = 0, teki_mae = 0, teki_ato = 0;
};

// 作成_棋譜行: entry n of the history as its 277-character line, without the
// line end. A time is written in whole seconds (fraction dropped), a negative
// one as 0 and one above 99999 as 99999. nullopt when the entry holds
// something no line can carry (a code no piece has, a hand count outside
// 0..18); writing is then refused rather than producing a file that reads back
// differently.
std::optional<std::string> 作成_棋譜行(const History& h, int n);

enum class 行エラー { なし, 駒, 持駒, 時間, 王 };

// Reads one entry line into `out`. A field made of blanks, or lying wholly or
// partly beyond the end of a short line, reads as 0; characters after position
// 277 are ignored. Anything else that is not a number of its field's kind, a
// code no piece has, or two kings of one side is an error.
行エラー 解析_棋譜行(std::string_view line, 棋譜局面& out);

// The whole file: CP932 header lines (already converted and checked) and
// entries 1..last of the history. nullopt when an entry cannot be written.
std::optional<std::string> 作成_棋譜ファイル(const History& h, int last,
                                             const std::array<std::string, 3>& cp932_headers);

struct 棋譜解析結果 {
    std::optional<棋譜メッセージ> 拒否;  // set when the file is refused whole
    std::array<std::string, 3> 見出し;   // UTF-8; missing lines are empty
    std::vector<棋譜局面> 局面;          // entries 1..n, in order
};

// Reads a whole file's bytes. Lines end in CR LF, CR or LF. Blank (or
// all-space) lines after the last entry line are ignored. Refused: more than
// 棋譜_最大バイト数 bytes, more than MAX_KIFU entry lines, a blank line with
// entry lines after it, or a bad entry line (the message names its line number
// in the file, headers counted).
棋譜解析結果 解析_棋譜(std::string_view bytes);

}  // namespace murokan
