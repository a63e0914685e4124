// Named constants of the game: piece codes, turn codes, flags, board geometry
// and the colour numbers the drawing code uses. Set once, never changed.
#pragma once

namespace murokan {

// Piece codes. Top-side pieces are positive, bottom-side pieces the same codes
// negated. Promotion moves a code one step away from zero.
inline constexpr int KARA = 0;
inline constexpr int HU = 10;
inline constexpr int HU_NARI = 11;
inline constexpr int KYOU = 20;
inline constexpr int KYOU_NARI = 21;
inline constexpr int KEI = 30;
inline constexpr int KEI_NARI = 31;
inline constexpr int GIN = 40;
inline constexpr int GIN_NARI = 41;
inline constexpr int KIN = 50;
inline constexpr int KIN_NARI = 51;  // named, but never stands on the board
inline constexpr int KAKU = 60;
inline constexpr int KAKU_NARI = 61;
inline constexpr int SYA = 70;
inline constexpr int SYA_NARI = 71;
inline constexpr int OU = 80;

// Turn codes. TEBAN_NASHI also means "no winner" in shuukyoku.
inline constexpr int TEBAN_SENTE = 1;
inline constexpr int TEBAN_GOTE = -1;
inline constexpr int TEBAN_NASHI = 0;

// Every on/off state and every yes/no answer of a rule query.
inline constexpr int FLAG_ON = 1;
inline constexpr int FLAG_OFF = 0;

// Kinds of game.
inline constexpr int MODE_MAN = 0;  // human against human
inline constexpr int MODE_COM = 1;  // human against the computer

// Board geometry in twips: cell (x, y) has its corner at
// (BAN_X0 + MASU_W * x, BAN_Y0 + MASU_H * y).
inline constexpr int BAN_X0 = 1050;
inline constexpr int BAN_Y0 = 100;
inline constexpr int MASU_W = 495;
inline constexpr int MASU_H = 615;
inline constexpr int BAN_SIZE = 9;

// The hand stands are extra columns: a move from one of them is a drop. Which
// row shows which kind is the screen's affair (stand_row, ui/cell.h).
inline constexpr int TEKI_MOCHI_X = -1;  // top side's stand
inline constexpr int JI_MOCHI_X = 11;    // bottom side's stand

// Mouse buttons.
inline constexpr int HIDARI_BUTTON = 1;
inline constexpr int MIGI_BUTTON = 2;

// QBColor numbers.
inline constexpr int BAN_IRO = 2;       // window background and square grid
inline constexpr int MASU_IRO = 2;      // a plain square outline
inline constexpr int SENTAKU_IRO = 12;  // outline of the selected piece
inline constexpr int IRO_KURO = 0;
inline constexpr int IRO_MIDORI = 2;
inline constexpr int IRO_MURASAKI = 5;
inline constexpr int IRO_CHA = 6;
inline constexpr int IRO_AKA = 12;
inline constexpr int IRO_KIIRO = 14;
inline constexpr int IRO_SHIRO = 15;
inline constexpr int SHIDOU_IRO_OFF = 2;  // shidou_iro while move guidance is off
inline constexpr int SHIDOU_IRO_ON = 15;  // shidou_iro while move guidance is on

// Background picture codes.
inline constexpr int HAIKEI_MIDORI = 5;
inline constexpr int HAIKEI_TATAMI = 6;
inline constexpr int HAIKEI_TAKE = 7;
inline constexpr int HAIKEI_UCHU = 8;
inline constexpr int HAIKEI_RENGA = 9;

// Other picture codes.
inline constexpr int E_PA1 = 3;       // first frame of the vanish animation
inline constexpr int E_PA2 = 4;       // second frame
inline constexpr int E_MUROKAN = -3;  // title art

// Move history bounds: entries 0..MAX_KIFU.
inline constexpr int MAX_KIFU = 500;

}  // namespace murokan
