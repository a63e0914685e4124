// The computer's eyes: per-square influence maps of both sides, the pin marks,
// the escape marks of the bottom king, and the probes that read them.
//
// All maps are indexed [x][y] exactly like Position::ban (x the column from
// the left, y the row from the top); only 1..9 x 1..9 is ever written or read.
// One InfluenceMaps object is owned by the computer player and refilled by
// 勢力調査 for every position it looks at; nothing here allocates.
#pragma once

#include "core/game_state.h"

namespace murokan {

struct InfluenceMaps {
    // Filled by 勢力調査 (every cell 1..9 reset at the start of each survey,
    // except mamori_teki_x / mamori_teki_y, which keep old squares).
    int kiki_ji[10][10] = {};        // bottom pieces reaching the square
    int kiki_teki[10][10] = {};      // top pieces reaching the square
    int mamori_ji[10][10] = {};      // on a bottom piece: most negative guard code, 999 = none
    int mamori_teki[10][10] = {};    // on a top piece: smallest guard code, 999 = none
    int mamori_teki_x[10][10] = {};  // square of the last guard stored with its square
    int mamori_teki_y[10][10] = {};
    int saijaku_ji[10][10] = {};  // on a top piece: cheapest bottom attacker, -999 = none
    int saijaku_ji_x[10][10] = {};
    int saijaku_ji_y[10][10] = {};
    int saijaku_teki[10][10] = {};  // on a bottom piece: cheapest top attacker, 999 = none
    // The turn driver keeps before-move copies of these two; no kind of piece
    // records a square for saijaku_teki, so nothing writes them and they stay 0.
    int saijaku_teki_x[10][10] = {};
    int saijaku_teki_y[10][10] = {};
    // Check marks against the bottom king: 9 on each checking top piece (and on
    // the king's square for a knight check), 1 between a checking ranger and the king.
    int oute_teki[10][10] = {};

    // Filled by 調査_移動不可駒.
    int ugokenai_ji[10][10] = {};  // 1 on a bottom piece whose lifting exposes its king
    int ugokenai_teki_ari = 0;     // 1 when the same held for some top piece

    // Set (never cleared) by 調査_自王逃道; the turn driver clears it with
    // 消去_逃道マス before the turn's first call.
    int nigemichi_masu[10][10] = {};
};

// ---------------------------------------------------------------- survey

// Refills every survey map from g.ban, and stores the square of each king met
// into g.ji_ou_x/y and g.teki_ou_x/y (a missing king keeps its old square).
void 勢力調査(Position& g, InfluenceMaps& m);

// Straight rays of a lance, rook or dragon with `code` standing on (x, y);
// the side is the sign of code. Only 勢力調査 calls them (public for tests).
void 勢力確定上直進(const Position& g, InfluenceMaps& m, int code, int x, int y);
void 勢力確定下直進(const Position& g, InfluenceMaps& m, int code, int x, int y);
void 勢力確定右直進(const Position& g, InfluenceMaps& m, int code, int x, int y);
void 勢力確定左直進(const Position& g, InfluenceMaps& m, int code, int x, int y);
// Gold pattern of a bottom gold mover (records `code`) / a top one (records 50).
void 勢力確定自金(const Position& g, InfluenceMaps& m, int code, int x, int y);
void 勢力確定敵金(const Position& g, InfluenceMaps& m, int x, int y);
// Diagonal rays of a bottom bishop or horse (records -60) / a top one (records code).
void 勢力確定自角(const Position& g, InfluenceMaps& m, int x, int y);
void 勢力確定敵角(const Position& g, InfluenceMaps& m, int code, int x, int y);

// ---------------------------------------------------------------- pins

// Fills ugokenai_ji and ugokenai_teki_ari, using the king squares last stored
// by 勢力調査. Lifts each piece off the board in turn; g.ban ends unchanged.
void 調査_移動不可駒(Position& g, InfluenceMaps& m);

// ---------------------------------------------------------------- tactical probes

// Number of squares the piece p on (x, y) may move to that the other side does
// not reach (kiki_ji for a top piece, kiki_teki for a bottom one).
int 調査_移動可場所数(const Position& g, const InfluenceMaps& m, int x, int y, int p);
// FLAG_ON when the first bottom lance/rook/dragon below (x, y) on its column,
// with no top piece before it, could move up onto (x, y) were it empty.
// Empties (x, y) for the look and puts it back.
int 調査_自守駒MAN_直進駒(Position& g, int x, int y);
// Minus the number of neighbours of (x, y) holding a top piece of code >= 60.
int 調査_周辺状況(const Position& g, int x, int y);
// Value won by a top knight dropped two rows behind the top piece on (x, y),
// forking it with a big bottom piece two columns aside; 0 when none.
int 調査_桂狙い(const Position& g, const InfluenceMaps& m, int x, int y);

// ---------------------------------------------------------------- mate probes

// FLAG_ON when the bottom king on (g.ji_ou_x, g.ji_ou_y) is judged mated, by
// the maps of the survey just run. Tries moves on g.ban and restores it.
int 詰めかMAN(Position& g, const InfluenceMaps& m);
// FLAG_ON when some top piece may move onto the bottom king's square.
int 詰めかMAN_COM移動(const Position& g);
// Number of empty, unattacked neighbours of the bottom king; marks each one
// with 1 in m.nigemichi_masu (never clears it).
int 調査_自王逃道(const Position& g, InfluenceMaps& m);
// Sets every cell of m.nigemichi_masu to KARA.
void 消去_逃道マス(InfluenceMaps& m);

}  // namespace murokan
