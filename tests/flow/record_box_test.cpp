// 成績 as the player meets it: the box lists the record kept in the player's
// file, and its button clears that record only once the player confirms.
#include "ai/engine_levels.h"
#include "flow_fixture.h"
#include "game/player_record.h"

namespace murokan::test {
namespace {

using RecordBoxTest = FlowTest;

constexpr const char* kConfirm = "成績をすべて消去します。よろしいですか？";

// Four even games at LEVEL4, three at LEVEL6 and one handicap game at LEVEL5.
PlayerRecord made_up_record() {
    PlayerRecord r;
    r.even[4] = {3, 1, 0};
    r.even[6] = {0, 2, 1};
    r.handicap[5] = {1, 0, 0};
    return r;
}

TEST_F(RecordBoxTest, ListsEveryLevelThenTheHandicapGamesAndWhatTheySay) {
    const PlayerRecord r = made_up_record();
    ASSERT_TRUE(save_record("rec.ini", r));
    form.record_file = "rec.ini";
    rp.dialogs.queueAnswer(false);  // 閉じる
    form.dispatchMenu("SEISEKI");

    ASSERT_EQ(rp.dialogs.recordViews().size(), 1u);
    const platform::RecordView& v = rp.dialogs.recordViews()[0];
    EXPECT_EQ(v.title, "成績");
    ASSERT_EQ(v.sections.size(), 2u);
    const auto& even = v.sections[0].rows;
    ASSERT_EQ(even.size(), std::size_t{kLastLevel});
    struct Want {
        std::size_t row;
        const char* level;
        int rating, wins, losses, draws;
    };
    for (const Want& w :
         {Want{0, "LEVEL1", 0, 0, 0, 0}, Want{3, "LEVEL4", level_rating(4), 3, 1, 0},
          Want{5, "LEVEL6", level_rating(6), 0, 2, 1},
          Want{9, "LEVEL10", level_rating(10), 0, 0, 0}}) {
        const platform::RecordRow& row = even[w.row];
        EXPECT_EQ(row.level, w.level);
        EXPECT_EQ(row.rating, w.rating) << w.level;
        EXPECT_EQ(row.wins, w.wins) << w.level;
        EXPECT_EQ(row.losses, w.losses) << w.level;
        EXPECT_EQ(row.draws, w.draws) << w.level;
    }
    EXPECT_EQ(v.sections[1].heading, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦");
    ASSERT_EQ(v.sections[1].rows.size(), 1u);
    EXPECT_EQ(v.sections[1].rows[0].level, "LEVEL5");
    EXPECT_EQ(v.sections[1].rows[0].wins, 1);
    EXPECT_EQ(v.rating_line, "あなたのﾚｰﾃｨﾝｸﾞ  R " + std::to_string(estimate_rating(r)));
    EXPECT_EQ(v.next_line, "次のおすすめ  LEVEL" + std::to_string(suggested_level(r)));
}

// The box's button asks first; only a yes empties the file and the table.
TEST_F(RecordBoxTest, ClearsOnlyWhenThePlayerConfirms) {
    struct Case {
        std::vector<bool> answers;  // the box's button, then the confirmation
        bool asked, cleared;
    };
    const Case cases[] = {
        {{false}, false, false}, {{true, false}, true, false}, {{true, true}, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_TRUE(save_record("rec.ini", made_up_record()));
        form.record_file = "rec.ini";
        const std::size_t views = rp.dialogs.recordViews().size();
        const std::size_t boxes = rp.dialogs.messages().size();
        for (bool a : c.answers) rp.dialogs.queueAnswer(a);
        form.dispatchMenu("SEISEKI");

        const bool asked =
            rp.dialogs.messages().size() > boxes && rp.dialogs.messages().back().text == kConfirm;
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(format_record(load_record("rec.ini")).empty(), c.cleared);
        // A clearing shows the emptied table at once, without the handicap part.
        ASSERT_EQ(rp.dialogs.recordViews().size(), views + (c.cleared ? 2 : 1));
        const platform::RecordView& now = rp.dialogs.recordViews().back();
        EXPECT_EQ(now.sections.size(), c.cleared ? 1u : 2u);
        EXPECT_EQ(now.sections[0].rows[3].wins, c.cleared ? 0 : 3);
    }
}

}  // namespace
}  // namespace murokan::test
