// Positions and games as text, for the clipboard and the script driver: an
// SFEN line, or a game as the USI line "position startpos|sfen … moves …".
// The reader is pure: it returns a value and touches no game.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// Pasted text beyond this many bytes is refused unread.
inline constexpr std::size_t kPasteMaxBytes = 64 * 1024;

// What a paste gives: a position (no moves), or a game (its start, the moves
// and the position after each, ready to become entries 0..n of the history).
struct 貼付結果 {
    std::string message;  // the refusal shown to the user; empty when accepted
    Position start;
    std::vector<Move> moves;
    std::vector<Position> positions;  // positions[i]: after moves[i]

    bool ok() const { return message.empty(); }
    // The position to show: the last one of the game.
    const Position& last() const { return positions.empty() ? start : positions.back(); }
};

// Reads pasted text: one SFEN line (optionally after the word "sfen"), one
// game line, or both as コピー writes them. A position, and the start of a
// game, must pass 調査_局面; every move is read and played through the rules.
// Surrounding white space, tabs and CR LF line ends are accepted; more than
// kPasteMaxBytes, NUL bytes, other control characters and invalid UTF-8 are
// refused.
貼付結果 読込_貼付文字列(std::string_view text);

// The two lines of コピー, each ended by "\n": the position after `moves` as
// an SFEN line, then the game as "position startpos moves …" when `start` is
// the usual starting position with the bottom side to move, else as
// "position sfen … moves …" (no "moves" word when there are none). The moves
// are played from `start`; both lines stop before a move that is not legal,
// and after MAX_KIFU moves, the most a paste takes back.
std::string 作成_コピー文字列(const Position& start, std::span<const Move> moves);

}  // namespace murokan
