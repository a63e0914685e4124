// 成績 as the player meets it: the box lists the record kept in the player's
// file, and its button clears that record only once the player confirms.
#include "ai/engine_levels.h"
#include "flow_fixture.h"
#include "game/player_record.h"

namespace murokan::test {
namespace {

// A row as the player reads it: "LEVEL4 R191 3-1-0", "LEVEL1 R- 0-0-0".
std::string seen(const platform::RecordRow& r) {
    return r.level + " R" + (r.rating ? std::to_string(*r.rating) : "-") + " " +
           std::to_string(r.wins) + "-" + std::to_string(r.losses) + "-" + std::to_string(r.draws);
}

class RecordBoxTest : public FlowTest {
  protected:
    // Opens 成績 on a made-up record with the given answers to its boxes.
    void open_with(std::initializer_list<bool> answers) {
        ASSERT_TRUE(save_record("rec.ini", record));
        form.record_file = "rec.ini";
        for (bool a : answers) rp.dialogs.queueAnswer(a);
        form.dispatchMenu("SEISEKI");
    }
    PlayerRecord record = [] {
        PlayerRecord r;
        r.even[4] = {3, 1, 0};
        r.even[6] = {0, 2, 1};
        r.handicap[5] = {1, 0, 0};
        return r;
    }();
};

TEST_F(RecordBoxTest, ListsEveryLevelThenTheHandicapGamesAndWhatTheySay) {
    open_with({false});
    ASSERT_EQ(rp.dialogs.recordViews().size(), 1u);
    const platform::RecordView& v = rp.dialogs.recordViews()[0];
    ASSERT_EQ(v.sections.size(), 2u);
    ASSERT_EQ(v.sections[0].rows.size(), std::size_t{kLastLevel});
    EXPECT_EQ(seen(v.sections[0].rows[0]), "LEVEL1 R- 0-0-0");
    EXPECT_EQ(seen(v.sections[0].rows[3]), "LEVEL4 R" + std::to_string(level_rating(4)) + " 3-1-0");
    EXPECT_EQ(seen(v.sections[0].rows[5]), "LEVEL6 R" + std::to_string(level_rating(6)) + " 0-2-1");
    EXPECT_EQ(v.sections[1].heading, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦");
    ASSERT_EQ(v.sections[1].rows.size(), 1u);
    EXPECT_EQ(seen(v.sections[1].rows[0]), "LEVEL5 R" + std::to_string(level_rating(5)) + " 1-0-0");
    EXPECT_EQ(v.rating_line, "あなたのﾚｰﾃｨﾝｸﾞ  R " + std::to_string(estimate_rating(record)));
    EXPECT_EQ(v.next_line, "次のおすすめ  LEVEL" + std::to_string(suggested_level(record)));
}

// The box's button asks first; only a yes empties the file and the table.
TEST_F(RecordBoxTest, ClearsOnlyWhenThePlayerConfirms) {
    struct Case {
        std::initializer_list<bool> answers;  // the box's button, then the confirmation
        std::size_t boxes, views;             // confirmations asked, tables shown
    };
    for (const Case& c :
         {Case{{false}, 0, 1}, Case{{true, false}, 1, 1}, Case{{true, true}, 1, 2}}) {
        const std::size_t boxes = rp.dialogs.messages().size();
        const std::size_t views = rp.dialogs.recordViews().size();
        open_with(c.answers);
        ASSERT_EQ(rp.dialogs.messages().size() - boxes, c.boxes);
        if (c.boxes) {
            EXPECT_EQ(rp.dialogs.messages().back().text,
                      "成績をすべて消去します。よろしいですか？");
        }
        ASSERT_EQ(rp.dialogs.recordViews().size() - views, c.views);
        const bool cleared = c.views == 2;
        EXPECT_EQ(format_record(load_record("rec.ini")).empty(), cleared);
        // A clearing shows the emptied table at once, without the handicap part.
        const platform::RecordView& now = rp.dialogs.recordViews().back();
        EXPECT_EQ(now.sections.size(), cleared ? 1u : 2u);
        EXPECT_EQ(now.sections[0].rows[3].wins, cleared ? 0 : 3);
    }
}

}  // namespace
}  // namespace murokan::test
