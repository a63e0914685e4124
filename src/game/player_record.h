// The player's own record against the computer: wins, losses and draws at
// each level, even games and handicap games apart, with what they say about
// the player (a rating on the ladder's scale, the level to try next) and how
// the record is kept in a small text file of the user's own.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "ai/engine_levels.h"

namespace murokan {

struct LevelResults {
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int games() const { return wins + losses + draws; }
};

// Indexed by level, 1..kLastLevel; entry 0 is unused.
struct PlayerRecord {
    std::array<LevelResults, kLastLevel + 1> even{};
    std::array<LevelResults, kLastLevel + 1> handicap{};
};

// How one finished game came out for the player.
enum class GameOutcome { win, loss, draw };

// Counts one game at `level` (ignored outside 1..kLastLevel).
void count_game(PlayerRecord& r, int level, bool handicap, GameOutcome outcome);

// The record as the file keeps it: lines "even L W X D" and "handicap L W X D"
// for every level with games.
std::string format_record(const PlayerRecord& r);
// The record a file's text holds. A line that is not one of ours in every
// part (a foreign key, a level out of range, a count that is no whole number
// of games) is passed over, so that a damaged file costs only that line.
PlayerRecord parse_record(std::string_view text);

// The record kept in `file`: empty when the path is empty, the file is
// missing, unreadable or larger than any record.
PlayerRecord load_record(const std::filesystem::path& file);
// Writes the record to `file` (its folder made as needed) through a file
// beside it, so that a crash never leaves half a record; false on failure or
// for an empty path.
bool save_record(const std::filesystem::path& file, const PlayerRecord& r);

// The player's rating on the ladder's scale, the most likely one given the
// even games and the levels' ratings; with one drawn game assumed against
// each level played, so that a run of wins stays finite. Without games, the
// rating of LEVEL1.
int estimate_rating(const PlayerRecord& r);

// The lowest level where the player scores under 60%: its even games where
// there are any, else the score the estimated rating expects.
int suggested_level(const PlayerRecord& r);

}  // namespace murokan
