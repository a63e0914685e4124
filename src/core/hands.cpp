// Pieces in hand, the capture step of the strike chain, and promotion.
#include "core/rules.h"

namespace murokan {

namespace {

// Hand kind 1..7 of a code that can go into a hand (±10 … ±71, promoted or
// not); 0 for the king, the empty square and anything else.
int 持駒種類(int code) {
    const int a = code < 0 ? -code : code;
    const int kind = a / 10;
    if (kind < 1 || kind > 7 || a % 10 > 1) return 0;
    return kind;
}

bool 盤内(int x, int y) {
    return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

}  // namespace

void 駒取得(Position& g, int code) {
    if (code == OU) {
        g.shuukyoku = g.ji_teban;
        return;
    }
    if (code == -OU) {
        g.shuukyoku = g.teki_teban;
        return;
    }
    const int kind = 持駒種類(code);
    if (kind == 0) return;
    if (code > 0) {
        g.mochi_ji[kind] += 1;
    } else {
        g.mochi_teki[kind] += 1;
    }
}

int 駒取得_処理(Position& g, int x, int y, 方向 d) {
    const Step s = 方向_単位(d);
    if (d == 方向::無 || !盤内(x + s.dx, y + s.dy)) return KARA;
    int& cell = g.ban[x + s.dx][y + s.dy];
    const int c = cell;
    if (c >= 10 && c <= 71) g.mochi_ji_kazu += 1;
    if (c >= -71 && c <= -10) g.mochi_teki_kazu += 1;
    駒取得(g, c);
    cell = KARA;
    return c;
}

int 調査_駒取(const Position& g, int side, int code) {
    if (side == g.teki_teban) return (code >= 10 && code <= 80) ? FLAG_ON : FLAG_OFF;
    if (side == g.ji_teban) return (code >= -80 && code <= -10) ? FLAG_ON : FLAG_OFF;
    return FLAG_OFF;
}

int 調査_持駒数(const Position& g, int side) {
    const int* hand = side == g.ji_teban     ? g.mochi_ji
                      : side == g.teki_teban ? g.mochi_teki
                                             : nullptr;
    if (hand == nullptr) return 0;
    int total = 0;
    for (int k = 1; k <= 7; ++k) {
        if (hand[k] > 0) total += hand[k];
    }
    return total;
}

void 調査_2歩フラグ設定(Position& g) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        g.nifu_ji[x] = 0;
        g.nifu_teki[x] = 0;
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (g.ban[x][y] == -HU) g.nifu_ji[x] = 1;
            if (g.ban[x][y] == HU) g.nifu_teki[x] = 1;
        }
    }
}

// The destination column plays no part: only the rows decide.
int 調査_駒成(const Position& /*g*/, int x1, int y1, int /*x2*/, int y2, int code, int& nari) {
    if (x1 == TEKI_MOCHI_X || x1 == JI_MOCHI_X) return FLAG_OFF;
    bool may = false;
    switch (code) {
        case -HU:
        case -KYOU:
        case -KEI:
            may = y2 <= 3;
            break;
        case -GIN:
        case -KAKU:
        case -SYA:
            may = y2 <= 3 || y1 <= 3;
            break;
        case HU:
        case KYOU:
        case KEI:
            may = y2 >= 7;
            break;
        case GIN:
        case KAKU:
        case SYA:
            may = y2 >= 7 || y1 >= 7;
            break;
        default:
            break;
    }
    if (!may) return FLAG_OFF;
    nari = code < 0 ? code - 1 : code + 1;
    return FLAG_ON;
}

int 調査_駒成(GameState& g, int x1, int y1, int x2, int y2, int code) {
    return 調査_駒成(static_cast<const Position&>(g), x1, y1, x2, y2, code, g.nari_koma);
}

}  // namespace murokan
