// Every refusal of pasted text and of a position that cannot be played, in one
// place. The reader returns the text; the window shows it in a box titled
// 題_貼付, the script driver prints it.
#pragma once

#include <string_view>

namespace murokan::貼付文言 {

inline constexpr std::string_view 題_貼付 = "貼り付け";

// The text as a whole.
inline constexpr std::string_view 大きすぎ = "貼り付けるﾃﾞｰﾀが大きすぎます（64KBまで）";
inline constexpr std::string_view 文字以外 = "貼り付けるﾃﾞｰﾀが文字ではありません";
inline constexpr std::string_view データなし = "貼り付けるﾃﾞｰﾀがありません";
inline constexpr std::string_view 形式不明 = "貼り付けた文字は局面でも手順でもありません";
inline constexpr std::string_view 不一致 = "局面と手順が合いません";

// The position.
inline constexpr std::string_view 局面読めず = "局面が読めません";
inline constexpr std::string_view 手番なし = "局面に手番（b か w）がありません";
// "先手の王" / "後手の王" followed by one of these.
inline constexpr std::string_view 王なし = "がありません";
inline constexpr std::string_view 王複数 = "が２枚以上あります";
// "<piece>" 多すぎ "<limit>" 枚まで: "歩が多すぎます（18枚まで）".
inline constexpr std::string_view 多すぎ = "が多すぎます（";
inline constexpr std::string_view 枚まで = "枚まで）";
// "<square>の<piece>" 動けない: "１一の香はもう動けません".
inline constexpr std::string_view 動けない = "はもう動けません";
// "先手の歩が<file>" 二歩: "先手の歩が５筋に２枚あります".
inline constexpr std::string_view 二歩 = "筋に２枚あります";

// The moves: "<n>手目の <move>" followed by one of these.
inline constexpr std::string_view 手読めず = " が読めません";
inline constexpr std::string_view 手不正 = " は指せません";
inline constexpr std::string_view 王取られ = "手目の前に王が取られています";  // after "<n>"
inline constexpr std::string_view 手数超過 = "手数が多すぎます（500手まで）";

// The sides as upper-case (bottom) and lower-case (top) letters name them.
inline constexpr std::string_view 先手 = "先手";
inline constexpr std::string_view 後手 = "後手";

}  // namespace murokan::貼付文言
