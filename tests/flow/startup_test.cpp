// Start-up, the menu bar, the 対局 menu and the ways the program ends.
#include <string>

#include "ai/engine_levels.h"

#include "panel_fixture.h"  // write_bytes and the settings file lines

namespace murokan::test {
namespace {

using StartupTest = FlowTest;

TEST_F(StartupTest, MenuBarHoldsEveryItemUnderItsParentInOrder) {
    struct Row {
        const char* parent;
        const char* name;
        std::string caption;
    };
    // A searching level shows its rating beside its name.
    const auto rated = [](int level) {
        return "LEVEL" + std::to_string(level) + " (R " + std::to_string(level_rating(level)) + ")";
    };
    const Row expected[] = {
        {"", "TAIKYOKU", "対局"},
        {"TAIKYOKU", "MATCH_MAN", "対局(人間)"},
        {"MATCH_MAN", "START", "スタート"},
        {"TAIKYOKU", "START2", "対局(COM)"},
        {"START2", "SENTE", "先手"},
        {"START2", "GOTE", "後手"},
        {"TAIKYOKU", "LEVEL", "COM対局ﾚﾍﾞﾙ"},
        {"LEVEL", "LEVEL1", "LEVEL1"},
        {"LEVEL", "LEVEL2", "LEVEL2"},
        {"LEVEL", "LEVEL3", "LEVEL3"},
        {"LEVEL", "LEVEL_LADDER", "-"},
        {"LEVEL", "LEVEL4", rated(4)},
        {"LEVEL", "LEVEL5", rated(5)},
        {"LEVEL", "LEVEL6", rated(6)},
        {"LEVEL", "LEVEL7", rated(7)},
        {"LEVEL", "LEVEL8", rated(8)},
        {"LEVEL", "LEVEL9", rated(9)},
        {"LEVEL", "LEVEL10", rated(10)},
        {"TAIKYOKU", "OWARI", "終わり"},
        {"", "STOP", "局面"},
        {"STOP", "CANCEL", "最初"},
        {"STOP", "REPLAY", "戻"},
        {"STOP", "AFTER", "進"},
        {"STOP", "REVERSE", "反転"},
        {"STOP", "LBEL_UP", "△"},
        {"STOP", "LEBEL_DOWN", "▽"},
        {"STOP", "HINT", "ヒント"},
        {"STOP", "KENTOU", "検討"},
        {"STOP", "KAISEKI", "棋譜解析"},
        {"", "KIFU", "棋譜"},
        {"KIFU", "KIFU_WRITE", "書込"},
        {"KIFU", "KIFU_READ", "読込"},
        {"", "OPTION", "ｵﾌﾟｼｮﾝ"},
        {"OPTION", "HAIKEI_GA", "背景画"},
        {"HAIKEI_GA", "MIDORI", "緑"},
        {"HAIKEI_GA", "TATAMI", "畳"},
        {"HAIKEI_GA", "TAKE", "竹"},
        {"HAIKEI_GA", "UCHU", "宇宙"},
        {"HAIKEI_GA", "RENGA", "煉瓦"},
        {"OPTION", "SIDOU", "移動指導"},
        {"OPTION", "KEIKA", "経過時間"},
        {"OPTION", "BGM", "BGM"},
        {"", "SONOTA", "その他"},
        {"SONOTA", "KAISETU", "解説"},
        {"SONOTA", "VER", "バージョン情報"},
        {"SONOTA", "SEISEKI", "成績"},
        // The 編集 menu comes after the game's own menus, which keep their order.
        {"", "HENSHU", "編集"},
        {"HENSHU", "COPY", "コピー"},
        {"HENSHU", "PASTE", "貼り付け"},
        {"HENSHU", "KYOKUMEN_HENSHU", "局面編集"},
        {"KYOKUMEN_HENSHU", "HENSHU_KAISHI", "開始"},
        {"KYOKUMEN_HENSHU", "HENSHU_HIRATE", "平手の配置"},
        {"KYOKUMEN_HENSHU", "HENSHU_KARA", "盤を空にする"},
        {"KYOKUMEN_HENSHU", "HENSHU_TEBAN", "手番を変える"},
        {"KYOKUMEN_HENSHU", "HENSHU_OWARI", "終了"},
        {"KYOKUMEN_HENSHU", "HENSHU_CHUSHI", "中止"},
        {"HENSHU", "GAZOU", "画像保存"},
        {"GAZOU", "GAZOU1", "等倍"},
        {"GAZOU", "GAZOU2", "2倍"},
        {"GAZOU", "GAZOU_COPY", "画像をコピー"},
    };
    const auto& entries = rp.menu.entries();
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(entries[i].parent, expected[i].parent);
        EXPECT_EQ(entries[i].name, expected[i].name);
        EXPECT_EQ(entries[i].caption, expected[i].caption);
        // Every control, header or item, reaches a handler.
        EXPECT_TRUE(form.dispatchMenu(expected[i].name));
    }
    EXPECT_FALSE(form.dispatchMenu("NO_SUCH_ITEM"));
}

TEST_F(StartupTest, LeavesNoGameRunningWithTheStartingPosition) {
    EXPECT_EQ(form.g.teban, TEBAN_NASHI);
    EXPECT_EQ(form.g.ji_teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.teki_teban, TEBAN_GOTE);
    EXPECT_EQ(form.g.com_level, 3);
    EXPECT_TRUE(rp.menu.checked("LEVEL3"));
    EXPECT_FALSE(rp.menu.checked("LEVEL1"));
    EXPECT_FALSE(rp.timer.enabled());
    EXPECT_EQ(form.g.ban[5][1], OU);
    EXPECT_EQ(form.g.ban[5][9], -OU);
    EXPECT_EQ(form.hist.kifu_saishu, 0);
    EXPECT_EQ(form.hist.kifu_ban[0][8][8], -SYA);  // entry 0 is the starting position
    EXPECT_FALSE(form.startup_dir.empty());
    EXPECT_FALSE(rp.app.quitRequested());
}

// Form_Load's order shows in what each step finds done: the settings start the
// music from a buffer already loaded, the guidance they turn on is not reset by
// the start-up values after them, and the first full redraw paints the
// background they chose.
TEST_F(StartupTest, StartUpLoadsSoundThenSettingsThenDrawsTheBoard) {
    write_bytes("Murokan.ini", ini::file(ini::TAKE, true, true, true));
    platform::RecordingPlatform p;
    Form1 f(p.platform);
    f.Form_Load();
    EXPECT_EQ(p.sound.buffers().size(), 5u);
    EXPECT_NE(std::find(p.events.begin(), p.events.end(), "sound loop BGM.wav"), p.events.end());
    EXPECT_EQ(f.opt.shidou, FLAG_ON);
    EXPECT_TRUE(p.menu.checked("SIDOU"));
    EXPECT_TRUE(p.menu.checked("LEVEL3"));
    // The last picture of the top-left background cell is the chosen 竹.
    int corner = -1;
    for (const platform::DrawCall& c : p.canvas.calls()) {
        if (c.kind == platform::DrawCall::Kind::Picture && c.x == BAN_X0 - 3 * MASU_W &&
            c.y == BAN_Y0 - 2 * MASU_H)
            corner = c.code;
    }
    EXPECT_EQ(corner, HAIKEI_TAKE);
    EXPECT_EQ(f.g.ban[5][9], -OU);  // and 初期設定 set up the board
}

TEST_F(StartupTest, StartBeginsAHumanGameWithSenteToMove) {
    form.dispatchMenu("START");
    const auto& m = rp.dialogs.messages();
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m.back().title, " ");
    EXPECT_EQ(m.back().text, "先手の番です");
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.taikyoku_mode, MODE_MAN);
    EXPECT_EQ(form.g.saikai_machi, FLAG_OFF);
    // The clock runs only when 経過時間 is ticked.
    EXPECT_EQ(rp.timer.enabled(), rp.menu.checked("KEIKA"));
}

TEST_F(StartupTest, StartWithoutElapsedTimeLeavesTheTimerOff) {
    rp.menu.setChecked("KEIKA", false);
    form.dispatchMenu("START");
    EXPECT_FALSE(rp.timer.enabled());
    rp.menu.setChecked("KEIKA", true);
    form.dispatchMenu("START");
    EXPECT_TRUE(rp.timer.enabled());
}

TEST_F(StartupTest, StartContinuesAReplayedPositionWithTheSideToMove) {
    struct Case {
        int teban;
        const char* text;
    };
    for (const Case c : {Case{TEBAN_SENTE, "先手の番です"}, Case{TEBAN_GOTE, "後手の番です"}}) {
        form.g.tesuu = 4;
        form.g.teban = c.teban;
        form.g.ji_teban = TEBAN_GOTE;  // sides stay as they were
        form.g.teki_teban = TEBAN_SENTE;
        form.g.saikai_machi = FLAG_ON;
        form.dispatchMenu("START");
        EXPECT_EQ(rp.dialogs.messages().back().text, c.text);
        EXPECT_EQ(form.g.teban, c.teban);
        EXPECT_EQ(form.g.ji_teban, TEBAN_GOTE);
        EXPECT_EQ(form.g.saikai_machi, FLAG_OFF);
    }
}

TEST_F(StartupTest, StartAfterAFinishedGameSetsUpAFreshBoard) {
    form.dispatchMenu("START");
    form.g.shuukyoku = TEBAN_SENTE;
    form.g.tesuu = 7;
    form.g.ban[5][1] = KARA;
    form.dispatchMenu("START");
    EXPECT_EQ(form.g.shuukyoku, 0);
    EXPECT_EQ(form.g.tesuu, 0);
    EXPECT_EQ(form.g.ban[5][1], OU);
    EXPECT_EQ(rp.dialogs.messages().back().text, "先手の番です");
}

TEST_F(StartupTest, SenteOnAFreshBoardGivesTheHumanTheFirstMove) {
    rp.menu.setChecked("KEIKA", false);
    form.dispatchMenu("SENTE");
    EXPECT_EQ(rp.dialogs.messages().back().title, " ");
    EXPECT_EQ(rp.dialogs.messages().back().text, "MANの番です");
    EXPECT_EQ(form.g.taikyoku_mode, MODE_COM);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.ji_teban, TEBAN_SENTE);
    EXPECT_TRUE(rp.timer.enabled());  // started whether or not 経過時間 is ticked
}

TEST_F(StartupTest, SenteContinuingWithTheHumanToMoveSaysSoUnder対局) {
    form.g.tesuu = 3;
    form.g.ji_teban = TEBAN_GOTE;
    form.g.teki_teban = TEBAN_SENTE;
    form.g.teban = TEBAN_GOTE;
    form.dispatchMenu("SENTE");
    EXPECT_EQ(rp.dialogs.messages().back().title, "対局");
    EXPECT_EQ(rp.dialogs.messages().back().text, "MANの番です");
    EXPECT_EQ(form.g.ji_teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    EXPECT_EQ(form.hist.kifu_saishu, 3);
}

TEST_F(StartupTest, GoteContinuingWithTheHumanToMoveKeepsTheSides) {
    form.g.tesuu = 2;
    form.g.teban = TEBAN_SENTE;  // bottom is 先手 and to move
    form.dispatchMenu("GOTE");
    EXPECT_EQ(rp.dialogs.messages().back().title, "対局");
    EXPECT_EQ(rp.dialogs.messages().back().text, "MANの番です");
    EXPECT_EQ(form.g.ji_teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.taikyoku_mode, MODE_COM);
}

TEST_F(StartupTest, TheLevelItemsTickOneAndSetTheLevel) {
    for (int n : {1, 2, 3}) {
        form.dispatchMenu("LEVEL" + std::to_string(n));
        EXPECT_EQ(form.g.com_level, n);
        for (int i : {1, 2, 3}) {
            EXPECT_EQ(rp.menu.checked("LEVEL" + std::to_string(i)), i == n);
        }
    }
    form.レベル_設定(11);  // not a level: nothing ticked, level kept
    EXPECT_EQ(form.g.com_level, 3);
    EXPECT_FALSE(rp.menu.checked("LEVEL3"));
}

TEST_F(StartupTest, BackgroundTicksFollowTheCode) {
    struct Case {
        int code;
        const char* ticked;  // nullptr: none
    };
    const Case cases[] = {{5, "MIDORI"}, {6, "TATAMI"}, {7, "TAKE"}, {8, "UCHU"},
                          {9, "RENGA"},  {0, nullptr},  {4, nullptr}};
    for (const Case& c : cases) {
        form.チェック設定(c.code);
        for (const char* item : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"}) {
            EXPECT_EQ(rp.menu.checked(item), c.ticked && std::string(c.ticked) == item)
                << c.code << " " << item;
        }
    }
}

TEST_F(StartupTest, EscEndsTheProgramAndOtherKeysDoNot) {
    form.keyPress('a');
    form.keyPress(13);
    EXPECT_FALSE(rp.app.quitRequested());
    form.keyPress(27);
    EXPECT_TRUE(rp.app.quitRequested());
    EXPECT_TRUE(form.quit_requested());
}

TEST_F(StartupTest, EndingFreesTheFiveBuffersOnceInOrder) {
    using Ending = void (*)(Form1&);
    const Ending endings[] = {
        [](Form1& f) { f.dispatchMenu("OWARI"); },
        [](Form1& f) { f.keyPress(27); },
        [](Form1& f) { f.unload(); },
    };
    for (Ending end : endings) {
        platform::RecordingPlatform p;
        Form1 f(p.platform);
        f.Form_Load();
        const std::size_t before = p.events.size();
        end(f);
        f.unload();  // the window closing afterwards frees nothing twice
        std::vector<std::string> frees;
        for (std::size_t i = before; i < p.events.size(); ++i) {
            if (p.events[i].rfind("sound free", 0) == 0) frees.push_back(p.events[i]);
        }
        EXPECT_EQ(frees.size(), 5u);
        EXPECT_TRUE(p.app.quitRequested());
        EXPECT_EQ(p.events.back(), "quit");
    }
}

}  // namespace
}  // namespace murokan::test
