// 勢力調査: one scan of the board that refills the influence maps of both
// sides. Columns outer, rows inner; within a piece the steps go in a fixed
// order, which decides ties, since the first piece met keeps a cell.
#include "ai/influence_record.h"
#include "ai/maps.h"

namespace murokan {

namespace {

using influence::Guard;
using influence::記録_敵;
using influence::記録_自;

// How a top step kind marks a check when the square it reaches holds the bottom king.
enum class Check { None, Own, OwnAndKing };

template <Guard G, bool Attack, Check C>
inline void 敵一歩(const Position& g, InfluenceMaps& m, int c, int x, int y, int tx, int ty) {
    const int t = 記録_敵<G, Attack>(g, m, c, x, y, tx, ty);
    if constexpr (C != Check::None) {
        if (t == -OU) {
            m.oute_teki[x][y] = 9;
            if constexpr (C == Check::OwnAndKing) m.oute_teki[tx][ty] = 9;
        }
    }
}

// Kinds of top step, by the records they make.
constexpr auto 敵歩 = 敵一歩<Guard::NoSquare, true, Check::Own>;
constexpr auto 敵桂 = 敵一歩<Guard::WithSquare, false, Check::OwnAndKing>;
constexpr auto 敵銀 = 敵一歩<Guard::WithSquare, false, Check::Own>;
constexpr auto 敵馬縦横 = 敵一歩<Guard::None, false, Check::Own>;
constexpr auto 敵竜斜 = 敵一歩<Guard::WithSquare, true, Check::Own>;
constexpr auto 敵王 = 敵一歩<Guard::NoSquare, false, Check::None>;

using StepFn = void (*)(const Position&, InfluenceMaps&, int, int, int, int, int);

// Silver steps: forward three, then the two backward diagonals.
inline void 銀自(const Position& g, InfluenceMaps& m, int c, int x, int y) {
    if (y > 1) {
        記録_自(g, m, c, x, y, x, y - 1);
        if (x > 1) 記録_自(g, m, c, x, y, x - 1, y - 1);
        if (x < 9) 記録_自(g, m, c, x, y, x + 1, y - 1);
    }
    if (y < 9) {
        if (x > 1) 記録_自(g, m, c, x, y, x - 1, y + 1);
        if (x < 9) 記録_自(g, m, c, x, y, x + 1, y + 1);
    }
}

inline void 銀敵(const Position& g, InfluenceMaps& m, int x, int y) {
    if (y < 9) {
        敵銀(g, m, GIN, x, y, x, y + 1);
        if (x > 1) 敵銀(g, m, GIN, x, y, x - 1, y + 1);
        if (x < 9) 敵銀(g, m, GIN, x, y, x + 1, y + 1);
    }
    if (y > 1) {
        if (x > 1) 敵銀(g, m, GIN, x, y, x - 1, y - 1);
        if (x < 9) 敵銀(g, m, GIN, x, y, x + 1, y - 1);
    }
}

// Orthogonal single steps of a horse: up, down, left, right.
template <StepFn Step>
inline void 縦横一歩(const Position& g, InfluenceMaps& m, int c, int x, int y) {
    if (y > 1) Step(g, m, c, x, y, x, y - 1);
    if (y < 9) Step(g, m, c, x, y, x, y + 1);
    if (x > 1) Step(g, m, c, x, y, x - 1, y);
    if (x < 9) Step(g, m, c, x, y, x + 1, y);
}

// Diagonal single steps of a dragon: up-left, up-right, down-left, down-right.
template <StepFn Step>
inline void 斜一歩(const Position& g, InfluenceMaps& m, int c, int x, int y) {
    if (y > 1) {
        if (x > 1) Step(g, m, c, x, y, x - 1, y - 1);
        if (x < 9) Step(g, m, c, x, y, x + 1, y - 1);
    }
    if (y < 9) {
        if (x > 1) Step(g, m, c, x, y, x - 1, y + 1);
        if (x < 9) Step(g, m, c, x, y, x + 1, y + 1);
    }
}

// The eight king steps: the row above, the row below, then left and right.
template <StepFn Step>
inline void 王一歩(const Position& g, InfluenceMaps& m, int c, int x, int y) {
    if (y > 1) {
        Step(g, m, c, x, y, x, y - 1);
        if (x > 1) Step(g, m, c, x, y, x - 1, y - 1);
        if (x < 9) Step(g, m, c, x, y, x + 1, y - 1);
    }
    if (y < 9) {
        Step(g, m, c, x, y, x, y + 1);
        if (x > 1) Step(g, m, c, x, y, x - 1, y + 1);
        if (x < 9) Step(g, m, c, x, y, x + 1, y + 1);
    }
    if (x > 1) Step(g, m, c, x, y, x - 1, y);
    if (x < 9) Step(g, m, c, x, y, x + 1, y);
}

void 自駒(Position& g, InfluenceMaps& m, int c, int x, int y) {
    switch (c) {
        case -HU:
            if (y > 1) 記録_自(g, m, c, x, y, x, y - 1);
            break;
        case -KYOU:
            勢力確定上直進(g, m, c, x, y);
            break;
        case -KEI:
            if (y >= 3) {
                if (x > 1) 記録_自(g, m, c, x, y, x - 1, y - 2);
                if (x < 9) 記録_自(g, m, c, x, y, x + 1, y - 2);
            }
            break;
        case -GIN:
            銀自(g, m, c, x, y);
            break;
        case -HU_NARI:
        case -KYOU_NARI:
        case -KEI_NARI:
        case -GIN_NARI:
        case -KIN:
            勢力確定自金(g, m, c, x, y);
            break;
        case -KAKU:
            勢力確定自角(g, m, x, y);
            break;
        case -KAKU_NARI:
            縦横一歩<記録_自>(g, m, c, x, y);
            勢力確定自角(g, m, x, y);
            break;
        case -SYA:
        case -SYA_NARI:
            勢力確定下直進(g, m, c, x, y);
            勢力確定上直進(g, m, c, x, y);
            勢力確定右直進(g, m, c, x, y);
            勢力確定左直進(g, m, c, x, y);
            if (c == -SYA_NARI) 斜一歩<記録_自>(g, m, c, x, y);
            break;
        case -OU:
            g.ji_ou_x = x;
            g.ji_ou_y = y;
            王一歩<記録_自>(g, m, c, x, y);
            break;
        default:  // -51 never stands on the board
            break;
    }
}

void 敵駒(Position& g, InfluenceMaps& m, int c, int x, int y) {
    switch (c) {
        case HU:
            if (y < 9) 敵歩(g, m, c, x, y, x, y + 1);
            break;
        case KYOU:
            勢力確定下直進(g, m, c, x, y);
            break;
        case KEI:
            if (y <= 7) {
                if (x > 1) 敵桂(g, m, c, x, y, x - 1, y + 2);
                if (x < 9) 敵桂(g, m, c, x, y, x + 1, y + 2);
            }
            break;
        case GIN:
            銀敵(g, m, x, y);
            break;
        case HU_NARI:
        case KYOU_NARI:
        case KEI_NARI:
        case GIN_NARI:
        case KIN:
            勢力確定敵金(g, m, x, y);
            break;
        case KAKU:
            勢力確定敵角(g, m, c, x, y);
            break;
        case KAKU_NARI:
            縦横一歩<敵馬縦横>(g, m, c, x, y);
            勢力確定敵角(g, m, c, x, y);
            break;
        case SYA:
        case SYA_NARI:
            勢力確定下直進(g, m, c, x, y);
            勢力確定上直進(g, m, c, x, y);
            勢力確定右直進(g, m, c, x, y);
            勢力確定左直進(g, m, c, x, y);
            if (c == SYA_NARI) 斜一歩<敵竜斜>(g, m, c, x, y);
            break;
        case OU:
            g.teki_ou_x = x;
            g.teki_ou_y = y;
            王一歩<敵王>(g, m, c, x, y);
            break;
        default:  // 51 never stands on the board
            break;
    }
}

}  // namespace

void 勢力調査(Position& g, InfluenceMaps& m) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            m.kiki_ji[x][y] = 0;
            m.kiki_teki[x][y] = 0;
            m.oute_teki[x][y] = 0;
            m.saijaku_ji[x][y] = -999;
            m.saijaku_ji_x[x][y] = 0;
            m.saijaku_ji_y[x][y] = 0;
            m.saijaku_teki[x][y] = 999;
            m.mamori_ji[x][y] = 999;
            m.mamori_teki[x][y] = 999;
        }
    }
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = g.ban[x][y];
            if (c < 0) {
                自駒(g, m, c, x, y);
            } else if (c > 0) {
                敵駒(g, m, c, x, y);
            }
        }
    }
}

}  // namespace murokan
