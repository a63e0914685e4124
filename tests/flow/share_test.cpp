// コピー, 貼り付け and 局面編集 as a player meets them: what is copied pastes
// back as the same position and history; a refusal changes nothing; an edited
// position survives a record file.
#include <filesystem>
#include <functional>
#include <memory>

#include "core/sfen.h"
#include "flow_fixture.h"
#include "record/record_file.h"

namespace murokan::test {
namespace {

// A second program, to paste into.
struct Other {
    platform::RecordingPlatform rp;
    Form1 form{rp.platform};
    Other() { form.Form_Load(); }
};

std::string shown(const GameState& g) {
    return format_sfen(g);
}

class ShareTest : public FlowTest {
  protected:
    // Plays `plies` legal moves, each chosen from the list by the ply number.
    void play(int plies) {
        for (int i = 0; i < plies && form.g.shuukyoku == 0; ++i) {
            MoveList list;
            generate_moves(form.g, list);
            ASSERT_GT(list.count, 0);
            form.play_turn(list.moves[(i * 7 + 3) % list.count], Mover::human);
        }
    }
    // Sets up by the editor's clicks a position with both kings, a promoted
    // piece, pieces in both hands and the top side to move, and ends editing.
    void edit_position() {
        form.dispatchMenu("HENSHU_KAISHI");
        form.dispatchMenu("HENSHU_KARA");
        const auto at = [](int cx) { return BAN_X0 + MASU_W * (cx + 0.5); };
        const auto row = [](int cy) { return BAN_Y0 + MASU_H * (cy + 0.5); };
        const auto put = [&](int palette_x, int palette_y, int x, int y) {
            form.mouseDown(HIDARI_BUTTON, at(palette_x), row(palette_y));
            form.mouseDown(HIDARI_BUTTON, at(x), row(y));
        };
        put(13, 1, 5, 9);                              // 玉
        put(14, 1, 4, 1);                              // 王
        put(13, 2, 2, 5);                              // 飛
        form.mouseDown(HIDARI_BUTTON, at(2), row(5));  // promoted: 竜
        put(14, 8, 7, 3);                              // a top pawn
        ASSERT_TRUE(form.edit_hand(true, 4, 2));
        ASSERT_TRUE(form.edit_hand(false, 1, 3));
        form.dispatchMenu("HENSHU_TEBAN");
        form.dispatchMenu("HENSHU_OWARI");
        ASSERT_EQ(form.editor(), nullptr);
    }
};

// Copy, paste into another program, copy again: the same text, the same
// position, and stepping back shows the same positions all the way.
TEST_F(ShareTest, CopyThenPasteGivesTheSamePositionAndHistory) {
    struct Case {
        const char* name;
        std::function<void()> setup;
        bool from_startpos;
    };
    const Case cases[] = {
        {"from the start", [this] { form.dispatchMenu("START"); }, true},
        {"from a handicap",
         [this] {
             form.dispatchMenu("LBEL_UP");
             form.dispatchMenu("LBEL_UP");
             form.dispatchMenu("START");
         },
         false},
        {"from an edited position", [this] { edit_position(); }, false},
        {"against the computer, which moved first",
         [this] {
             form.dispatchMenu("LEVEL1");
             form.dispatchMenu("GOTE");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.CANCEL_Click();
        c.setup();
        play(14);
        const std::string text = form.コピー文字列();
        EXPECT_EQ(text.find("position startpos") != std::string::npos, c.from_startpos) << text;
        EXPECT_NE(text.find(" moves "), std::string::npos) << text;

        Other other;
        ASSERT_TRUE(other.form.貼付(text));
        EXPECT_EQ(other.form.コピー文字列(), text);
        EXPECT_EQ(other.form.g.tesuu, form.g.tesuu);
        while (form.g.kifu_genzai > 0) {
            ASSERT_EQ(shown(other.form.g), shown(form.g)) << "at move " << form.g.kifu_genzai;
            form.REPLAY_Click();
            other.form.REPLAY_Click();
        }
        EXPECT_EQ(other.form.g.kifu_genzai, 0);
        EXPECT_EQ(shown(other.form.g), shown(form.g));
    }
}

// Text a paste refuses, and a position the editor refuses to leave: each is
// told in a box, and the game, the history and the folder stay as they were.
TEST_F(ShareTest, EveryRefusalLeavesGameHistoryAndFilesUntouched) {
    form.dispatchMenu("START");
    play(6);
    const std::string sfen_start(kStartSfen);
    const struct {
        std::string text;
        const char* message;
    } refused[] = {
        {std::string(kPasteMaxBytes + 1, ' '), "貼り付けるﾃﾞｰﾀが大きすぎます（64KBまで）"},
        {"lnsgkgsnl\x01", "貼り付けるﾃﾞｰﾀが文字ではありません"},
        {"こんにちは", "局面が読めません"},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKKSNL b - 1",
         "先手の王が２枚以上あります"},
        {"4k3P/9/9/9/9/9/9/9/4K4 b - 1", "１一の歩はもう動けません"},
        {"position startpos moves 7g7f 3c3d 7f7e 9i9h", "4手目の 9i9h は指せません"},
    };
    const std::string before = form.コピー文字列();
    const auto hist_before = std::make_unique<History>(form.hist);
    const int tesuu = form.g.tesuu;
    const auto files = [] {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(".")) names.push_back(e.path());
        return names;
    };
    const auto files_before = files();
    for (const auto& r : refused) {
        SCOPED_TRACE(r.message);
        forget_events();
        EXPECT_FALSE(form.貼付(r.text));
        EXPECT_TRUE(has(take_events(), "msg \"貼り付け\" \"" + std::string(r.message) + "\""));
        EXPECT_EQ(form.コピー文字列(), before);
        EXPECT_TRUE(form.hist == *hist_before);
        EXPECT_EQ(form.g.tesuu, tesuu);
        EXPECT_EQ(files(), files_before);
    }

    // The editor keeps a refused position, and the game stays as it was.
    form.dispatchMenu("HENSHU_KAISHI");
    form.dispatchMenu("HENSHU_KARA");
    forget_events();
    form.dispatchMenu("HENSHU_OWARI");
    EXPECT_TRUE(has(take_events(), "msg \"局面編集\" \"先手の王がありません\""));
    ASSERT_NE(form.editor(), nullptr);
    form.dispatchMenu("HENSHU_CHUSHI");
    EXPECT_EQ(form.editor(), nullptr);
    EXPECT_EQ(form.コピー文字列(), before);
    EXPECT_TRUE(form.hist == *hist_before);
}

// A game from an edited position written as a record reads back with the
// same positions after each move.
TEST_F(ShareTest, EditedPositionSavedAsRecordLoadsBackTheSame) {
    edit_position();
    form.dispatchMenu("HENSHU_KAISHI");
    form.dispatchMenu("HENSHU_TEBAN");  // the bottom side moves first, as a record reads
    form.dispatchMenu("HENSHU_OWARI");
    std::vector<std::string> after;
    for (int i = 0; i < 4; ++i) {
        play(1);
        after.push_back(shown(form.g));
    }
    棋譜書込指定 where;
    where.folder = std::filesystem::current_path();
    where.file_name = "edited";
    ASSERT_TRUE(書込_棋譜(form.g, form.hist, where).書込済);

    Other other;
    Form1& f = other.form;
    ASSERT_TRUE(読込_棋譜(f.g, f.hist, where.folder / "edited.棋譜", [&f] { f.初期設定(); }).置換済);
    for (const std::string& expected : after) {
        f.AFTER_Click();
        EXPECT_EQ(shown(f.g), expected) << "after move " << f.g.kifu_genzai;
    }
}

}  // namespace
}  // namespace murokan::test
