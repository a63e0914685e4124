// Placement of the texts: move counter, fixed labels, last move, clocks,
// level and handicap labels, and the handicap refusal box.
#include "ui/screen_fixture.h"

namespace murokan::test {
namespace {

constexpr double kDx = 120.0 / MASU_W;  // 描画_文字列's shift, in cells
constexpr double kDy = 160.0 / MASU_H;

struct TesuuCase {
    int number;
    std::string shown;
    double x;  // cell column of the black (shadow) number
};

TEST_F(ScreenTest, MoveCounterMovesLeftOneTenthPerExtraDigit) {
    const TesuuCase cases[] = {
        {0, " 0", 13.3},   {9, " 9", 13.3},     {10, " 10", 13.2},
        {99, " 99", 13.2}, {100, " 100", 13.1}, {123, " 123", 13.1},
    };
    for (const TesuuCase& c : cases) {
        SCOPED_TRACE(c.number);
        clear();
        screen.描画_手数(c.number, IRO_SHIRO);
        const std::vector<Printed> expected = {
            {c.shown, IRO_KURO, 12, c.x, 3.4},
            {c.shown, IRO_SHIRO, 12, c.x - 0.1, 3.3},
            {"手目", IRO_KURO, 10, 13.9 + kDx, 3.2 + kDy},
            {"手目", IRO_SHIRO, 10, 13.8 + kDx, 3.1 + kDy},
        };
        EXPECT_EQ(describe_all(texts()), describe_all(expected));
        // The old number is painted over first, and the stand cell keeps its frame.
        const auto pics = pictures();
        ASSERT_EQ(pics.size(), 2u);
        EXPECT_TRUE(at_cell(pics[0], 13, 3) && pics[0].code == opt.haikei);
        EXPECT_TRUE(at_cell(pics[1], 14, 3) && pics[1].code == opt.haikei);
        ASSERT_EQ(of(Kind::Rectangle).size(), 1u);
        EXPECT_TRUE(at_cell(of(Kind::Rectangle)[0], 11, 3));
    }
}

TEST_F(ScreenTest, FixedTextsByValue) {
    struct Case {
        int value;
        std::string text;  // "" = nothing printed
    } const cases[] = {
        {11, ""},
        {-11, ""},
        {98, ""},
        {100, ""},
        {99, "手目"},
        {-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"},
        {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
        {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        clear();
        screen.描画_文字列(2, 3, c.value, IRO_SHIRO, 10);
        if (c.text.empty()) {
            EXPECT_TRUE(calls().empty());
            continue;
        }
        ASSERT_EQ(texts().size(), 1u);
        const DrawCall t = texts()[0];
        EXPECT_EQ(t.text, c.text);
        EXPECT_TRUE(at_cell(t, 2, 3, 120, 160)) << describe(t);
    }
}

TEST_F(ScreenTest, NumbersAndNumerals) {
    struct Case {
        int value;
        int mode;
        std::string text;
    } const cases[] = {
        {5, 0, " 5"}, {0, 0, " 0"}, {-3, 0, "-3"}, {12, 0, " 12"}, {1, 1, "一"},
        {9, 1, "九"}, {0, 1, ""},   {10, 1, ""},   {5, 2, "五"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        clear();
        screen.描画_数値(1, 1, c.value, IRO_KIIRO, c.mode, 16);
        if (c.text.empty()) {
            EXPECT_TRUE(calls().empty());
        } else {
            ASSERT_EQ(texts().size(), 1u);
            EXPECT_EQ(describe(texts()[0]), describe(c.text, IRO_KIIRO, 16, 1, 1));
        }
    }
    clear();
    screen.描画_数値(0, 0, "LEVEL", 0, 1, 10);  // a text has no numeral
    EXPECT_TRUE(calls().empty());
}

// The last move of each side: erase the old text, print three shadowed parts.
TEST_F(ScreenTest, LastMoveNotation) {
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    struct Case {
        int side, x, y, piece;
        std::vector<Printed> expected;
        std::vector<std::pair<double, double>> erased;
    } const cases[] = {
        {TEBAN_GOTE,
         7,
         6,
         HU,
         {{"３", 0, 12, -1.5, 8.5},
          {"３", 15, 12, -1.6, 8.4},
          {"六", 0, 12, -1.1, 8.5},
          {"六", 15, 12, -1.2, 8.4},
          {"歩", 0, 12, -0.5, 8.5},
          {"歩", 15, 12, -0.6, 8.4}},
         {{-2, 8}, {-1, 8}, {0, 8}}},
        {TEBAN_SENTE,
         1,
         1,
         -SYA_NARI,
         {{"９", 0, 12, 12.5, 2.5},
          {"９", 15, 12, 12.4, 2.4},
          {"一", 0, 12, 12.9, 2.5},
          {"一", 15, 12, 12.8, 2.4},
          {"飛成", 0, 12, 13.5, 2.5},
          {"飛成", 15, 12, 13.4, 2.4}},
         {{12, 2}, {13, 2}, {14, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        clear();
        screen.描画_移動結果(c.side, c.x, c.y, c.piece, IRO_SHIRO);
        EXPECT_EQ(describe_all(texts()), describe_all(c.expected));
        const auto pics = pictures();
        ASSERT_EQ(pics.size(), c.erased.size());
        for (size_t i = 0; i < pics.size(); ++i) {
            EXPECT_TRUE(at_cell(pics[i], c.erased[i].first, c.erased[i].second));
            EXPECT_EQ(pics[i].code, opt.haikei);
        }
        // Erasing comes before printing.
        EXPECT_EQ(calls().front().kind, Kind::Picture);
    }
}

TEST_F(ScreenTest, TopSideLastMoveRestoresTheFramesItPaintsNextTo) {
    g.teki_teban = TEBAN_GOTE;
    screen.描画_移動結果(TEBAN_GOTE, 7, 6, HU, IRO_SHIRO);
    const auto rects = of(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 3u);  // erase: stand (-1, 7) and square (1, 8); after printing (1, 8)
    EXPECT_TRUE(at_cell(rects[0], -1, 7));
    EXPECT_TRUE(at_cell(rects[1], 1, 8));
    EXPECT_TRUE(at_cell(rects[2], 1, 8));
    EXPECT_EQ(calls().back().kind, Kind::Rectangle);
}

struct ClockCase {
    bool keika;
    int side;
    double seconds;
    std::vector<Printed> expected;
    std::vector<double> erased_columns;  // row 9
};

TEST_F(ScreenTest, ClocksOnlyWhileTheElapsedTimeItemIsTicked) {
    g.ji_teban = TEBAN_GOTE;
    g.teki_teban = TEBAN_SENTE;
    const ClockCase cases[] = {
        {false, TEBAN_GOTE, 3600, {}, {}},
        {false, TEBAN_SENTE, 3600, {}, {}},
        {true,
         TEBAN_GOTE,
         3600,
         {{"01:00:00", 0, 12, 13.1, 9.3}, {"01:00:00", 15, 12, 13.0, 9.2}},
         {13, 14, 15}},
        {true,
         TEBAN_SENTE,
         59.7,
         {{"00:00:59", 0, 12, -1.5, 9.3}, {"00:00:59", 15, 12, -1.6, 9.2}},
         {-2, -1, 0}},
    };
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(c.keika ? "ticked" : "unticked");
        clear();
        pf.menu.setChecked("KEIKA", c.keika);
        screen.描画_所有時間(c.side, c.seconds);
        EXPECT_EQ(describe_all(texts()), describe_all(c.expected));
        const auto pics = pictures();
        ASSERT_EQ(pics.size(), c.erased_columns.size());
        for (size_t i = 0; i < pics.size(); ++i)
            EXPECT_TRUE(at_cell(pics[i], c.erased_columns[i], 9));
    }
}

TEST_F(ScreenTest, ErasingAClockDoesNotDependOnTheTick) {
    // 経過時間 is unticked before the clocks are erased, so erasing must still work.
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    screen.消去_所有時間(TEBAN_GOTE);
    const auto pics = pictures();
    ASSERT_EQ(pics.size(), 3u);
    EXPECT_TRUE(at_cell(pics[0], -2, 9));
    EXPECT_TRUE(at_cell(pics[2], 0, 9));
}

TEST_F(ScreenTest, HandicapRefusalBoxes) {
    const std::pair<int, std::string> cases[] = {
        {1, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
        {2, "対局途中ではできません\r\r局面→最初にして下さい"},
        {3, "反転後ではできません\r\r局面→最初にして下さい"},
        {7, "\r\r局面→最初にして下さい"},
    };
    for (const auto& [reason, text] : cases) {
        screen.描画_メッセージ(reason);
        ASSERT_FALSE(pf.dialogs.messages().empty());
        const platform::MessageRecord& m = pf.dialogs.messages().back();
        EXPECT_EQ(m.title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
        EXPECT_EQ(m.text, text);
        EXPECT_FALSE(m.yes_no);
    }
    EXPECT_EQ(pf.dialogs.messages().size(), 4u);
    EXPECT_TRUE(calls().empty());
}

TEST_F(ScreenTest, LevelAndHandicapLabels) {
    screen.描画_レベル(2);
    EXPECT_EQ(describe_all(texts()), describe_all(std::vector<Printed>{
                                         {"LEVEL", 0, 10, -1.4, 0.2},
                                         {"LEVEL", 15, 10, -1.5, 0.1},
                                         {" 2", 0, 12, 0.1, 0.1},
                                         {" 2", 15, 12, 0, 0},
                                     }));
    clear();
    screen.描画_ハンデレベル(-2);
    EXPECT_EQ(describe_all(texts()), describe_all(std::vector<Printed>{
                                         {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", 0, 10, 11.1 + kDx, 1.1 + kDy},
                                         {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", 15, 10, 11 + kDx, 1 + kDy},
                                     }));
    const auto pics = pictures();
    ASSERT_EQ(pics.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(at_cell(pics[i], 11 + i, 1));
}

}  // namespace
}  // namespace murokan::test
