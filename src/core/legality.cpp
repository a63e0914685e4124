// Move legality: which moves and drops may be made. Read-only over the board
// and the two-pawn flags; the computer's search calls 移動チェック millions of
// times, so everything here reads the board directly and allocates nothing.
#include <cstdlib>

#include "core/rules.h"

namespace murokan {

namespace {

bool 盤内(int x, int y) {
    return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

int flag(bool b) {
    return b ? FLAG_ON : FLAG_OFF;
}

// Drops: the destination is already known to be empty and on the board.
int 打ちチェック(const Position& g, int x2, int y2, int code) {
    if (code == -HU && g.nifu_ji[x2] == 1) return FLAG_OFF;
    if (code == HU && g.nifu_teki[x2] == 1) return FLAG_OFF;
    switch (code) {
        case HU:
        case KYOU:
            return flag(y2 != 9);
        case KEI:
            return flag(y2 <= 7);
        case -HU:
        case -KYOU:
            return flag(y2 != 1);
        case -KEI:
            return flag(y2 >= 3);
        default:
            return FLAG_ON;
    }
}

// The lance's column walk, strictly between the two rows.
int 香車チェック(const Position& g, int x, int y1, int y2, int forward) {
    if ((y2 - y1) * forward <= 0) return FLAG_OFF;
    for (int y = y1 + forward; y != y2; y += forward) {
        if (g.ban[x][y] != KARA) return FLAG_OFF;
    }
    return FLAG_ON;
}

}  // namespace

int 移動チェック(const Position& g, int x1, int y1, int x2, int y2, int code) {
    if (!盤内(x2, y2)) return FLAG_OFF;
    if (x1 == x2 && y1 == y2) return FLAG_OFF;
    if (g.ban[x2][y2] != KARA) return FLAG_OFF;
    if (x1 == JI_MOCHI_X || x1 == TEKI_MOCHI_X) return 打ちチェック(g, x2, y2, code);

    // Forward is down the board for the top side, up it for the bottom side.
    const int forward = code > 0 ? 1 : -1;
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int adx = std::abs(dx);
    const bool one_step = adx <= 1 && std::abs(dy) <= 1;

    switch (std::abs(code)) {
        case HU:
            return flag(dx == 0 && dy == forward);
        case KYOU:
            return dx == 0 ? 香車チェック(g, x1, y1, y2, forward) : FLAG_OFF;
        case KEI:
            return flag(dy == 2 * forward && adx == 1);
        case GIN:
            return flag(adx <= 1 && (dy == forward || (dx != 0 && dy == -forward)));
        case KIN:
        case HU_NARI:
        case KYOU_NARI:
        case KEI_NARI:
        case GIN_NARI:
            return flag((adx <= 1 && (dy == forward || dy == 0)) || (dx == 0 && dy == -forward));
        case KAKU:
            return 移動チェック角(g, x1, y1, x2, y2);
        case KAKU_NARI:
            return one_step ? FLAG_ON : 移動チェック角(g, x1, y1, x2, y2);
        case SYA:
            return 移動チェック飛車(g, x1, y1, x2, y2);
        case SYA_NARI:
            return one_step ? FLAG_ON : 移動チェック飛車(g, x1, y1, x2, y2);
        case OU:
            return flag(one_step);
        default:
            return FLAG_OFF;  // KARA, 金成 and anything else never moves
    }
}

int 移動チェック飛車(const Position& g, int x1, int y1, int x2, int y2) {
    if (x1 != x2 && y1 != y2) return FLAG_OFF;
    if (y1 != y2) {
        const int step = y2 > y1 ? 1 : -1;
        for (int y = y1 + step; y != y2; y += step) {
            if (g.ban[x2][y] != KARA) return FLAG_OFF;
        }
    } else if (x1 != x2) {
        const int step = x2 > x1 ? 1 : -1;
        for (int x = x1 + step; x != x2; x += step) {
            if (g.ban[x][y2] != KARA) return FLAG_OFF;
        }
    }
    return FLAG_ON;
}

int 移動チェック角(const Position& g, int x1, int y1, int x2, int y2) {
    if (x1 - y1 != x2 - y2 && x1 + y1 != x2 + y2) return FLAG_OFF;
    const int sx = x2 > x1 ? 1 : -1;
    const int sy = y2 > y1 ? 1 : -1;
    for (int x = x1 + sx, y = y1 + sy; x != x2 && x2 != x1; x += sx, y += sy) {
        if (g.ban[x][y] != KARA) return FLAG_OFF;
    }
    return FLAG_ON;
}

int 調査_駒存在(const Position& g, int code) {
    for (int y = 1; y <= BAN_SIZE; ++y) {
        for (int x = 1; x <= BAN_SIZE; ++x) {
            if (g.ban[x][y] == code) return FLAG_ON;
        }
    }
    return FLAG_OFF;
}

int 移動後チェック(int y, int code) {
    switch (code) {
        case HU:
        case KYOU:
            return flag(y != 9);
        case KEI:
            return flag(y <= 7);
        case -HU:
        case -KYOU:
            return flag(y != 1);
        case -KEI:
            return flag(y >= 3);
        default:
            return FLAG_ON;
    }
}

int 調査_有効駒コード(int code) {
    if (code < -OU || code > OU) return FLAG_OFF;
    switch (std::abs(code)) {
        case KARA:
        case HU:
        case HU_NARI:
        case KYOU:
        case KYOU_NARI:
        case KEI:
        case KEI_NARI:
        case GIN:
        case GIN_NARI:
        case KIN:
        case KAKU:
        case KAKU_NARI:
        case SYA:
        case SYA_NARI:
        case OU:
            return FLAG_ON;
        default:
            return FLAG_OFF;
    }
}

}  // namespace murokan
