// Rays of the ranging pieces (lance, rook, dragon; the diagonals of bishop and
// horse) and the gold pattern, as the survey records them.
#include "ai/influence_record.h"
#include "ai/maps.h"

namespace murokan {

namespace influence {

void 光線(const Position& g, InfluenceMaps& m, int code, int x, int y, int dx, int dy) {
    int tx = x + dx;
    int ty = y + dy;
    if (code < 0) {
        // Bottom side: the ray passes the top king and marks no checks.
        while (tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9) {
            記録_自(g, m, code, x, y, tx, ty);
            const int t = g.ban[tx][ty];
            if (t != KARA && t != OU) return;
            tx += dx;
            ty += dy;
        }
        return;
    }
    while (tx >= 1 && tx <= 9 && ty >= 1 && ty <= 9) {
        const int t = 記録_敵<Guard::WithSquare, true>(g, m, code, x, y, tx, ty);
        if (t == -OU) {
            // Mark the line of the check: the squares between, walked from the
            // king back towards the piece, then the piece itself.
            for (int cx = tx - dx, cy = ty - dy; cx != x || cy != y; cx -= dx, cy -= dy) {
                m.oute_teki[cx][cy] = 1;
            }
            m.oute_teki[x][y] = 9;
        } else if (t != KARA) {
            return;
        }
        tx += dx;
        ty += dy;
    }
}

}  // namespace influence

void 勢力確定上直進(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    influence::光線(g, m, code, x, y, 0, -1);
}

void 勢力確定下直進(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    influence::光線(g, m, code, x, y, 0, 1);
}

void 勢力確定右直進(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    influence::光線(g, m, code, x, y, 1, 0);
}

void 勢力確定左直進(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    influence::光線(g, m, code, x, y, -1, 0);
}

// The four diagonals in the order up-left, up-right, down-left, down-right;
// a bottom bishop or horse records -60 on all of them.
void 勢力確定自角(const Position& g, InfluenceMaps& m, int x, int y) {
    influence::光線(g, m, -KAKU, x, y, -1, -1);
    influence::光線(g, m, -KAKU, x, y, 1, -1);
    influence::光線(g, m, -KAKU, x, y, -1, 1);
    influence::光線(g, m, -KAKU, x, y, 1, 1);
}

void 勢力確定敵角(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    influence::光線(g, m, code, x, y, -1, -1);
    influence::光線(g, m, code, x, y, 1, -1);
    influence::光線(g, m, code, x, y, -1, 1);
    influence::光線(g, m, code, x, y, 1, 1);
}

// Bottom gold movers move towards row 1 and record their own code.
void 勢力確定自金(const Position& g, InfluenceMaps& m, int code, int x, int y) {
    using influence::記録_自;
    if (y > 1) {
        記録_自(g, m, code, x, y, x, y - 1);
        if (x > 1) 記録_自(g, m, code, x, y, x - 1, y - 1);
        if (x < 9) 記録_自(g, m, code, x, y, x + 1, y - 1);
    }
    if (y < 9) 記録_自(g, m, code, x, y, x, y + 1);
    if (x > 1) 記録_自(g, m, code, x, y, x - 1, y);
    if (x < 9) 記録_自(g, m, code, x, y, x + 1, y);
}

namespace {

// One square of a top gold mover: guards are recorded as KIN without a square,
// nothing is recorded as attacked, a check marks the piece's own square.
inline void 敵金一歩(const Position& g, InfluenceMaps& m, int x, int y, int tx, int ty) {
    using influence::Guard;
    if (influence::記録_敵<Guard::NoSquare, false>(g, m, KIN, x, y, tx, ty) == -OU) {
        m.oute_teki[x][y] = 9;
    }
}

}  // namespace

// Top gold movers move towards row 9.
void 勢力確定敵金(const Position& g, InfluenceMaps& m, int x, int y) {
    if (y > 1) 敵金一歩(g, m, x, y, x, y - 1);
    if (y < 9) {
        敵金一歩(g, m, x, y, x, y + 1);
        if (x > 1) 敵金一歩(g, m, x, y, x - 1, y + 1);
        if (x < 9) 敵金一歩(g, m, x, y, x + 1, y + 1);
    }
    if (x > 1) 敵金一歩(g, m, x, y, x - 1, y);
    if (x < 9) 敵金一歩(g, m, x, y, x + 1, y);
}

}  // namespace murokan
