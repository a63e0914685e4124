// The 棋譜 menu and the record panel: opening and closing it, its refusals,
// moving through drives and folders, and a game saved, loaded and replayed.
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <set>

#include "panel_fixture.h"
#include "record/notation.h"

namespace murokan::test {
namespace {

using platform::PanelItem;

class RecordPanelTest : public PanelTest {
  protected:
    static std::string box(std::string_view title, std::string_view text) {
        return "msg " + platform::quoteEventText(title) + " " + platform::quoteEventText(text);
    }
    void play_three_moves() {
        form.dispatchMenu("START");
        move(3, 7, 3, 6);
        move(7, 3, 7, 4);
        move(5, 7, 5, 6);
        ASSERT_EQ(form.g.tesuu, 3);
    }
    void fill_texts(const std::string& file) {
        ASSERT_TRUE(panel.type(PanelItem::Text1, file));
        ASSERT_TRUE(panel.type(PanelItem::Text2, "名人戦"));
        ASSERT_TRUE(panel.type(PanelItem::Text3, "先手太郎"));
        ASSERT_TRUE(panel.type(PanelItem::Text4, "後手花子"));
    }
    // Texts printed since the canvas was cleared, with their colour and place.
    const platform::DrawCall* printed(std::string_view text) const {
        for (const auto& c : rp.canvas.calls()) {
            if (c.kind == platform::DrawCall::Kind::Text && c.text == text) return &c;
        }
        return nullptr;
    }
};

TEST_F(RecordPanelTest, OpeningForWritingKeepsTheTextsOpeningForReadingEmptiesThem) {
    EXPECT_EQ(shown(), CLOSED);
    form.KIFU_WRITE_Click();
    EXPECT_EQ(shown(), WRITING);
    fill_texts("a");
    form.KIFU_WRITE_Click();
    EXPECT_EQ(panel.text(PanelItem::Text2), "名人戦");
    form.KIFU_READ_Click();
    EXPECT_EQ(shown(), READING);
    for (PanelItem t : {PanelItem::Text1, PanelItem::Text2, PanelItem::Text3, PanelItem::Text4})
        EXPECT_EQ(panel.text(t), "");
}

TEST_F(RecordPanelTest, EveryCloserClosesThePanelAndEmptiesTheTexts) {
    struct Closer {
        const char* name;
        std::function<void()> run;
    };
    const Closer closers[] = {
        {"局面 header", [&] { form.dispatchMenu("STOP"); }},
        {"ｵﾌﾟｼｮﾝ header", [&] { form.dispatchMenu("OPTION"); }},
        {"対局 header", [&] { form.dispatchMenu("TAIKYOKU"); }},
        {"△", [&] { form.dispatchMenu("LBEL_UP"); }},
        {"▽", [&] { form.dispatchMenu("LEBEL_DOWN"); }},
        {"バージョン情報", [&] { form.dispatchMenu("VER"); }},
        {"進", [&] { form.dispatchMenu("AFTER"); }},
        {"戻", [&] { form.dispatchMenu("REPLAY"); }},
        {"a click on the window", [&] { click(-3, 12); }},
    };
    for (const Closer& c : closers) {
        SCOPED_TRACE(c.name);
        form.g.hande_settei = FLAG_OFF;  // a handicap set by △ would refuse the next 書込
        form.KIFU_WRITE_Click();
        fill_texts("x");
        c.run();
        EXPECT_EQ(shown(), CLOSED);
        EXPECT_EQ(panel.text(PanelItem::Text1), "");
        EXPECT_EQ(panel.text(PanelItem::Text4), "");
    }
}

TEST_F(RecordPanelTest, WritingIsRefusedAfterReverseAndAfterAHandicap) {
    struct Case {
        int hanten, hande;
        const char* text;
    };
    const Case cases[] = {{1, 0, "反転後は書き込みできません"},
                          {1, 1, "反転後は書き込みできません"},  // reverse is checked first
                          {0, 1, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}};
    for (const Case& c : cases) {
        form.g.hanten = c.hanten;
        form.g.hande_settei = c.hande;
        forget_events();
        form.KIFU_WRITE_Click();
        EXPECT_EQ(take_events(), std::vector<std::string>{box("棋譜書込", c.text)});
        EXPECT_EQ(shown(), CLOSED);
    }
}

TEST_F(RecordPanelTest, ReturnRefusesAMissingNameAndAnEmptyGame) {
    form.KIFU_WRITE_Click();
    forget_events();
    ASSERT_TRUE(panel.pressReturn());
    EXPECT_EQ(take_events(), std::vector<std::string>{box("  ", "ﾌｧｲﾙ名が入力されていません")});
    EXPECT_EQ(shown(), WRITING);
    fill_texts("empty");
    ASSERT_TRUE(panel.pressReturn());
    EXPECT_EQ(take_events(),
              std::vector<std::string>{box("棋譜保存", "保存するデータがありません")});
    EXPECT_EQ(shown(), WRITING);
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "empty.棋譜"));
}

// A name the record cannot take is refused with the warning icon; the notices
// of a missing name and of a record written show none.
TEST_F(RecordPanelTest, OnlyARefusedNameWarns) {
    play_three_moves();
    form.KIFU_WRITE_Click();
    const struct {
        const char* file;
        const char* text;
        platform::Icon icon;
    } cases[] = {
        {"", "ﾌｧｲﾙ名が入力されていません", platform::Icon::None},
        {"..", "そのﾌｧｲﾙ名は使えません", platform::Icon::Exclamation},
        {"対局", "棋譜を書き込みました", platform::Icon::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fill_texts(c.file);
        ASSERT_TRUE(panel.pressReturn());
        EXPECT_EQ(rp.dialogs.messages().back().text, c.text);
        EXPECT_EQ(rp.dialogs.messages().back().icon, c.icon);
    }
}

TEST_F(RecordPanelTest, SavedGameLoadsAndStepsToItsEnd) {
    play_three_moves();
    int latest[10][10];
    std::memcpy(latest, form.g.ban, sizeof latest);

    form.KIFU_WRITE_Click();
    fill_texts("対局1");
    forget_events();
    ASSERT_TRUE(panel.pressReturn());
    EXPECT_EQ(take_events(), std::vector<std::string>{box("  ", "棋譜を書き込みました")});
    EXPECT_EQ(shown(), CLOSED);
    EXPECT_TRUE(std::filesystem::exists(scratch.path() / "対局1.棋譜"));

    form.KIFU_READ_Click();
    EXPECT_EQ(panel.files(), std::vector<std::string>{"対局1.棋譜"});
    rp.canvas.clear();
    forget_events();
    ASSERT_TRUE(panel.clickFile("対局1.棋譜"));
    EXPECT_EQ(take_events(), (std::vector<std::string>{box("棋譜", " 読み込みました"),
                                                       box("棋譜", "棋譜を '進 'で進めて下さい")}));
    EXPECT_EQ(shown(), CLOSED);
    EXPECT_EQ(form.g.kifu_mode, FLAG_ON);
    EXPECT_EQ(form.g.teban, TEBAN_SENTE);
    EXPECT_EQ(form.g.kifu_genzai, 0);
    EXPECT_EQ(form.hist.kifu_saishu, 3);  // the latest position was saved too
    EXPECT_EQ(form.g.ban[3][7], -HU);     // back at the start

    // The game name in light red below the board, the players in white: the
    // bottom side moved first, so line 2 (top of the board) holds 後手.
    const auto* game = printed("名人戦");
    const auto* top = printed("後手花子");
    const auto* bottom = printed("先手太郎");
    ASSERT_TRUE(game && top && bottom);
    EXPECT_EQ(game->colour, IRO_AKA);
    EXPECT_EQ(top->colour, IRO_SHIRO);
    EXPECT_EQ(bottom->colour, IRO_SHIRO);
    EXPECT_EQ(game->size, 12);
    EXPECT_NEAR(game->y, 6350, 1);
    EXPECT_NEAR(top->y, 100, 1);
    EXPECT_NEAR(bottom->y, 6350, 1);
    EXPECT_NEAR(top->x, 取得_棋譜のX座標("後手花子"), 1);
    EXPECT_NEAR(game->x, 取得_棋譜のX座標("名人戦") - 3000, 1);

    for (int i = 1; i <= 3; ++i) form.AFTER_Click();
    EXPECT_EQ(std::memcmp(latest, form.g.ban, sizeof latest), 0);
    forget_events();
    form.AFTER_Click();
    EXPECT_EQ(take_events(), std::vector<std::string>{box("進む", "終わり")});  // no sound

    // A click on the board asks to go on with 進; answering No abandons the record.
    rp.dialogs.queueAnswer(false);
    click(5, 5);
    EXPECT_EQ(form.g.kifu_mode, FLAG_OFF);
}

TEST_F(RecordPanelTest, LoadingAnEmptyRecordSaysSo) {
    write_bytes(scratch.path() / "空.棋譜", "a\r\nb\r\nc\r\n");
    form.KIFU_READ_Click();
    panel.refreshFiles();
    forget_events();
    ASSERT_TRUE(panel.clickFile("空.棋譜"));
    EXPECT_EQ(take_events(), std::vector<std::string>{box("棋譜", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません")});
    EXPECT_EQ(form.hist.kifu_saishu, 0);
    EXPECT_EQ(form.g.kifu_mode, FLAG_ON);
}

// The names come back from a record as they were shown in their boxes: a
// WAVE DASH typed into a name turns into the FULLWIDTH TILDE that CP932 stores
// for both, at once, and MINUS SIGN into FULLWIDTH HYPHEN-MINUS likewise. The
// file name is the folder's own and stays as typed.
TEST_F(RecordPanelTest, NamesLoadAsTheyWereShownBeforeSaving) {
    play_three_moves();
    form.KIFU_WRITE_Click();
    ASSERT_TRUE(panel.type(PanelItem::Text1, "波〜線"));
    ASSERT_TRUE(panel.type(PanelItem::Text2, "A〜B"));
    ASSERT_TRUE(panel.type(PanelItem::Text3, "先手−1"));
    ASSERT_TRUE(panel.type(PanelItem::Text4, "後手"));
    EXPECT_EQ(panel.text(PanelItem::Text1), "波〜線");
    const std::string shown[] = {panel.text(PanelItem::Text2), panel.text(PanelItem::Text3)};
    EXPECT_EQ(shown[0], "A～B");
    EXPECT_EQ(shown[1], "先手－1");
    ASSERT_TRUE(panel.pressReturn());
    // The bytes written are CP932's 81 60 for the tilde, as before.
    EXPECT_EQ(read_bytes(scratch.path() / "波〜線.棋譜").substr(0, 5),
              "A\x81\x60"
              "B\r");

    form.KIFU_READ_Click();
    rp.canvas.clear();
    ASSERT_TRUE(panel.clickFile("波〜線.棋譜"));
    EXPECT_TRUE(printed(shown[0]));
    EXPECT_TRUE(printed(shown[1]));
}

TEST_F(RecordPanelTest, NewGameErasesTheLoadedHeaders) {
    write_bytes(scratch.path() / "空.棋譜", "a\r\nb\r\nc\r\n");
    form.KIFU_READ_Click();
    panel.refreshFiles();
    ASSERT_TRUE(panel.clickFile("空.棋譜"));
    rp.canvas.clear();
    form.dispatchMenu("START");
    // Row 10, where the header lines were printed, gets the background again.
    std::set<int> row10;
    for (const auto& c : rp.canvas.calls()) {
        if (c.kind == platform::DrawCall::Kind::Picture && c.code == form.opt.haikei &&
            std::lround(c.y) == BAN_Y0 + MASU_H * 10)
            row10.insert(static_cast<int>(std::lround((c.x - BAN_X0) / MASU_W)));
    }
    for (int x = -1; x <= 9; ++x) EXPECT_TRUE(row10.count(x)) << x;
}

TEST_F(RecordPanelTest, FolderAndDriveChoicesMoveTheLists) {
    std::filesystem::create_directory(scratch.path() / "sub");
    write_bytes(scratch.path() / "sub" / "b.棋譜", "x\r\n");
    write_bytes(scratch.path() / "sub" / "not-a-record.txt", "x\r\n");
    platform::FakeRecordPanel p2({scratch.path().string(), (scratch.path() / "sub").string(),
                                  (scratch.path() / "no-such-volume").string()},
                                 scratch.path().string());
    form.attachRecordPanel(p2);
    form.KIFU_READ_Click();
    const std::string sub = (scratch.path() / "sub").string();

    ASSERT_TRUE(p2.chooseFolder(sub));
    EXPECT_EQ(p2.filePath(), sub);
    EXPECT_EQ(p2.files(), std::vector<std::string>{"b.棋譜"});

    ASSERT_TRUE(p2.chooseDrive(scratch.path().string()));
    EXPECT_EQ(p2.dirPath(), scratch.path().string());
    EXPECT_EQ(p2.filePath(), scratch.path().string());

    // A volume that cannot be read: the message, and everything stays.
    forget_events();
    ASSERT_TRUE(p2.chooseDrive((scratch.path() / "no-such-volume").string()));
    EXPECT_EQ(take_events(), std::vector<std::string>{box("ｴﾗｰ", "ﾃﾞﾊﾞｲｽが準備できていません")});
    EXPECT_EQ(p2.dirPath(), scratch.path().string());
    EXPECT_EQ(p2.filePath(), scratch.path().string());
    EXPECT_EQ(p2.drive(), scratch.path().string());
}

TEST_F(RecordPanelTest, HiddenControlsCannotBeUsed) {
    EXPECT_FALSE(panel.pressReturn());
    EXPECT_FALSE(panel.type(PanelItem::Text1, "x"));
    form.KIFU_WRITE_Click();
    EXPECT_FALSE(panel.clickFile("anything.棋譜"));  // the file list is hidden while writing
}

}  // namespace
}  // namespace murokan::test
