// The survey against an independent brute force over positions reached by
// random play: every piece walks its moves as vectors, ignoring what stands
// on the target, and rays pass through the opposing king only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ai/maps.h"
#include "maps_board.h"
#include "maps_random.h"

namespace murokan {
namespace {

struct Vec {
    int dx, dy;
};

struct Expected {
    int kiki[2][10][10] = {};  // [0] bottom, [1] top
    int oute[10][10] = {};
    int mamori_ji[10][10], mamori_teki[10][10], saijaku_ji[10][10], saijaku_teki[10][10];
    int saijaku_ji_x[10][10] = {}, saijaku_ji_y[10][10] = {};
    // Never reset by a survey: they start from whatever the maps held before.
    int mamori_teki_x[10][10] = {}, mamori_teki_y[10][10] = {};
    int ji_ou_x = 0, ji_ou_y = 0, teki_ou_x = 0, teki_ou_y = 0;
};

// How a top piece of one kind records a guard: not at all, the code alone, or
// the code with the guarding piece's square.
enum Guard { kNoGuard, kCode, kCodeAndSquare };

// One reach of T by the piece on (x, y): `rec` is its recording code, `guard`
// and `attack` which records a top piece of this kind makes.
void 到達(const GameState& g, Expected& e, int x, int y, int tx, int ty, int rec, Guard guard,
          bool attack) {
    const int t = g.ban[tx][ty];
    if (rec < 0) {
        ++e.kiki[0][tx][ty];
        if (t < 0) e.mamori_ji[tx][ty] = std::min(e.mamori_ji[tx][ty], rec);
        if (t > 0 && rec > e.saijaku_ji[tx][ty]) {
            e.saijaku_ji[tx][ty] = rec;
            e.saijaku_ji_x[tx][ty] = x;
            e.saijaku_ji_y[tx][ty] = y;
        }
    } else {
        ++e.kiki[1][tx][ty];
        if (t > 0 && guard != kNoGuard && rec < e.mamori_teki[tx][ty]) {
            e.mamori_teki[tx][ty] = rec;
            if (guard == kCodeAndSquare) {
                e.mamori_teki_x[tx][ty] = x;
                e.mamori_teki_y[tx][ty] = y;
            }
        }
        if (t < 0 && attack) e.saijaku_teki[tx][ty] = std::min(e.saijaku_teki[tx][ty], rec);
    }
}

bool on(int x, int y) {
    return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

void 歩み(const GameState& g, Expected& e, int x, int y, const std::vector<Vec>& vs, int rec,
          Guard guard, bool attack, bool knight = false, bool marks = true) {
    for (Vec v : vs) {
        const int tx = x + v.dx, ty = y + v.dy;
        if (!on(tx, ty)) continue;
        到達(g, e, x, y, tx, ty, rec, guard, attack);
        if (rec > 0 && marks && g.ban[tx][ty] == -80) {
            e.oute[x][y] = 9;
            if (knight) e.oute[tx][ty] = 9;
        }
    }
}

void 走り(const GameState& g, Expected& e, int x, int y, const std::vector<Vec>& vs, int rec) {
    const int enemy_king = rec < 0 ? 80 : -80;
    for (Vec v : vs) {
        for (int k = 1; on(x + k * v.dx, y + k * v.dy); ++k) {
            const int tx = x + k * v.dx, ty = y + k * v.dy;
            到達(g, e, x, y, tx, ty, rec, kCodeAndSquare, true);
            const int t = g.ban[tx][ty];
            if (t == enemy_king && rec > 0) {
                for (int b = 1; b < k; ++b) e.oute[x + b * v.dx][y + b * v.dy] = 1;
                e.oute[x][y] = 9;
            }
            if (t != 0 && t != enemy_king) break;
        }
    }
}

// `before` holds the maps as they were before the survey under test.
Expected 総当たり(const GameState& g, const InfluenceMaps& before) {
    Expected e;
    std::memcpy(e.mamori_teki_x, before.mamori_teki_x, sizeof e.mamori_teki_x);
    std::memcpy(e.mamori_teki_y, before.mamori_teki_y, sizeof e.mamori_teki_y);
    e.ji_ou_x = g.ji_ou_x;
    e.ji_ou_y = g.ji_ou_y;
    e.teki_ou_x = g.teki_ou_x;
    e.teki_ou_y = g.teki_ou_y;
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y) {
            e.mamori_ji[x][y] = e.mamori_teki[x][y] = e.saijaku_teki[x][y] = 999;
            e.saijaku_ji[x][y] = -999;
        }
    }
    const std::vector<Vec> orth = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    const std::vector<Vec> diag = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    std::vector<Vec> all = orth;
    all.insert(all.end(), diag.begin(), diag.end());
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = g.ban[x][y];
            if (c == 0) continue;
            const int s = c < 0 ? -1 : 1;  // also the forward direction in y
            const bool top = c > 0;
            switch (std::abs(c)) {
                case 10:
                    歩み(g, e, x, y, {{0, s}}, c, kCode, true);
                    break;
                case 20:
                    走り(g, e, x, y, {{0, s}}, c);
                    break;
                case 30:
                    歩み(g, e, x, y, {{-1, 2 * s}, {1, 2 * s}}, c, kCodeAndSquare, false, true);
                    break;
                case 40:
                    歩み(g, e, x, y, {{0, s}, {-1, s}, {1, s}, {-1, -s}, {1, -s}}, c,
                         kCodeAndSquare, false);
                    break;
                case 11:
                case 21:
                case 31:
                case 41:
                case 50:
                    歩み(g, e, x, y, {{0, s}, {-1, s}, {1, s}, {-1, 0}, {1, 0}, {0, -s}},
                         top ? 50 : c, kCode, false);
                    break;
                case 60:
                    走り(g, e, x, y, diag, top ? c : -60);
                    break;
                case 61:
                    歩み(g, e, x, y, orth, c, kNoGuard, false);
                    走り(g, e, x, y, diag, top ? c : -60);
                    break;
                case 70:
                    走り(g, e, x, y, orth, c);
                    break;
                case 71:
                    走り(g, e, x, y, orth, c);
                    歩み(g, e, x, y, diag, c, kCodeAndSquare, true);
                    break;
                case 80:
                    (top ? e.teki_ou_x : e.ji_ou_x) = x;
                    (top ? e.teki_ou_y : e.ji_ou_y) = y;
                    歩み(g, e, x, y, all, c, kCode, false, false, false);
                    break;
            }
        }
    }
    return e;
}

TEST(SurveyCrossCheck, MatchesBruteForceOnRandomPlayPositions) {
    const auto positions = testing_maps::ランダム局面(2000, 20240601u);
    InfluenceMaps m;
    int checks_seen = 0;
    for (size_t n = 0; n < positions.size(); ++n) {
        GameState g = positions[n];
        const Expected e = 総当たり(g, m);
        勢力調査(g, m);
        EXPECT_EQ(g.ji_ou_x * 10 + g.ji_ou_y, e.ji_ou_x * 10 + e.ji_ou_y) << "position " << n;
        EXPECT_EQ(g.teki_ou_x * 10 + g.teki_ou_y, e.teki_ou_x * 10 + e.teki_ou_y)
            << "position " << n;
        int bad = 0;
        for (int x = 1; x <= 9 && bad < 3; ++x) {
            for (int y = 1; y <= 9 && bad < 3; ++y) {
                const bool ok =
                    m.kiki_ji[x][y] == e.kiki[0][x][y] && m.kiki_teki[x][y] == e.kiki[1][x][y] &&
                    m.oute_teki[x][y] == e.oute[x][y] && m.mamori_ji[x][y] == e.mamori_ji[x][y] &&
                    m.mamori_teki[x][y] == e.mamori_teki[x][y] &&
                    m.saijaku_ji[x][y] == e.saijaku_ji[x][y] &&
                    m.saijaku_teki[x][y] == e.saijaku_teki[x][y] &&
                    m.saijaku_ji_x[x][y] == e.saijaku_ji_x[x][y] &&
                    m.saijaku_ji_y[x][y] == e.saijaku_ji_y[x][y] &&
                    m.mamori_teki_x[x][y] == e.mamori_teki_x[x][y] &&
                    m.mamori_teki_y[x][y] == e.mamori_teki_y[x][y];
                if (!ok) {
                    ++bad;
                    ADD_FAILURE() << "position " << n << " square (" << x << ", " << y << ")\n"
                                  << "kiki_ji " << m.kiki_ji[x][y] << "/" << e.kiki[0][x][y]
                                  << " kiki_teki " << m.kiki_teki[x][y] << "/" << e.kiki[1][x][y]
                                  << " oute " << m.oute_teki[x][y] << "/" << e.oute[x][y]
                                  << " mamori_ji " << m.mamori_ji[x][y] << "/" << e.mamori_ji[x][y]
                                  << " mamori_teki " << m.mamori_teki[x][y] << "/"
                                  << e.mamori_teki[x][y] << " saijaku_ji " << m.saijaku_ji[x][y]
                                  << "/" << e.saijaku_ji[x][y] << " saijaku_teki "
                                  << m.saijaku_teki[x][y] << "/" << e.saijaku_teki[x][y]
                                  << "\nboard kiki_ji:\n"
                                  << testing_maps::図(m.kiki_ji);
                }
                checks_seen += e.oute[x][y] != 0;
            }
        }
        if (bad) break;
    }
    // The sample must exercise the check marks, or it proves little about them.
    EXPECT_GT(checks_seen, 50);
}

}  // namespace
}  // namespace murokan
