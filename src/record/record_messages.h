// Every message box of record writing and loading, in one place. The record
// functions return the boxes to show; Form1 shows them through the platform's
// Dialogs, the script driver prints them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace murokan {

// The icon of a record box: records know nothing of the window, so Form1
// turns this into the dialog's own icon.
enum class 棋譜アイコン : std::uint8_t { None, Exclamation };

struct 棋譜メッセージ {
    std::string title;
    std::string text;
    棋譜アイコン icon = 棋譜アイコン::None;

    bool operator==(const 棋譜メッセージ&) const = default;
};

namespace 棋譜文言 {

// Titles.
inline constexpr std::string_view 題_空白 = "  ";  // two blanks
inline constexpr std::string_view 題_棋譜書込 = "棋譜書込";
inline constexpr std::string_view 題_棋譜保存 = "棋譜保存";
inline constexpr std::string_view 題_棋譜 = "棋譜";

// Refusals of the 書込 menu item.
inline constexpr std::string_view 反転後 = "反転後は書き込みできません";
inline constexpr std::string_view ハンデ後 = "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません";

// Writing.
inline constexpr std::string_view ファイル名なし = "ﾌｧｲﾙ名が入力されていません";
inline constexpr std::string_view データなし = "保存するデータがありません";
inline constexpr std::string_view 書込完了 = "棋譜を書き込みました";
inline constexpr std::string_view ファイル名不正文字 = "ﾌｧｲﾙ名に使えない文字が含まれています";
inline constexpr std::string_view ファイル名不正 = "そのﾌｧｲﾙ名は使えません";
inline constexpr std::string_view 名前不正文字 =
    "対局名・先手・後手の名前に使えない文字が含まれています";
inline constexpr std::string_view 局面不正 = "保存できない局面があるため書き込めません";
inline constexpr std::string_view 書込失敗 = "棋譜ﾌｧｲﾙを書き込めませんでした";

// Loading.
inline constexpr std::string_view 読込完了 = " 読み込みました";  // leading blank
inline constexpr std::string_view 進めて下さい = "棋譜を '進 'で進めて下さい";
inline constexpr std::string_view 読込データなし = "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
inline constexpr std::string_view 読込失敗 = "棋譜ﾌｧｲﾙを読み込めませんでした";
inline constexpr std::string_view 大きすぎ = "棋譜ﾌｧｲﾙが大きすぎます";
inline constexpr std::string_view 手数超過 = "棋譜ﾌｧｲﾙの手数が多すぎます（500手まで）";
// Bad entry lines: "棋譜ﾌｧｲﾙの<n>行目" followed by one of these.
inline constexpr std::string_view 行目_駒 = "に使えない駒ｺｰﾄﾞがあります";
inline constexpr std::string_view 行目_持駒 = "の持駒の数が読めません";
inline constexpr std::string_view 行目_時間 = "の時間が読めません";
inline constexpr std::string_view 行目_王 = "に同じ側の王が２枚以上あります";
inline constexpr std::string_view 行目_空白 = "が空白です";  // a blank line with entries after it

// A move that no longer fits the history.
inline constexpr std::string_view 満杯 = "手数が500手に達したため、これ以上指せません";

}  // namespace 棋譜文言

}  // namespace murokan
