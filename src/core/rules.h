// The rules of play: move legality, hands and promotion, moving a piece and the
// strike-and-flick chain. Plain functions over a Position; nothing here draws,
// waits or plays a sound, and nothing allocates. What a move changed is
// reported back so that the screen can animate it without working it out again.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/game_state.h"

namespace murokan {

// ---------------------------------------------------------------- directions

// The eight directions of travel, plus 無 for "source and destination coincide".
enum class 方向 : std::int8_t { 無, 上, 下, 左, 右, 左上, 左下, 右上, 右下 };

struct Step {
    int dx;
    int dy;
};

// Unit step of a direction (x grows to the right, y downwards); (0, 0) for 無.
Step 方向_単位(方向 d);
// The direction's name as the game writes it ("上", "左下", …; "" for 無).
std::string_view 方向_名前(方向 d);

// ---------------------------------------------------------------- setup

// 初期設定, the state part: clears the game state and places the starting
// position. Redrawing the screen and storing history entry 0 are the caller's
// next two steps (Form1 does them, in that order).
void 初期設定_状態(GameState& g);

// ---------------------------------------------------------------- legality

// FLAG_ON when the move or drop (x1, y1) -> (x2, y2) of `code` is legal.
// For a drop x1 is the hand column (-1 or 11) and `code` the signed code the
// piece will have on the board. Reads ban and the two-pawn flags only.
int 移動チェック(const Position& g, int x1, int y1, int x2, int y2, int code);
// FLAG_ON when (x2, y2) is on the row or column of (x1, y1) with nothing between.
int 移動チェック飛車(const Position& g, int x1, int y1, int x2, int y2);
// FLAG_ON when (x2, y2) is on a diagonal of (x1, y1) with nothing between.
int 移動チェック角(const Position& g, int x1, int y1, int x2, int y2);
// FLAG_ON when some board square holds exactly `code`.
int 調査_駒存在(const Position& g, int code);
// FLAG_OFF when the unpromoted piece `code` could never move again from row y.
int 移動後チェック(int y, int code);
// FLAG_ON when `code` is KARA or the code of a piece that can stand on the board
// (KIN_NARI and any other number are not).
int 調査_有効駒コード(int code);

// ---------------------------------------------------------------- hands, promotion

// Puts a taken piece into the hand of the side that does not own it (demoted),
// or ends the game when it is a king. Leaves the hand totals to the caller.
void 駒取得(Position& g, int code);
// Takes the piece one step from (x, y) in direction d into a hand and empties
// its square, keeping the hand totals in step. Returns the code taken (KARA if
// the square was empty).
int 駒取得_処理(Position& g, int x, int y, 方向 d);
// FLAG_ON when `code` belongs to the side whose turn code is `side`.
int 調査_駒取(const Position& g, int side, int code);
// Number of pieces in the hand of the side whose turn code is `side`.
int 調査_持駒数(const Position& g, int side);
// Recomputes nifu_ji and nifu_teki from the board.
void 調査_2歩フラグ設定(Position& g);
// FLAG_ON when the move may promote; then `nari` holds the promoted code
// (untouched otherwise). Only the rows and the code decide.
int 調査_駒成(const Position& g, int x1, int y1, int x2, int y2, int code, int& nari);
// The same for the window, which keeps the promoted code in g.nari_koma.
int 調査_駒成(GameState& g, int x1, int y1, int x2, int y2, int code);

// ---------------------------------------------------------------- moving

// What 駒移動 changed. Hand drops and hand captures tell the screen which
// stand to redraw.
struct MoveReport {
    int taken_at_destination = KARA;  // code found on the destination (never in play)
    bool teki_mochi_changed = false;  // top hand stand needs a redraw
    bool ji_mochi_changed = false;    // bottom hand stand needs a redraw
};

// Places `code` on (x2, y2) and removes the piece from its source. For a drop
// x1 names the hand (TEKI_MOCHI_X or JI_MOCHI_X) and y1 the kind dropped.
MoveReport 駒移動(Position& g, int x1, int y1, int x2, int y2, int code);

// Direction of travel from (x1, y1) to (x2, y2); 無 when they coincide.
方向 取得_進行方向(int x1, int y1, int x2, int y2);

enum class 弾結果 : std::int8_t { 無, 有, 取 };

// Looks from the striker on (x, y) along d for the first piece F. Reports F's
// square and code through fx, fy, fcode (untouched when nothing is found).
弾結果 調査_存在弾駒(const Position& g, int side, int x, int y, 方向 d, int& fx, int& fy,
                     int& fcode);

// One square of a flicked piece's slide.
struct SlideStep {
    std::int8_t from_x, from_y, to_x, to_y;
    std::int16_t code;
};

// What the strike chain did, in order, for the screen to play back.
struct ChainReport {
    static constexpr int kMaxSteps = 64;
    SlideStep steps[kMaxSteps];
    int step_count = 0;
    int passes = 0;
    // A sandwich: the vanish animation plays at (sand_x, sand_y) and the piece
    // there (taken_code) went into a hand. A jammed piece found at a distance
    // from the striker is not taken and reports no sandwich.
    bool sandwiched = false;
    int sand_x = 0, sand_y = 0;
    int taken_code = KARA;
};

// Slides the piece on (fx, fy) along d until it meets a piece or the edge.
// Its resting square comes back through sx, sy. Steps are appended to `report`.
void はじき処理(Position& g, int fx, int fy, 方向 d, int code, int& sx, int& sy,
                ChainReport& report);

// Runs the strike chain of a board move by `side` that ended on (x2, y2)
// travelling in direction d, to its end.
ChainReport はじき連鎖(Position& g, int side, int x2, int y2, 方向 d);
// The same chain for a caller that reads nothing of it (the search): the board
// and hands end alike, and no report is written.
void はじき連鎖_記録なし(Position& g, int side, int x2, int y2, 方向 d);

}  // namespace murokan
