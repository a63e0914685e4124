// The handicap ladder's step tables.
#include "core/handicap.h"

namespace murokan {

namespace {

// Index n + 10.
constexpr ハンデ手 kUp[21] = {
    {0, 0, KARA},   // -10 is never reached going up
    {6, 9, -KIN},   // -9
    {4, 9, -KIN},   // -8
    {7, 9, -GIN},   // -7
    {3, 9, -GIN},   // -6
    {8, 9, -KEI},   // -5
    {2, 9, -KEI},   // -4
    {9, 9, -KYOU},  // -3
    {1, 9, -KYOU},  // -2
    {8, 8, -SYA},   // -1
    {2, 8, -KAKU},  // 0
    {8, 2, KARA},   // 1
    {2, 2, KARA},   // 2
    {9, 1, KARA},   // 3
    {1, 1, KARA},   // 4
    {8, 1, KARA},   // 5
    {2, 1, KARA},   // 6
    {7, 1, KARA},   // 7
    {3, 1, KARA},   // 8
    {6, 1, KARA},   // 9
    {4, 1, KARA},   // 10
};

constexpr ハンデ手 kDown[21] = {
    {6, 9, KARA},  // -10
    {4, 9, KARA},  // -9
    {7, 9, KARA},  // -8
    {3, 9, KARA},  // -7
    {8, 9, KARA},  // -6
    {2, 9, KARA},  // -5
    {9, 9, KARA},  // -4
    {1, 9, KARA},  // -3
    {8, 8, KARA},  // -2
    {2, 8, KARA},  // -1
    {8, 2, KAKU},  // 0
    {2, 2, SYA},   // 1
    {9, 1, KYOU},  // 2
    {1, 1, KYOU},  // 3
    {8, 1, KEI},   // 4
    {2, 1, KEI},   // 5
    {7, 1, GIN},   // 6
    {3, 1, GIN},   // 7
    {6, 1, KIN},   // 8
    {4, 1, KIN},   // 9
    {0, 0, KARA},  // 10 is never reached going down
};

}  // namespace

ハンデ手 ハンデ_上げ手(int n) {
    if (n <= HANDE_LEVEL_MIN || n > HANDE_LEVEL_MAX) return {0, 0, KARA};
    return kUp[n - HANDE_LEVEL_MIN];
}

ハンデ手 ハンデ_下げ手(int n) {
    if (n < HANDE_LEVEL_MIN || n >= HANDE_LEVEL_MAX) return {0, 0, KARA};
    return kDown[n - HANDE_LEVEL_MIN];
}

int ハンデ_拒否理由(const GameState& g) {
    if (g.kifu_mode == FLAG_ON) return 1;
    if (g.kifu_genzai > 0) return 2;
    if (g.hanten == FLAG_ON) return 3;
    return 0;
}

}  // namespace murokan
