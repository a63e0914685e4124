#include "record/move_notation.h"

#include "record/notation.h"

namespace murokan {

std::string 変換_指し手(const Position& before, const Move& m) {
    const bool bottom = m.piece < 0;
    const int side = bottom ? before.ji_teban : before.teki_teban;
    std::string text = side == TEBAN_SENTE ? "▲" : "△";
    text += 文字列変換(10 - m.x2);
    text += 文字列変換(1000 + m.y2);
    text += 文字列変換(placed_code(m));
    if (m.is_drop()) text += "打";
    return text;
}

std::string 変換_手順(const Position& before, std::span<const Move> line) {
    std::string text;
    Position p = before;
    for (const Move& m : line) {
        if (!text.empty()) text += ' ';
        text += 変換_指し手(p, m);
        make_move(p, m);
    }
    return text;
}

}  // namespace murokan
