// Moving a piece and the strike-and-flick chain that follows every board move.
// Nothing here draws or waits: each slide step and the sandwich are written to
// a report that the screen plays back afterwards.
#include "core/rules.h"

namespace murokan {

namespace {

bool 盤内(int x, int y) {
    return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

// A chain can never need more passes than this (each pass but the last moves
// the striker at least one square along a line of nine); the loop bound only
// guards against a board that breaks the rules' own invariants.
constexpr int kPassLimit = 16;

}  // namespace

MoveReport 駒移動(Position& g, int x1, int y1, int x2, int y2, int code) {
    MoveReport r;
    if (!盤内(x2, y2)) return r;

    // A legal move never lands on a piece; should one ever do, it is taken
    // the way a sandwich takes it, so that no piece is lost.
    const int there = g.ban[x2][y2];
    r.taken_at_destination = there;
    // A king there ends the game instead and leaves the hand totals alone.
    if (there <= -10) {
        if (there >= -71) g.mochi_teki_kazu += 1;
        駒取得(g, there);
        r.teki_mochi_changed = true;
    } else if (there >= 10) {
        if (there <= 71) g.mochi_ji_kazu += 1;
        駒取得(g, there);
        r.ji_mochi_changed = true;
    }

    g.ban[x2][y2] = code;
    if (code == -OU) {
        g.ji_ou_x = x2;
        g.ji_ou_y = y2;
    }

    // From either hand y1 is the kind dropped.
    if (x1 == TEKI_MOCHI_X) {
        if (y1 >= 1 && y1 <= 7) {
            g.mochi_teki_kazu -= 1;
            g.mochi_teki[y1] -= 1;
        }
        r.teki_mochi_changed = true;
    } else if (x1 == JI_MOCHI_X) {
        if (y1 >= 1 && y1 <= 7) {
            g.mochi_ji_kazu -= 1;
            g.mochi_ji[y1] -= 1;
        }
        r.ji_mochi_changed = true;
    } else if (盤内(x1, y1)) {
        g.ban[x1][y1] = KARA;
    }
    return r;
}

弾結果 調査_存在弾駒(const Position& g, int side, int x, int y, 方向 d, int& fx, int& fy,
                     int& fcode) {
    const Step s = 方向_単位(d);
    if (d == 方向::無) return 弾結果::無;
    int cx = x + s.dx;
    int cy = y + s.dy;
    while (盤内(cx, cy) && g.ban[cx][cy] == KARA) {
        cx += s.dx;
        cy += s.dy;
    }
    if (!盤内(cx, cy)) return 弾結果::無;

    fx = cx;
    fy = cy;
    fcode = g.ban[cx][cy];

    // Whether a jammed piece is taken depends on who struck it, not on who
    // owns it.
    const bool striker_is_movers = 調査_駒取(g, side, g.ban[x][y]) == FLAG_ON;
    const int bx = cx + s.dx;
    const int by = cy + s.dy;
    if (!盤内(bx, by) || g.ban[bx][by] != KARA) {
        if (striker_is_movers) return 弾結果::取;
        return 盤内(bx, by) ? 弾結果::有 : 弾結果::無;
    }
    return 弾結果::有;
}

namespace {

// はじき処理 with the report optional: `report` null records nothing.
void slide(Position& g, int fx, int fy, 方向 d, int code, int& sx, int& sy, ChainReport* report) {
    const Step s = 方向_単位(d);
    int x = fx;
    int y = fy;
    if (d != 方向::無) {
        while (盤内(x + s.dx, y + s.dy) && g.ban[x + s.dx][y + s.dy] == KARA) {
            g.ban[x][y] = KARA;
            g.ban[x + s.dx][y + s.dy] = code;
            if (report != nullptr && report->step_count < ChainReport::kMaxSteps) {
                report->steps[report->step_count++] =
                    SlideStep{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y),
                              static_cast<std::int8_t>(x + s.dx),
                              static_cast<std::int8_t>(y + s.dy), static_cast<std::int16_t>(code)};
            }
            x += s.dx;
            y += s.dy;
        }
    }
    sx = x;
    sy = y;
}

// はじき連鎖 with the report optional, as for slide.
void chain(Position& g, int side, int x2, int y2, 方向 d, ChainReport* report) {
    const Step s = 方向_単位(d);
    int x = x2;
    int y = y2;
    for (int passes = 1; passes <= kPassLimit; ++passes) {
        if (report != nullptr) report->passes = passes;
        int fx = 0, fy = 0, fcode = KARA;
        const 弾結果 r = 調査_存在弾駒(g, side, x, y, d, fx, fy, fcode);
        if (r == 弾結果::無) break;
        if (r == 弾結果::有) {
            slide(g, fx, fy, d, fcode, x, y, report);
            continue;
        }
        // 取. Only a piece standing right next to the striker is taken. One
        // found further away (possible on the first pass only) stays where it
        // is; the chain still ends, but nothing is reported as sandwiched, so
        // no vanish is ever shown for a piece that remains on the board.
        if (fx == x + s.dx && fy == y + s.dy) {
            const int taken = 駒取得_処理(g, x, y, d);
            if (report != nullptr) {
                report->sandwiched = true;
                report->sand_x = fx;
                report->sand_y = fy;
                report->taken_code = taken;
            }
        }
        break;
    }
}

}  // namespace

void はじき処理(Position& g, int fx, int fy, 方向 d, int code, int& sx, int& sy,
                ChainReport& report) {
    slide(g, fx, fy, d, code, sx, sy, &report);
}

ChainReport はじき連鎖(Position& g, int side, int x2, int y2, 方向 d) {
    ChainReport report;
    chain(g, side, x2, y2, d, &report);
    return report;
}

void はじき連鎖_記録なし(Position& g, int side, int x2, int y2, 方向 d) {
    chain(g, side, x2, y2, d, nullptr);
}

}  // namespace murokan
