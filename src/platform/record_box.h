// What the box 成績 shows: the player's games against the computer level by
// level, what they say about the player, and a button that clears them. The
// game prepares every text; the box only lays them out.
#pragma once

#include <string>
#include <vector>

namespace murokan::platform {

// One level's games.
struct RecordRow {
    std::string level;  // "LEVEL6"
    int rating = 0;     // the level's rating; 0 for a level that has none
    int wins = 0;
    int losses = 0;
    int draws = 0;
};

// A table of levels under a heading ("" for the first, which needs none).
struct RecordSection {
    std::string heading;
    std::vector<RecordRow> rows;
};

struct RecordView {
    std::string title;
    std::vector<RecordSection> sections;
    std::string rating_line;  // the player's estimated rating
    std::string next_line;    // the level to try next
};

}  // namespace murokan::platform
