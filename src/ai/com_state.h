// The computer player's own state: its influence maps and the scratch values of
// one turn (best score so far, the board and maps as they were before the first
// trial move, the escape count of the bottom king). One object is owned by the
// program next to the GameState; nothing in it is allocated per move.
#pragma once

#include "ai/maps.h"

namespace murokan {

struct ComState {
    InfluenceMaps maps;

    double saikouten = -99999;     // best score found so far in this turn's search
    int ban_kaishi[10][10] = {};   // the board before the first trial move
    int ugoku_koma = 0;            // the trial move's piece, before promotion
    int ou_kyori = 0;              // king-move distance from the trial source to the bottom king
    int nigemichi = 0;             // escapes of the bottom king before the turn's first trial
    int mochi_teki_kazu_mae = 0;   // top hand total before the search
    int kiki_ji_mae[10][10] = {};  // kiki_ji / kiki_teki before the first trial move
    int kiki_teki_mae[10][10] = {};
};

}  // namespace murokan
