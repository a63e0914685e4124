// The move history: a full snapshot (board, both hands, four clock totals) of
// every position of the current game, entries 0..MAX_KIFU. A move is never
// stored as source and destination; it is recovered by comparing snapshots.
#pragma once

#include "core/constants.h"
#include "core/game_state.h"

namespace murokan {

inline constexpr int KIFU_KAZU = MAX_KIFU + 1;  // number of entries, 0..MAX_KIFU

// Owned by Form1 beside its GameState, which holds the cursor kifu_genzai.
// Entry n is the position after n moves. Row and column 0 of the board copy
// and kind 0 of the hand copies exist and are never used.
struct History {
    int kifu_ban[KIFU_KAZU][10][10] = {};
    int kifu_mochi_ji[KIFU_KAZU][8] = {};
    int kifu_mochi_teki[KIFU_KAZU][8] = {};
    float kifu_ji_mae[KIFU_KAZU] = {};    // bottom total when the entry was saved
    float kifu_ji_ato[KIFU_KAZU] = {};    // bottom total after the following move
    float kifu_teki_mae[KIFU_KAZU] = {};  // top total when the entry was saved
    float kifu_teki_ato[KIFU_KAZU] = {};  // top total after the following move
    int kifu_saishu = 0;                  // index of the last entry saved

    bool operator==(const History&) const = default;
};

// 手順保存: stores ban, the hands and the four clock values as entry
// g.kifu_genzai and makes it the end of the record. The six move arguments are
// accepted for the callers' sake and not stored. Never advances kifu_genzai.
// Returns false, storing nothing, when kifu_genzai lies outside 0..MAX_KIFU.
bool 手順保存(const GameState& g, History& h, int x1, int y1, int x2, int y2, int koma,
              int saki_koma, float ji_mae, float ji_ato, float teki_mae, float teki_ato);

// The history part of 初期設定: stores the freshly set-up position as entry 0
// with the setup's clock values. Call after the state has been reset
// (kifu_genzai = 0, clocks cleared).
void 初期設定_棋譜(const GameState& g, History& h);

// FLAG_ON when no further move fits: the position after it would need an entry
// beyond MAX_KIFU. Checked before a move is recorded; the move is then refused.
int 調査_棋譜満杯(const GameState& g);

// Makes sure the position now on the board is in the history before the history
// is read (one step back from the latest position, writing a record). After a
// move the position it reached is not saved until the next move; this stores it
// as entry kifu_genzai, with the current clock totals as both its before- and
// after-values, and sets kifu_saishu = kifu_genzai. A position already stored
// (a replayed one, or the latest one stored before) is left as it is, so its
// clock values survive. Returns true when it stored.
bool 保存_最新局面(const GameState& g, History& h);

// What a recorded move left on the board.
struct 移動結果 {
    int x = 0;
    int y = 0;
    int koma = KARA;  // KARA when no square changed (or n is out of range)
};

// 調査_移動結果: the first square (x = 1..9 outer, y = 1..9 inner) whose content
// differs between entries n - 1 and n and is not empty in entry n.
移動結果 調査_移動結果(const History& h, int n);

// Copies entry n onto the board and hands of g (hand totals are the caller's).
void 複写_棋譜から盤(const History& h, int n, GameState& g);

}  // namespace murokan
