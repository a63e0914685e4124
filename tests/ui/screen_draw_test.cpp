// Placement of pictures: codes with and without a picture, the background
// around the board, the hand stands, the whole-window redraw, guidance marks
// and the playback of a strike chain.
#include "ui/screen_fixture.h"

namespace murokan::test {
namespace {

TEST_F(ScreenTest, OnlyDrawingCodesWithAPicturePaint) {
    const std::pair<int, bool> cases[] = {
        {KARA, true},         {HU, true},        {-HU_NARI, true},  {KIN, true},
        {-OU, true},          {SYA_NARI, true},  {E_PA1, true},     {E_PA2, true},
        {HAIKEI_RENGA, true}, {E_MUROKAN, true}, {KIN_NARI, false}, {-KIN_NARI, false},
        {1, false},           {2, false},        {-5, false},       {12, false},
        {81, false},          {-90, false},      {10000, false},
    };
    for (const auto& [code, paints] : cases) {
        SCOPED_TRACE(code);
        clear();
        screen.描画_絵(code, -1.5, 2.25);
        if (!paints) {
            EXPECT_TRUE(calls().empty());
            continue;
        }
        ASSERT_EQ(calls().size(), 1u);
        EXPECT_EQ(calls()[0].code, code);
        EXPECT_TRUE(near(calls()[0].x, 1050 - 1.5 * 495));
        EXPECT_TRUE(near(calls()[0].y, 100 + 2.25 * 615));
    }
}

TEST_F(ScreenTest, SquareOutlineCoversOneCell) {
    screen.描画_桝輪郭(SENTAKU_IRO, 3, 4);
    ASSERT_EQ(calls().size(), 1u);
    const DrawCall& r = calls()[0];
    EXPECT_EQ(r.kind, Kind::Rectangle);
    EXPECT_EQ(r.colour, SENTAKU_IRO);
    EXPECT_TRUE(near(r.x, 2535) && near(r.y, 2560) && near(r.x2, 3030) && near(r.y2, 3175));
}

TEST_F(ScreenTest, BackgroundTilesEverythingButTheBoard) {
    screen.描画_背景(HAIKEI_UCHU);
    const auto pics = pictures();
    EXPECT_EQ(pics.size(), 32u * 20u - 81u);
    int left_col = 0, top_row = 0, last_col = 0, last_row = 0;
    for (const DrawCall& p : pics) {
        EXPECT_EQ(p.code, HAIKEI_UCHU);
        const double cx = (p.x - BAN_X0) / MASU_W, cy = (p.y - BAN_Y0) / MASU_H;
        EXPECT_FALSE(cx >= 1 && cx <= 9 && cy >= 1 && cy <= 9) << cx << "," << cy;
        left_col += near(cx, -3);
        last_col += near(cx, 28);
        top_row += near(cy, -2);
        last_row += near(cy, 17);
    }
    EXPECT_EQ(left_col, 20);
    EXPECT_EQ(last_col, 20);
    EXPECT_EQ(top_row, 32);
    EXPECT_EQ(last_row, 32);
}

// Each side's stand: piece cells and counts on the rows of the kinds held.
struct HandCase {
    bool top;
    int kind;
    int count;
    int stand_row;
};

TEST_F(ScreenTest, HandStandRowsAndCounts) {
    const HandCase cases[] = {
        {false, 1, 2, 3}, {false, 7, 1, 9}, {false, 4, 18, 6},
        {true, 1, 3, 7},  {true, 7, 1, 1},  {true, 5, 4, 3},
    };
    for (const HandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.top ? "top" : "bottom") << " kind " << c.kind);
        g = GameState{};
        clear();
        (c.top ? g.mochi_teki : g.mochi_ji)[c.kind] = c.count;
        c.top ? screen.描画_敵持盤() : screen.描画_自持盤();

        const double stand_x = c.top ? -1 : 11;
        const double count_x = stand_x + 1;
        const int piece = (c.top ? 10 : -10) * c.kind;
        std::string n = " ";
        n += std::to_string(c.count);
        EXPECT_EQ(describe_all(texts()), describe_all(std::vector<Printed>{
                                             {n, IRO_KURO, 14, count_x + 0.1, c.stand_row + 0.3},
                                             {n, IRO_AKA, 14, count_x, c.stand_row + 0.2},
                                         }));
        // Every stand row gets the empty square and the background; the held
        // kind's row gets its piece on top.
        int pieces = 0;
        for (const DrawCall& p : pictures()) {
            if (p.code == piece) {
                ++pieces;
                EXPECT_TRUE(at_cell(p, stand_x, c.stand_row));
            } else if (p.code == KARA) {
                EXPECT_TRUE(near(p.x, cell_twips(stand_x, 0).x));
            } else {
                EXPECT_EQ(p.code, opt.haikei);
                EXPECT_TRUE(near(p.x, cell_twips(count_x, 0).x));
            }
        }
        EXPECT_EQ(pieces, 1);
        EXPECT_EQ(pictures().size(), 15u);
    }
}

TEST_F(ScreenTest, EmptyHandLeavesEmptySquaresAndBackground) {
    screen.描画_自持盤();
    EXPECT_TRUE(texts().empty());
    int empties = 0;
    for (const DrawCall& p : pictures()) empties += p.code == KARA;
    EXPECT_EQ(empties, 7);
}

TEST_F(ScreenTest, FullRedrawDrawsLevelHandicapAndClocksOnlyWhenDue) {
    struct Case {
        int mode;
        int hande_settei;
        bool keika;
        bool level, handicap, clocks;
    } const cases[] = {
        {MODE_MAN, FLAG_OFF, false, false, false, false},
        {MODE_COM, FLAG_OFF, false, true, false, false},
        {MODE_MAN, FLAG_ON, true, false, true, true},
    };
    for (const auto& c : cases) {
        clear();
        初期設定_状態(g);
        g.taikyoku_mode = c.mode;
        g.hande_settei = c.hande_settei;
        g.hande_level = 3;
        g.ji_jikan = 61;
        pf.menu.setChecked("KEIKA", c.keika);
        screen.画面_再描画();
        bool level = false, handicap = false, clock = false;
        for (const DrawCall& t : texts()) {
            level |= t.text == "LEVEL";
            handicap |= t.text == "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級";
            clock |= t.text == "00:01:01";
        }
        EXPECT_EQ(level, c.level);
        EXPECT_EQ(handicap, c.handicap);
        EXPECT_EQ(clock, c.clocks);
        // The title art comes last, over whatever the background put there.
        const DrawCall& last = calls().back();
        EXPECT_EQ(last.code, E_MUROKAN);
        EXPECT_TRUE(at_cell(last, 10.8, 0));
    }
}

TEST_F(ScreenTest, FullRedrawShowsTheStartingPositionAndBoldLabels) {
    初期設定_状態(g);
    screen.画面_再描画();
    // The last picture painted on each board square is its piece.
    int board[10][10];
    for (auto& col : board)
        for (int& v : col) v = 999;
    for (const DrawCall& p : pictures()) {
        const double cx = (p.x - BAN_X0) / MASU_W, cy = (p.y - BAN_Y0) / MASU_H;
        const int x = static_cast<int>(std::lround(cx)), y = static_cast<int>(std::lround(cy));
        if (near(cx, x) && near(cy, y) && x >= 1 && x <= 9 && y >= 1 && y <= 9)
            board[x][y] = p.code;
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(board[x][y], g.ban[x][y]) << x << "," << y;
    // File numbers 9..1 from left to right, rank numerals down the right side.
    std::vector<std::string> files, ranks;
    for (const DrawCall& t : texts()) {
        EXPECT_TRUE(t.bold);
        if (t.colour != IRO_KIIRO) continue;
        (t.size == 16 ? files : ranks).push_back(t.text);
    }
    EXPECT_EQ(files,
              (std::vector<std::string>{" 9", " 8", " 7", " 6", " 5", " 4", " 3", " 2", " 1"}));
    EXPECT_EQ(ranks,
              (std::vector<std::string>{"一", "二", "三", "四", "五", "六", "七", "八", "九"}));
}

TEST_F(ScreenTest, GuidanceClearsEveryHighlightAndMarksOnlyWhenOn) {
    初期設定_状態(g);
    // A bottom pawn on (5, 7) may go to (5, 6) only.
    for (int shidou : {0, 1}) {
        SCOPED_TRACE(shidou);
        clear();
        opt.shidou = shidou;
        screen.描画_移動可能桝色(5, 7, IRO_SHIRO, -HU);
        const auto rects = of(Kind::Rectangle);
        ASSERT_EQ(rects.size(), 81u + shidou);
        for (int i = 0; i < 81; ++i) EXPECT_EQ(rects[i].colour, MASU_IRO);
        if (shidou) {
            EXPECT_EQ(rects[81].colour, IRO_SHIRO);
            EXPECT_TRUE(at_cell(rects[81], 5, 6));
        }
        EXPECT_EQ(rects.size(), calls().size());
    }
}

TEST_F(ScreenTest, VanishAndBlinkShowEachFrameForItsPause) {
    vanish_buffer = 5;  // loaded after the screen was made
    screen.描画_はさみアニメ(4, 4);
    EXPECT_EQ(trace(), (std::vector<std::string>{
                           "S5",
                           "P3@4,4",
                           "R@4,4",
                           "F",
                           "W0.20",  //
                           "P4@4,4",
                           "R@4,4",
                           "F",
                           "W0.20",  //
                           "P0@4,4",
                           "R@4,4",
                           "F",
                           "W0.20",
                       }));

    clear();
    screen.描画_駒点滅(SYA, 2, 2, 2);
    EXPECT_EQ(trace(), (std::vector<std::string>{
                           "P0@2,2",
                           "R@2,2",
                           "F",
                           "W0.20",
                           "P70@2,2",
                           "R@2,2",
                           "F",
                           "W0.20",
                           "P0@2,2",
                           "R@2,2",
                           "F",
                           "W0.20",
                           "P70@2,2",
                           "R@2,2",
                           "F",
                           "W0.20",
                       }));
    EXPECT_EQ(pf.clock.waits().size(), 7u);  // waits reach the window's clock
}

// The chain is played from its report: every slide step, then the vanish and
// the redraw of the board and both hands.
TEST_F(ScreenTest, ChainPlaybackFollowsTheReport) {
    初期設定_状態(g);
    g.mochi_ji[4] = 1;  // the board as it stands after the chain
    vanish_buffer = 9;
    ChainReport r;
    r.steps[0] = {5, 4, 5, 3, 10};
    r.steps[1] = {5, 3, 5, 2, 10};
    r.step_count = 2;
    r.sandwiched = true;
    r.sand_x = 5;
    r.sand_y = 1;
    r.taken_code = 40;
    screen.再生_はじき連鎖(r);

    std::vector<std::string> head = trace();
    ASSERT_GT(head.size(), 28u);
    head.resize(28);
    const std::vector<std::string> expected = {
        "P0@5,4",  "R@5,4",  "P10@5,3", "R@5,3", "F",     "W0.15",  //
        "P0@5,3",  "R@5,3",  "P10@5,2", "R@5,2", "F",     "W0.15",  //
        "S9",      "P3@5,1", "R@5,1",   "F",     "W0.20",           //
        "P4@5,1",  "R@5,1",  "F",       "W0.20",                    //
        "P0@5,1",  "R@5,1",  "F",       "W0.20",                    //
        "P20@1,1", "R@1,1",  "P0@1,2",                              // then the board, from column 1
    };
    EXPECT_EQ(head, expected);
    // The board's 81 squares and both stands follow; the new silver shows.
    bool silver_in_hand = false;
    for (const DrawCall& c : calls())
        silver_in_hand |= c.kind == Kind::Picture && c.code == -GIN && at_cell(c, 11, 6);
    EXPECT_TRUE(silver_in_hand);
    EXPECT_EQ(pf.events.back(), "sound play -");  // buffer 9 was never made by this library
}

TEST_F(ScreenTest, ChainWithoutSandwichOnlySlides) {
    ChainReport r;
    r.steps[0] = {3, 3, 3, 4, -20};
    r.step_count = 1;
    screen.再生_はじき連鎖(r);
    EXPECT_EQ(trace(),
              (std::vector<std::string>{"P0@3,3", "R@3,3", "P-20@3,4", "R@3,4", "F", "W0.15"}));

    clear();
    screen.再生_はじき連鎖(ChainReport{});
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(marks.empty());
}

TEST_F(ScreenTest, MoveAndDropDrawing) {
    struct Case {
        int x1, y1, x2, y2, code;
        MoveReport report;
        double empty_x, empty_y;
        bool top_stand, bottom_stand;
    } const cases[] = {
        {5, 7, 5, 6, -HU, {}, 5, 7, false, false},
        {TEKI_MOCHI_X, 1, 5, 5, HU, {KARA, true, false}, -1, 7, true, false},
        {JI_MOCHI_X, 7, 5, 5, -SYA, {KARA, false, true}, 11, 9, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x1);
        clear();
        screen.描画_駒移動(c.x1, c.y1, c.x2, c.y2, c.code, c.report);
        const auto pics = pictures();
        ASSERT_FALSE(pics.empty());
        EXPECT_EQ(pics.front().code, KARA);
        EXPECT_TRUE(at_cell(pics.front(), c.empty_x, c.empty_y));
        EXPECT_EQ(pics.back().code, c.code);
        EXPECT_TRUE(at_cell(pics.back(), c.x2, c.y2));
        bool top = false, bottom = false;
        for (const DrawCall& p : pics) {
            top |= at_cell(p, 0, 1);
            bottom |= at_cell(p, 12, 3);
        }
        EXPECT_EQ(top, c.top_stand);
        EXPECT_EQ(bottom, c.bottom_stand);
    }
}

}  // namespace
}  // namespace murokan::test
