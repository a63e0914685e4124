#include "record/position_editor.h"

#include "core/rules.h"
#include "core/sfen.h"
#include "record/history_game.h"
#include "record/position_check.h"

namespace murokan {

namespace {

// Kinds that promote: 歩 香 桂 銀 角 飛.
bool promotes(int kind) {
    return kind >= 1 && kind <= 7 && kind != 5;
}

}  // namespace

int 駒の枚数(int kind) {
    static constexpr int kCounts[] = {0, 18, 4, 4, 4, 4, 2, 2, 2};
    return kind >= 1 && kind <= 8 ? kCounts[kind] : 0;
}

void 編集_平手(局面編集& e) {
    GameState g;
    parse_sfen(kStartSfen, g);
    e.p = g;
}

void 編集_空(局面編集& e) {
    e.p = Position{};
    e.p.teban = e.p.ji_teban;
    整備_局面(e.p);
}

void 編集_置く(局面編集& e, int x, int y, int code) {
    if (!on_board(x, y)) return;
    e.p.ban[x][y] = code;
    整備_局面(e.p);
}

void 編集_取る(局面編集& e, int x, int y) {
    編集_置く(e, x, y, KARA);
}

void 編集_回す(局面編集& e, int x, int y) {
    if (!on_board(x, y) || e.p.ban[x][y] == KARA) return;
    const int c = e.p.ban[x][y];
    const int a = c < 0 ? -c : c;
    const int kind = a == OU ? 8 : a / 10;
    const bool promoted = a % 10 == 1;
    int next;
    if (!promoted && promotes(kind)) {
        next = c < 0 ? c - 1 : c + 1;  // promoted, same side
    } else {
        const int base = kind == 8 ? OU : kind * 10;
        next = c < 0 ? base : -base;  // the other side, unpromoted
    }
    編集_置く(e, x, y, next);
}

bool 編集_持駒(局面編集& e, bool bottom, int kind, int count) {
    if (kind < 1 || kind > 7 || count < 0 || count > 駒の枚数(kind)) return false;
    (bottom ? e.p.mochi_ji : e.p.mochi_teki)[kind] = count;
    整備_局面(e.p);
    return true;
}

void 編集_手番(局面編集& e, bool bottom) {
    e.p.teban = bottom ? e.p.ji_teban : e.p.teki_teban;
}

std::string 調査_編集局面(const 局面編集& e) {
    return 調査_局面(e.p);
}

}  // namespace murokan
