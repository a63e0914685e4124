// The whole state of one game: board, hands, turn, flags and clocks.
// One object is owned by Form1; the rules read and write it directly.
#pragma once

#include "core/constants.h"

namespace murokan {

struct GameState {
    // ban[x][y]: x the column from the left, y the row from the top, both 1..9.
    // Row 0 and column 0 exist and always hold KARA.
    int ban[10][10] = {};

    // Counts per hand kind 1..7 (1 歩 … 7 飛); index 0 unused.
    int mochi_ji[8] = {};    // bottom side's hand
    int mochi_teki[8] = {};  // top side's hand
    int mochi_ji_kazu = 0;   // totals, kept equal to the sums above
    int mochi_teki_kazu = 0;

    int teban = TEBAN_NASHI;  // side to move; 0 while no game runs
    int ji_teban = TEBAN_SENTE;
    int teki_teban = TEBAN_GOTE;
    int tesuu = 0;
    int taikyoku_mode = MODE_MAN;
    int com_level = 3;
    int shuukyoku = 0;  // 0 while the game runs, else the winner's turn code
    int kifu_mode = FLAG_OFF;
    int saikai_machi = FLAG_OFF;
    int click_dankai = 0;
    int nari_koma = 0;

    // nifu_ji[x] = 1 when column x holds an unpromoted bottom pawn; likewise top.
    int nifu_ji[10] = {};
    int nifu_teki[10] = {};

    int ji_ou_x = 5, ji_ou_y = 9;
    int teki_ou_x = 5, teki_ou_y = 1;

    // Clocks, in seconds (single precision, as the system clock reading).
    float kaishi_byou = 0;
    float keika_byou = 0;
    int hyouji_byou = 0;
    float ji_jikan = 0;
    float teki_jikan = 0;

    int hande_level = 0;
    int hande_settei = FLAG_OFF;
    int hanten = FLAG_OFF;
    int kifu_genzai = 0;
};

}  // namespace murokan
