// Checks of a position given from outside.
#include "record/position_check.h"

#include "core/rules.h"
#include "record/paste_messages.h"

namespace murokan {

namespace {

namespace 文言 = 貼付文言;

// Names by kind 1..7 as the hands count them, and 8 for the king.
constexpr std::string_view kNames[] = {"", "歩", "香", "桂", "銀", "金", "角", "飛", "王"};
// How many of each kind the set holds.
constexpr int kInSet[] = {0, 18, 4, 4, 4, 4, 2, 2, 2};
// Full-width digits and kanji numerals, for a square written as "１一".
constexpr std::string_view kFiles[] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr std::string_view kRanks[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Kind 1..8 of a board code, promoted or not, 0 for an empty square.
int kind_of(int code) {
    const int a = code < 0 ? -code : code;
    return a == OU ? 8 : a / 10;
}

std::string side_name(bool bottom) {
    return std::string(bottom ? 文言::先手 : 文言::後手);
}

std::string kings(const Position& p) {
    for (const bool bottom : {true, false}) {
        int count = 0;
        for (int x = 1; x <= BAN_SIZE; ++x) {
            for (int y = 1; y <= BAN_SIZE; ++y) count += p.ban[x][y] == (bottom ? -OU : OU);
        }
        if (count != 1) {
            return side_name(bottom) + "の王" +
                   std::string(count == 0 ? 文言::王なし : 文言::王複数);
        }
    }
    return {};
}

std::string counts(const Position& p) {
    int count[9] = {};
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) ++count[kind_of(p.ban[x][y]) % 9];
    }
    for (int k = 1; k <= 7; ++k) {
        count[k] += p.mochi_ji[k] + p.mochi_teki[k];
        if (count[k] > kInSet[k]) {
            return std::string(kNames[k]) + std::string(文言::多すぎ) +
                   std::to_string(kInSet[k]) + std::string(文言::枚まで);
        }
    }
    return {};
}

std::string stuck(const Position& p) {
    for (int y = 1; y <= BAN_SIZE; ++y) {
        for (int x = BAN_SIZE; x >= 1; --x) {
            const int code = p.ban[x][y];
            if (code != KARA && 移動後チェック(y, code) == FLAG_OFF) {
                return std::string(kFiles[10 - x]) + std::string(kRanks[y]) + "の" +
                       std::string(kNames[kind_of(code)]) + std::string(文言::動けない);
            }
        }
    }
    return {};
}

std::string two_pawns(const Position& p) {
    for (const bool bottom : {true, false}) {
        for (int x = BAN_SIZE; x >= 1; --x) {
            int pawns = 0;
            for (int y = 1; y <= BAN_SIZE; ++y) pawns += p.ban[x][y] == (bottom ? -HU : HU);
            if (pawns > 1) {
                return side_name(bottom) + "の歩が" + std::string(kFiles[10 - x]) +
                       std::string(文言::二歩);
            }
        }
    }
    return {};
}

}  // namespace

std::string 調査_局面(const Position& p) {
    if (p.teban == TEBAN_NASHI || (p.teban != p.ji_teban && p.teban != p.teki_teban))
        return std::string(文言::手番なし);
    for (auto check : {kings, counts, stuck, two_pawns}) {
        std::string fault = check(p);
        if (!fault.empty()) return fault;
    }
    return {};
}

}  // namespace murokan
