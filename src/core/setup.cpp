// 初期設定, the state part: clear the game state and place the starting position.
#include "core/rules.h"

namespace murokan {

namespace {

// Back rank from column 1 to 9, top side's codes.
constexpr int kBackRank[9] = {KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};

}  // namespace

// Steps 1 and 3..7 of the setup; stopping the timer, redrawing and storing
// history entry 0 are the caller's, in that order around this call.
void 初期設定_状態(GameState& g) {
    g.hande_level = 0;
    g.hande_settei = FLAG_OFF;
    g.taikyoku_mode = MODE_MAN;
    g.shuukyoku = 0;
    g.teban = TEBAN_NASHI;
    g.kifu_genzai = 0;
    g.tesuu = 0;
    g.hanten = FLAG_OFF;

    g.teki_jikan = 0;
    g.ji_jikan = 0;
    g.saikai_machi = FLAG_OFF;
    g.kifu_mode = FLAG_OFF;
    g.hyouji_byou = 0;

    for (int k = 1; k <= 7; ++k) {
        g.mochi_ji[k] = 0;
        g.mochi_teki[k] = 0;
    }
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) g.ban[x][y] = KARA;
    }

    for (int x = 1; x <= BAN_SIZE; ++x) {
        g.ban[x][1] = kBackRank[x - 1];
        g.ban[x][3] = HU;
        g.ban[x][7] = -HU;
        g.ban[x][9] = -kBackRank[x - 1];
    }
    g.ban[2][2] = SYA;
    g.ban[8][2] = KAKU;
    g.ban[2][8] = -KAKU;
    g.ban[8][8] = -SYA;

    // The hands were just emptied, but the totals are still counted from the
    // arrays so that they can never disagree.
    g.mochi_ji_kazu = 0;
    g.mochi_teki_kazu = 0;
    for (int k = 1; k <= 7; ++k) {
        if (g.mochi_ji[k] > 0) g.mochi_ji_kazu += g.mochi_ji[k];
        if (g.mochi_teki[k] > 0) g.mochi_teki_kazu += g.mochi_teki[k];
    }
}

}  // namespace murokan
