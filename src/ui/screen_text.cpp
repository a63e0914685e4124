// Texts printed on the window: numbers, fixed labels, the move counter, the
// last-move notation, the clocks, the level and handicap labels, the thinking
// indicator, and the box that refuses a handicap change. Most texts are
// printed twice, black first and then in their colour 0.1 cell up and left,
// to look shadowed.
#include <string>

#include "core/handicap.h"
#include "record/notation.h"
#include "ui/cell.h"
#include "ui/clock_text.h"
#include "ui/screen.h"

namespace murokan {

namespace {

// Kanji numerals 一..九 for 1..9; "" otherwise.
std::string_view kanji_numeral(int n) {
    static constexpr std::string_view kNumerals[] = {"一", "二", "三", "四", "五",
                                                     "六", "七", "八", "九"};
    if (n < 1 || n > 9) return {};
    return kNumerals[n - 1];
}

constexpr int kTemoku = 99;  // 描画_文字列 value of "手目"

}  // namespace

void Screen::print_at(double x, double y, std::string_view utf8, int colour, double size) {
    print_twips(cell_twips(x, y), utf8, colour, size);
}

void Screen::print_twips(Twips at, std::string_view utf8, int colour, double size) {
    if (utf8.empty()) return;
    canvas_.text(at.x, at.y, utf8, size, colour, font_bold_);
}

void Screen::描画_数値(double x, double y, int value, int colour, int mode, int size) {
    if (mode == 0) {
        // Numbers keep the blank that stands in for the sign of a non-negative value.
        std::string s = value >= 0 ? " " : "";
        s += std::to_string(value);
        print_at(x, y, s, colour, size);
    } else {
        print_at(x, y, kanji_numeral(value), colour, size);
    }
}

void Screen::描画_数値(double x, double y, std::string_view text, int colour, int mode, int size) {
    if (mode == 0) print_at(x, y, text, colour, size);
}

void Screen::描画_移動駒種類(double x, double y, std::string_view text, int colour) {
    print_at(x, y, text, colour, 12);
}

void Screen::描画_文字列(double x, double y, int value, int colour, int size) {
    std::string_view text;
    if (value >= HANDE_LEVEL_MIN && value <= HANDE_LEVEL_MAX) {
        text = ハンデ名(value);
    } else if (value == kTemoku) {
        text = "手目";
    }
    // 120 and 160 twips: the text sits inside the cell rather than on its corner.
    const Twips corner = cell_twips(x, y);
    print_twips({corner.x + 120, corner.y + 160}, text, colour, size);
}

void Screen::描画_手数(int number, int colour) {
    描画_絵(opt_.haikei, 13, 3);
    描画_絵(opt_.haikei, 14, 3);
    描画_桝輪郭(BAN_IRO, 11, 3);
    // Each extra digit starts the number 0.1 cell further left.
    const double x = number < 10 ? 13.3 : number < 100 ? 13.2 : 13.1;
    描画_数値(x, 3.4, number, IRO_KURO, 0, 12);
    描画_数値(x - 0.1, 3.3, number, colour, 0, 12);
    描画_文字列(13.9, 3.2, kTemoku, IRO_KURO, 10);
    描画_文字列(13.8, 3.1, kTemoku, colour, 10);
}

void Screen::消去_移動結果(int side) {
    if (side == g_.teki_teban) {
        for (int x = -2; x <= 0; ++x) 描画_絵(opt_.haikei, x, 8);
        描画_桝輪郭(BAN_IRO, TEKI_MOCHI_X, 7);
        描画_桝輪郭(BAN_IRO, 1, 8);
    } else if (side == g_.ji_teban) {
        for (int x = 12; x <= 14; ++x) 描画_絵(opt_.haikei, x, 2);
    }
}

void Screen::描画_移動結果(int side, int x, int y, int piece, int colour) {
    消去_移動結果(side);
    const std::string_view file = 文字列変換(10 - x);
    const std::string_view rank = 文字列変換(1000 + y);
    const std::string_view name = 文字列変換(piece);
    // Below the top hand stand for the top side, above the bottom one for the bottom side.
    double file_x, rank_x, name_x, row;
    if (side == g_.teki_teban) {
        file_x = -1.5, rank_x = -1.1, name_x = -0.5, row = 8.5;
    } else if (side == g_.ji_teban) {
        file_x = 12.5, rank_x = 12.9, name_x = 13.5, row = 2.5;
    } else {
        return;
    }
    描画_移動駒種類(file_x, row, file, IRO_KURO);
    描画_移動駒種類(file_x - 0.1, row - 0.1, file, colour);
    描画_移動駒種類(rank_x, row, rank, IRO_KURO);
    描画_移動駒種類(rank_x - 0.1, row - 0.1, rank, colour);
    描画_移動駒種類(name_x, row, name, IRO_KURO);
    描画_移動駒種類(name_x - 0.1, row - 0.1, name, colour);
    if (side == g_.teki_teban) 描画_桝輪郭(BAN_IRO, 1, 8);
}

void Screen::消去_所有時間(int side) {
    if (side == g_.ji_teban) {
        for (int x = 13; x <= 15; ++x) 描画_絵(opt_.haikei, x, 9);
    } else if (side == g_.teki_teban) {
        for (int x = -2; x <= 0; ++x) 描画_絵(opt_.haikei, x, 9);
    }
}

void Screen::描画_所有時間(int side, double seconds) {
    if (!menu_.checked("KEIKA")) return;
    const std::string text = 調査_時間秒追加結果(seconds);
    消去_所有時間(side);
    double x;
    if (side == g_.ji_teban) {
        x = 13.1;
    } else if (side == g_.teki_teban) {
        x = -1.5;
    } else {
        return;
    }
    描画_数値(x, 9.3, text, IRO_KURO, 0, 12);
    描画_数値(x - 0.1, 9.2, text, IRO_SHIRO, 0, 12);
}

void Screen::描画_メッセージ(int reason) {
    std::string_view first;
    switch (reason) {
        case 1:
            first = "棋譜ﾓｰﾄﾞではできません";
            break;
        case 2:
            first = "対局途中ではできません";
            break;
        case 3:
            first = "反転後ではできません";
            break;
        default:
            break;
    }
    // Two bare carriage returns separate the lines, as the message box expects.
    std::string text(first);
    text += "\r\r局面→最初にして下さい";
    dialogs_.message("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", text, platform::Icon::None);
}

void Screen::描画_レベル(int level) {
    描画_数値(-1.4, 0.2, "LEVEL", IRO_KURO, 0, 10);
    描画_数値(-1.5, 0.1, "LEVEL", IRO_SHIRO, 0, 10);
    描画_数値(0.1, 0.1, level, IRO_KURO, 0, 12);
    描画_数値(0, 0, level, IRO_SHIRO, 0, 12);
}

void Screen::描画_ハンデレベル(int level) {
    for (int x = 11; x <= 14; ++x) 描画_絵(opt_.haikei, x, 1);
    描画_文字列(11.1, 1.1, level, IRO_KURO, 10);
    描画_文字列(11, 1, level, IRO_SHIRO, 10);
}

void Screen::描画_思考中() {
    static constexpr std::string_view kText = "思考中";
    消去_思考中();
    描画_桝輪郭(BAN_IRO, -1, 7);
    描画_数値(-1.5, 8.5, kText, IRO_KURO, 0, 12);
    描画_数値(-1.6, 8.4, kText, IRO_SHIRO, 0, 12);
    描画_桝輪郭(BAN_IRO, 1, 8);
}

void Screen::消去_思考中() {
    for (int x = -2; x <= 0; ++x) 描画_絵(opt_.haikei, x, 8);
}

}  // namespace murokan
