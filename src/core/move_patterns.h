// How each kind of piece moves, worked out once for every square: the squares
// its single steps reach, in the order the move generator lists destinations,
// and the lines its long moves run along. The generator then tests no bounds
// and asks no switch per piece, which matters as the search generates moves at
// nearly every node.
#pragma once

#include <cstdint>

#include "core/constants.h"
#include "core/squares.h"

namespace murokan::patterns {

// Squares are numbered as in core/squares.h.
constexpr int index_of(int x, int y) {
    return square_index(x, y);
}
constexpr int x_of(int i) {
    return square_x(i);
}
constexpr int y_of(int i) {
    return square_y(i);
}

// The kinds of movement; the plain gold's serves the four promoted small pieces.
enum Kind : std::uint8_t {
    kNone,
    kPawn,
    kLance,
    kKnight,
    kSilver,
    kGold,
    kBishop,
    kHorse,
    kRook,
    kDragon,
    kKing,
    kKinds
};

// The kind of movement of a piece code (either side); kNone for a code that
// never moves.
constexpr Kind kind_of(int code) {
    switch (code < 0 ? -code : code) {
        case HU:
            return kPawn;
        case KYOU:
            return kLance;
        case KEI:
            return kKnight;
        case GIN:
            return kSilver;
        case KIN:
        case HU_NARI:
        case KYOU_NARI:
        case KEI_NARI:
        case GIN_NARI:
            return kGold;
        case KAKU:
            return kBishop;
        case KAKU_NARI:
            return kHorse;
        case SYA:
            return kRook;
        case SYA_NARI:
            return kDragon;
        case OU:
            return kKing;
        default:
            return kNone;
    }
}

// Up to eight squares, as numbers 0..80.
struct SquareList {
    std::int8_t count = 0;
    std::int8_t at[8] = {};
};

struct Offset {
    int dx, dy;  // dy counted forward: +1 is one row towards the enemy
};

// The eight directions, numbered for the tables below.
inline constexpr Offset kDirections[8] = {{0, -1},  {0, 1},  {-1, 0}, {1, 0},
                                          {-1, -1}, {-1, 1}, {1, -1}, {1, 1}};

struct Tables {
    // [kind][side: 0 bottom, 1 top][square]: the squares one step reaches,
    // ascending.
    SquareList steps[kKinds][2][81] = {};
    // [kind][side]: the directions (0..7) of the long moves.
    std::int8_t ray_count[kKinds][2] = {};
    std::int8_t rays[kKinds][2][4] = {};
    // [direction][square]: the squares along the line, nearest first.
    SquareList line[8][81] = {};
};

// The number of the direction (dx, dy), each -1, 0 or 1; -1 for (0, 0).
inline constexpr std::int8_t kDirectionOf[3][3] = {{4, 2, 5}, {0, -1, 1}, {6, 3, 7}};
constexpr int direction_of(int dx, int dy) {
    return kDirectionOf[dx + 1][dy + 1];
}
static_assert([] {
    for (int d = 0; d < 8; ++d) {
        if (direction_of(kDirections[d].dx, kDirections[d].dy) != d) return false;
    }
    return direction_of(0, 0) == -1;
}());

constexpr Tables make_tables() {
    Tables t;
    // Forward steps as the piece's own side sees them.
    constexpr Offset kGoldSteps[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
    constexpr Offset kSilverSteps[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
    constexpr Offset kKingSteps[] = {{-1, 1}, {0, 1},   {1, 1},  {-1, 0},
                                     {1, 0},  {-1, -1}, {0, -1}, {1, -1}};
    constexpr Offset kDiagonal[] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
    constexpr Offset kStraight[] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
    constexpr Offset kPawnStep[] = {{0, 1}};
    constexpr Offset kKnightJumps[] = {{-1, 2}, {1, 2}};
    struct Pattern {
        const Offset* steps;
        int step_count;
        const Offset* rays;
        int ray_count;
    };
    const Pattern patterns[kKinds] = {
        {nullptr, 0, nullptr, 0},      {kPawnStep, 1, nullptr, 0},    {nullptr, 0, kPawnStep, 1},
        {kKnightJumps, 2, nullptr, 0}, {kSilverSteps, 5, nullptr, 0}, {kGoldSteps, 6, nullptr, 0},
        {nullptr, 0, kDiagonal, 4},    {kStraight, 4, kDiagonal, 4},  {nullptr, 0, kStraight, 4},
        {kDiagonal, 4, kStraight, 4},  {kKingSteps, 8, nullptr, 0}};
    for (int k = 0; k < kKinds; ++k) {
        for (int side = 0; side < 2; ++side) {
            const int forward = side == 1 ? 1 : -1;  // the top side moves down the board
            const Pattern& p = patterns[k];
            t.ray_count[k][side] = static_cast<std::int8_t>(p.ray_count);
            for (int r = 0; r < p.ray_count; ++r) {
                t.rays[k][side][r] =
                    static_cast<std::int8_t>(direction_of(p.rays[r].dx, p.rays[r].dy * forward));
            }
            for (int i = 0; i < 81; ++i) {
                bool reached[81] = {};
                for (int s = 0; s < p.step_count; ++s) {
                    const int x = x_of(i) + p.steps[s].dx, y = y_of(i) + p.steps[s].dy * forward;
                    if (x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE) {
                        reached[index_of(x, y)] = true;
                    }
                }
                SquareList& list = t.steps[k][side][i];
                for (int j = 0; j < 81; ++j) {
                    if (reached[j]) list.at[list.count++] = static_cast<std::int8_t>(j);
                }
            }
        }
    }
    for (int d = 0; d < 8; ++d) {
        for (int i = 0; i < 81; ++i) {
            SquareList& list = t.line[d][i];
            for (int x = x_of(i) + kDirections[d].dx, y = y_of(i) + kDirections[d].dy;
                 x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
                 x += kDirections[d].dx, y += kDirections[d].dy) {
                list.at[list.count++] = static_cast<std::int8_t>(index_of(x, y));
            }
        }
    }
    return t;
}

inline constexpr Tables kTables = make_tables();

}  // namespace murokan::patterns
