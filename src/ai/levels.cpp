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
    if (g.taikyoku_mode == MODE_COM) 描画_レベル(h, g.com_level);
}

void 描画_レベル(ComHost& h, int level) {
    h.描画_数値(-1.4, 0.2, "LEVEL", IRO_KURO, 0, 10);
    h.描画_数値(-1.5, 0.1, "LEVEL", IRO_SHIRO, 0, 10);
    h.描画_数値(0.1, 0.1, level, IRO_KURO, 0, 12);
    h.描画_数値(0.0, 0.0, level, IRO_SHIRO, 0, 12);
}

}  // namespace murokan
