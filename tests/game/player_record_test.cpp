// The player's record: what it says about the player, and how it is kept.
#include "game/player_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace murokan {
namespace {

// Made-up records: `rows` of {level, wins, losses, draws}.
struct Row {
    int level, wins, losses, draws;
};
PlayerRecord made_up(std::initializer_list<Row> rows) {
    PlayerRecord r;
    for (const Row& x : rows) r.even[x.level] = LevelResults{x.wins, x.losses, x.draws};
    return r;
}

TEST(PlayerRecordTest, RatingAndNextLevelFollowTheResults) {
    struct Case {
        const char* what;
        PlayerRecord record;
        int rating_lo, rating_hi;  // level ratings the estimate lies between
        int next;
    };
    const Case cases[] = {
        {"no games", made_up({}), 1, 1, 1},
        {"beats LEVEL1-3, loses to LEVEL4",
         made_up({{1, 9, 1, 0}, {2, 8, 1, 1}, {3, 8, 2, 0}, {4, 2, 8, 0}}), 3, 5, 4},
        {"even with LEVEL6", made_up({{3, 10, 0, 0}, {4, 9, 1, 0}, {5, 6, 4, 0}, {6, 5, 5, 0}}),
         5, 7, 6},
        {"draws count half", made_up({{4, 0, 0, 10}}), 4, 4, 4},
        {"beats every level", made_up({{9, 10, 0, 0}, {10, 10, 0, 0}}), 10, 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int r = estimate_rating(c.record);
        EXPECT_GE(r, level_rating(c.rating_lo) - 1);
        EXPECT_LE(r, c.rating_hi == 10 ? 100000 : level_rating(c.rating_hi) + 1);
        if (c.rating_hi == 10) {
            EXPECT_GT(r, level_rating(10));
        }
        EXPECT_EQ(suggested_level(c.record), c.next);
    }
}

TEST(PlayerRecordTest, KeptInItsFileAndClearedByAnEmptyRecord) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "murokan_record_test" / "record.ini";
    std::filesystem::remove_all(file.parent_path());
    PlayerRecord r;
    count_game(r, 4, false, GameOutcome::win);
    count_game(r, 4, false, GameOutcome::draw);
    count_game(r, 10, true, GameOutcome::loss);
    count_game(r, 11, false, GameOutcome::win);  // no level: not counted
    ASSERT_TRUE(save_record(file, r));
    const PlayerRecord back = load_record(file);  // as the next run reads it
    EXPECT_EQ(format_record(back), "even 4 1 0 1\nhandicap 10 0 1 0\n");
    ASSERT_TRUE(save_record(file, PlayerRecord{}));
    EXPECT_EQ(format_record(load_record(file)), "");
    std::filesystem::remove_all(file.parent_path());
}

TEST(PlayerRecordTest, ADamagedOrForeignLineCostsOnlyItself) {
    const PlayerRecord r = parse_record(
        "even 4 3 2 1\r\n"
        "even 11 1 1 1\n"        // no such level
        "even 0 1 1 1\n"
        "even 5 -1 0 0\n"        // negative
        "even 6 1 2\n"           // short
        "even 7 1 2 3 4\n"       // long
        "even 8 x 2 3\n"
        "window/x 100\n"
        "handicap 3 0 0 99999999999999999999\n"
        "\xff\xfe garbage\n"
        "handicap 2 0 1 0");
    EXPECT_EQ(format_record(r), "even 4 3 2 1\nhandicap 2 0 1 0\n");
    EXPECT_EQ(format_record(load_record("/nonexistent/murokan/record.ini")), "");
    EXPECT_EQ(format_record(load_record(std::filesystem::temp_directory_path())), "");
}

}  // namespace
}  // namespace murokan
