// Hand-worked positions for 勢力調査: counts, guard and attack records with
// their squares, check marks, and the tie and never-reset behaviour.
#include <gtest/gtest.h>

#include <vector>

#include "ai/maps.h"
#include "maps_board.h"

namespace murokan {
namespace {

using testing_maps::Piece;
using testing_maps::図;
using testing_maps::正規化;
using testing_maps::盤;

using MapPtr = int (InfluenceMaps::*)[10][10];

struct Cell {
    const char* map;
    MapPtr ptr;
    int x, y, value;
};

#define M(name) #name, &InfluenceMaps::name

struct SurveyCase {
    const char* name;
    std::vector<Piece> pieces;
    std::vector<Cell> cells;
};

void PrintTo(const SurveyCase& c, std::ostream* os) {
    *os << c.name;
}

class SurveyCells : public ::testing::TestWithParam<SurveyCase> {};

TEST_P(SurveyCells, RecordsAsTheRulesOfEachKindSay) {
    const SurveyCase& c = GetParam();
    GameState g;
    for (const Piece& p : c.pieces) g.ban[p.x][p.y] = p.code;
    InfluenceMaps m;
    勢力調査(g, m);
    for (const Cell& cell : c.cells) {
        EXPECT_EQ((m.*cell.ptr)[cell.x][cell.y], cell.value)
            << cell.map << "(" << cell.x << ", " << cell.y << ")";
    }
}

const SurveyCase kSurveyCases[] = {
    {"KingsFaceToFace",
     {{5, 5, -80}, {5, 4, 80}},
     {{M(kiki_ji), 5, 4, 1},
      {M(saijaku_ji), 5, 4, -80},
      {M(saijaku_ji_x), 5, 4, 5},
      {M(saijaku_ji_y), 5, 4, 5},
      {M(kiki_teki), 5, 5, 1},
      {M(saijaku_teki), 5, 5, 999},  // the top king makes no attack records
      {M(mamori_teki), 5, 4, 999},
      {M(mamori_ji), 5, 5, 999}}},
    {"PawnCheckMarksThePawnOnly",
     {{5, 5, 10}, {5, 6, -80}},
     {{M(oute_teki), 5, 5, 9},
      {M(oute_teki), 5, 6, 0},
      {M(saijaku_teki), 5, 6, 10},
      {M(kiki_teki), 5, 6, 1},
      {M(saijaku_ji), 5, 5, -80},
      {M(saijaku_ji_y), 5, 5, 6}}},
    {"KnightCheckMarksKnightAndKing",
     {{4, 4, 30}, {5, 6, -80}},
     {{M(oute_teki), 4, 4, 9},
      {M(oute_teki), 5, 6, 9},
      {M(saijaku_teki), 5, 6, 999},  // knights make no attack records
      {M(kiki_teki), 5, 6, 1},
      {M(kiki_teki), 3, 6, 1}}},
    {"LanceCheckPassesTheKingToTheNextPiece",
     {{5, 1, 20}, {5, 4, -80}, {5, 7, -10}},
     {{M(oute_teki), 5, 1, 9},
      {M(oute_teki), 5, 2, 1},
      {M(oute_teki), 5, 3, 1},
      {M(oute_teki), 5, 4, 0},
      {M(oute_teki), 5, 5, 0},
      {M(saijaku_teki), 5, 4, 20},
      {M(kiki_teki), 5, 6, 1},
      {M(kiki_teki), 5, 7, 1},
      {M(saijaku_teki), 5, 7, 20},
      {M(kiki_teki), 5, 8, 0}}},
    {"BishopCheckFromTheCorner",
     {{1, 1, 60}, {4, 4, -80}},
     {{M(oute_teki), 1, 1, 9},
      {M(oute_teki), 2, 2, 1},
      {M(oute_teki), 3, 3, 1},
      {M(oute_teki), 4, 4, 0},
      {M(oute_teki), 5, 5, 0},
      {M(saijaku_teki), 4, 4, 60},
      {M(kiki_teki), 5, 5, 1},
      {M(kiki_teki), 9, 9, 1}}},
    {"BottomRookStopsOnItsOwnPawn",
     {{1, 5, -70}, {3, 5, -10}},
     {{M(kiki_ji), 2, 5, 1},
      {M(kiki_ji), 3, 5, 1},
      {M(kiki_ji), 4, 5, 0},
      {M(mamori_ji), 3, 5, -70},
      {M(kiki_ji), 1, 1, 1},
      {M(kiki_ji), 1, 9, 1}}},
    {"MamoriJiKeepsTheMostNegativeCode",
     {{5, 5, -10}, {4, 6, -40}, {5, 8, -70}},
     {{M(kiki_ji), 5, 5, 2}, {M(mamori_ji), 5, 5, -70}, {M(mamori_ji), 4, 6, 999}}},
    {"BottomKingGuardsWithMinus80",
     {{5, 5, -10}, {5, 6, -50}, {4, 6, -80}},
     {{M(kiki_ji), 5, 5, 2},
      {M(mamori_ji), 5, 5, -80},
      {M(mamori_ji), 5, 6, -80},
      {M(mamori_ji), 4, 6, -50},
      {M(kiki_ji), 4, 5, 2}}},
    {"BottomHorseRecordsMinus61OrthogonallyMinus60Diagonally",
     {{5, 5, -61}, {5, 4, -10}, {4, 4, -10}, {6, 5, 10}, {6, 6, 10}},
     {{M(mamori_ji), 5, 4, -61},
      {M(mamori_ji), 4, 4, -60},
      {M(saijaku_ji), 6, 5, -61},
      {M(saijaku_ji), 6, 6, -60},
      {M(saijaku_ji_x), 6, 6, 5},
      {M(saijaku_ji_y), 6, 6, 5},
      {M(kiki_ji), 9, 1, 1},
      {M(kiki_ji), 7, 7, 0},  // the down-right diagonal stops on (6, 6)
      {M(mamori_teki), 6, 6, 10}}},
    {"TopHorseOrthogonalStepChecksButRecordsNothing",
     {{5, 5, 61}, {5, 6, -80}, {4, 5, 50}},
     {{M(oute_teki), 5, 5, 9},
      {M(oute_teki), 4, 5, 9},  // the gold checks too
      {M(oute_teki), 5, 6, 0},  // a gold never marks the king's square
      {M(saijaku_teki), 5, 6, 999},
      {M(mamori_teki), 4, 5, 999},
      {M(mamori_teki), 5, 5, 50},
      {M(kiki_teki), 5, 6, 2},
      {M(saijaku_ji), 4, 5, -80}}},
    {"TopDragonDiagonalStepGuardsWithSquareAndAttacks",
     {{5, 5, 71}, {6, 6, -40}, {4, 4, 10}},
     {{M(mamori_teki), 4, 4, 71},
      {M(mamori_teki_x), 4, 4, 5},
      {M(mamori_teki_y), 4, 4, 5},
      {M(saijaku_teki), 6, 6, 71},
      {M(saijaku_ji), 5, 5, -40},
      {M(saijaku_ji_x), 5, 5, 6},
      {M(saijaku_ji_y), 5, 5, 6},
      {M(kiki_teki), 6, 6, 1},
      {M(kiki_teki), 5, 9, 1}}},
    {"TopKingGuardsWithoutSquareAndAttacksNothing",
     {{5, 5, 80}, {5, 6, 50}, {4, 6, -10}},
     {{M(mamori_teki), 5, 6, 80},
      {M(mamori_teki_x), 5, 6, 0},
      {M(mamori_teki), 5, 5, 50},
      {M(saijaku_teki), 4, 6, 999},
      {M(kiki_teki), 4, 6, 2}}},
    {"TopPawnGuardsWithoutSquare",
     {{5, 5, 50}, {4, 4, 40}, {6, 4, 40}, {5, 4, 10}},
     {{M(mamori_teki), 5, 5, 10},
      {M(mamori_teki_x), 5, 5, 4},  // the pawn keeps the silver's square
      {M(mamori_teki_y), 5, 5, 4},
      {M(kiki_teki), 5, 5, 3},
      {M(mamori_teki), 5, 4, 50}}},
    {"TwoSilversTheFirstInScanOrderWins",
     {{5, 5, 50}, {6, 4, 40}, {4, 4, 40}},
     {{M(mamori_teki), 5, 5, 40}, {M(mamori_teki_x), 5, 5, 4}, {M(mamori_teki_y), 5, 5, 4}}},
    {"TwoBottomGoldsTheFirstInScanOrderWins",
     {{5, 5, 10}, {4, 6, -50}, {6, 6, -50}},
     {{M(saijaku_ji), 5, 5, -50}, {M(saijaku_ji_x), 5, 5, 4}, {M(saijaku_ji_y), 5, 5, 6}}},
    {"CheapestBottomAttackerWins",
     {{5, 5, 10}, {5, 9, -70}, {6, 6, -40}},
     {{M(saijaku_ji), 5, 5, -40}, {M(saijaku_ji_x), 5, 5, 6}, {M(kiki_ji), 5, 5, 2}}},
    {"KnightsOnTheirLastRowsReachNothing",
     {{5, 2, -30}, {5, 8, 30}, {2, 3, -30}},
     {{M(kiki_ji), 1, 1, 1}, {M(kiki_ji), 3, 1, 1}, {M(kiki_teki), 4, 9, 0}}},
    {"TopGoldMoverRecords50WithoutSquare",
     {{5, 5, 41}, {5, 6, 40}, {5, 4, 31}},
     {{M(mamori_teki), 5, 6, 50},
      {M(mamori_teki_x), 5, 6, 0},
      {M(mamori_teki), 5, 5, 50},
      {M(mamori_teki), 5, 4, 50}}},
    {"BottomGoldMoverRecordsItsOwnCode",
     {{5, 5, -41}, {5, 4, -10}, {6, 4, 10}},
     {{M(mamori_ji), 5, 4, -41}, {M(saijaku_ji), 6, 4, -41}, {M(saijaku_ji_x), 6, 4, 5}}},
    {"BottomGoldOnRowOne",
     {{5, 1, -50}},
     {{M(kiki_ji), 5, 2, 1}, {M(kiki_ji), 4, 1, 1}, {M(kiki_ji), 6, 1, 1}, {M(kiki_ji), 4, 2, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Maps, SurveyCells, ::testing::ValuesIn(kSurveyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurveyMaps, KingsFaceToFaceWholeMaps) {
    GameState g = 盤({{5, 5, -80}, {5, 4, 80}});
    InfluenceMaps m;
    勢力調査(g, m);
    EXPECT_EQ(図(m.kiki_ji), 正規化(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 1 0 1 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(図(m.kiki_teki), 正規化(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 1 0 1 0 0 0
        0 0 0 1 1 1 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(図(m.oute_teki), 図(InfluenceMaps{}.oute_teki));
    EXPECT_EQ(g.ji_ou_x * 10 + g.ji_ou_y, 55);
    EXPECT_EQ(g.teki_ou_x * 10 + g.teki_ou_y, 54);
}

TEST(SurveyMaps, RookCheckCountsTheSquaresBehindTheKing) {
    GameState g = 盤({{5, 1, 70}, {5, 7, -80}});
    InfluenceMaps m;
    勢力調査(g, m);
    EXPECT_EQ(図(m.kiki_teki), 正規化(R"(
        1 1 1 1 0 1 1 1 1
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0)"));
    EXPECT_EQ(図(m.oute_teki), 正規化(R"(
        0 0 0 0 9 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(m.saijaku_teki[5][7], 70);
}

TEST(SurveyMaps, BottomRookThroughTheTopKingMarksNothing) {
    GameState g = 盤({{5, 9, -70}, {5, 3, 80}});
    InfluenceMaps m;
    勢力調査(g, m);
    EXPECT_EQ(図(m.kiki_ji), 正規化(R"(
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        0 0 0 0 1 0 0 0 0
        1 1 1 1 0 1 1 1 1)"));
    EXPECT_EQ(図(m.oute_teki), 図(InfluenceMaps{}.oute_teki));
    EXPECT_EQ(m.saijaku_ji[5][3], -70);
    EXPECT_EQ(m.saijaku_ji_y[5][3], 9);
}

TEST(SurveyMaps, RookNextToTheKingMarksOnlyItsOwnSquare) {
    GameState g = 盤({{5, 5, 70}, {5, 6, -80}});
    InfluenceMaps m;
    勢力調査(g, m);
    EXPECT_EQ(図(m.oute_teki), 正規化(R"(
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 9 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0
        0 0 0 0 0 0 0 0 0)"));
    EXPECT_EQ(m.kiki_teki[5][9], 1);
}

TEST(SurveyMaps, GuardSquaresAreNeverReset) {
    InfluenceMaps m;
    // A silver on (4, 5) guards the silver on (5, 6) and stores its square.
    GameState first = 盤({{4, 5, 40}, {5, 6, 40}});
    勢力調査(first, m);
    ASSERT_EQ(m.mamori_teki[5][6], 40);
    ASSERT_EQ(m.mamori_teki_x[5][6], 4);
    // Next survey: only a と guards (5, 6); it stores 50 and no square, so
    // the silver's square of the earlier survey stays.
    GameState second = 盤({{5, 5, 11}, {5, 6, 40}});
    勢力調査(second, m);
    EXPECT_EQ(m.mamori_teki[5][6], 50);
    EXPECT_EQ(m.mamori_teki_x[5][6], 4);
    EXPECT_EQ(m.mamori_teki_y[5][6], 5);
    // Every other map is reset by the survey.
    GameState empty;
    勢力調査(empty, m);
    EXPECT_EQ(m.mamori_teki[5][6], 999);
    EXPECT_EQ(m.mamori_teki_x[5][6], 4);
    EXPECT_EQ(m.saijaku_ji[5][5], -999);
    EXPECT_EQ(m.kiki_teki[5][6], 0);
}

TEST(SurveyMaps, RowAndColumnZeroAreNeverWritten) {
    InfluenceMaps m;
    m.kiki_ji[0][5] = 7;
    m.saijaku_ji[5][0] = 7;
    GameState g = 盤({{1, 5, -70}, {5, 1, 70}, {1, 1, -61}});
    勢力調査(g, m);
    EXPECT_EQ(m.kiki_ji[0][5], 7);
    EXPECT_EQ(m.saijaku_ji[5][0], 7);
    EXPECT_EQ(m.mamori_ji[0][0], 0);
}

TEST(SurveyMaps, MissingKingKeepsItsLastSquare) {
    GameState g = 盤({{3, 7, -80}});
    g.teki_ou_x = 6;
    g.teki_ou_y = 2;
    InfluenceMaps m;
    勢力調査(g, m);
    EXPECT_EQ(g.ji_ou_x, 3);
    EXPECT_EQ(g.ji_ou_y, 7);
    EXPECT_EQ(g.teki_ou_x, 6);
    EXPECT_EQ(g.teki_ou_y, 2);
}

TEST(SurveyRays, ARayFromTheEdgeTowardsTheEdgeRecordsNothing) {
    struct RayCase {
        void (*ray)(const Position&, InfluenceMaps&, int, int, int);
        int code, x, y;
    };
    const RayCase cases[] = {
        {勢力確定右直進, 70, 9, 5},
        {勢力確定左直進, -70, 1, 5},
        {勢力確定上直進, -20, 4, 1},
        {勢力確定下直進, 20, 4, 9},
    };
    for (const RayCase& c : cases) {
        GameState g = 盤({{c.x, c.y, c.code}});
        InfluenceMaps m;
        c.ray(g, m, c.code, c.x, c.y);
        EXPECT_EQ(図(m.kiki_ji), 図(InfluenceMaps{}.kiki_ji)) << c.code << " " << c.x;
        EXPECT_EQ(図(m.kiki_teki), 図(InfluenceMaps{}.kiki_teki)) << c.code << " " << c.x;
    }
}

}  // namespace
}  // namespace murokan
