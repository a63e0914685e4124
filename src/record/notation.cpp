#include "record/notation.h"

#include <cstdlib>

#include "core/constants.h"

namespace murokan {

std::string_view 文字列変換(int n) {
    static constexpr std::string_view kSuji[] = {"１", "２", "３", "４", "５",
                                                 "６", "７", "８", "９"};
    static constexpr std::string_view kDan[] = {"一", "二", "三", "四", "五",
                                                "六", "七", "八", "九"};
    if (n >= 1 && n <= 9) return kSuji[n - 1];
    if (n >= 1001 && n <= 1009) return kDan[n - 1001];
    if (n < -OU || n > OU) return {};
    switch (std::abs(n)) {
        case HU:
            return "歩";
        case HU_NARI:
            return "と";
        case KYOU:
            return "香";
        case KYOU_NARI:
            return "香成";
        case KEI:
            return "桂";
        case KEI_NARI:
            return "桂成";
        case GIN:
            return "銀";
        case GIN_NARI:
            return "銀成";
        case KIN:
            return "金";
        case KAKU:
            return "角";
        case KAKU_NARI:
            return "角成";
        case SYA:
            return "飛";
        case SYA_NARI:
            return "飛成";
        case OU:
            return "王";
        default:
            return {};
    }
}

std::string 変換_数字から文字(long long n) {
    std::string s = std::to_string(n);
    if (s.size() == 1) return "0" + s;
    if (s.size() == 2) return s;
    return {};
}

double 取得_棋譜のX座標(std::string_view utf8) {
    // Characters, not bytes: count every byte that does not continue a sequence.
    int length = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++length;
    }
    return MASU_W * (3 + (13 - length) / 5.0) + BAN_X0;
}

}  // namespace murokan
