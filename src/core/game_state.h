// The whole state of one game as the window keeps it: the position, the
// clocks, the modes and the click state. One object is owned by Form1.
#pragma once

#include "core/constants.h"
#include "core/position.h"

namespace murokan {

// The position, and what the window keeps about the game around it.
struct GameState : Position {
    int tesuu = 0;
    int taikyoku_mode = MODE_MAN;
    int com_level = 3;
    int kifu_mode = FLAG_OFF;
    int saikai_machi = FLAG_OFF;
    int click_dankai = 0;
    int nari_koma = 0;

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
