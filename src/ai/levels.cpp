// Strength levels and their menu items.
#include "ai/levels.h"

namespace murokan {

void LEVEL_Click(GameState& g, ComHost& h, int n) {
    for (int x = -2; x <= 0; ++x) h.描画_絵(h.haikei(), x, 0);
    レベル_設定(g, h, n);
}

void レベル_設定(GameState& g, ComHost& h, int n) {
    for (int i = 1; i <= 3; ++i) h.LEVEL_Checked(i, false);
    if (n >= 1 && n <= 3) {
        h.LEVEL_Checked(n, true);
        g.com_level = n;
    }
    if (g.taikyoku_mode == MODE_COM) h.描画_レベル(g.com_level);
}

}  // namespace murokan
