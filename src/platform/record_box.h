// What the box 成績 shows: the player's games against the computer level by
// level, what they say about the player, and a button that clears them. The
// game prepares every text; the box only lays them out.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace murokan::platform {

// One level's games.
struct RecordRow {
    std::string level;          // "LEVEL6"
    std::optional<int> rating;  // none for the levels that have none
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
