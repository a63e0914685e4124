// The searching computer: it takes a king when it can, finds short forced
// wins and the one move that saves its king, gives the same result with its
// table as without, keeps its Zobrist keys true, shuns going round in circles,
// and stops when told.
#include "ai/engine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "ai/zobrist.h"
#include "core/sfen.h"
#include "support/random_game.h"

namespace murokan {
namespace {

GameState position(const char* sfen) {
    GameState g;
    const char* error = parse_sfen(sfen, g);
    EXPECT_EQ(error, nullptr) << sfen;
    return g;
}

SearchResult search(const char* sfen, std::int64_t nodes) {
    Searcher s(EvalWeights{}, 16);
    SearchLimits l;
    l.nodes = nodes;
    return s.search(position(sfen), l);
}

// Wins are found at small budgets and scored by their length; the move is the
// only one (checked by brute force when the positions were chosen) that wins so fast.
TEST(Engine, TakesTheKingAndFindsShortForcedWins) {
    struct Case {
        const char* sfen;
        const char* move;
        int plies;
    } const cases[] = {
        // The rook runs up the file next to the top king, jammed against the
        // edge (promoting, the first of the two equal wins).
        {"4k4/9/9/9/4R4/9/9/9/4K4 b - 1", "5e5b+", 1},
        // Top to move: the same from the other side.
        {"4k4/9/9/9/9/4r4/9/9/4K4 w - 1", "5f5h+", 1},
        {"3L+Nk+B1s/sr3L3/lN1P2bpG/gp2G4/4P4/6pN1/3SKgPPN/Pp6P/rPP1p2SL b 5P 1", "3a2a", 3},
        {"p1+Pp1kpP1/r2s3pL/3P4p/np2+PnSp1/5+b2P/P+rpG2S2/6+sGb/g1P1p1P2/LNgKP2NL w l 1", "L*6g",
         3},
    };
    for (const Case& c : cases) {
        const SearchResult r = search(c.sfen, 200000);
        ASSERT_TRUE(r.found) << c.sfen;
        EXPECT_EQ(format_usi_move(r.move), c.move) << c.sfen;
        EXPECT_EQ(r.score, kMate - c.plies) << c.sfen;
    }
}

// The bottom king is about to be struck; of 28 moves exactly one keeps it.
TEST(Engine, FindsTheOnlyMoveThatSavesTheKing) {
    const char* sfen =
        "l3pp1k1/r1pP3b1/1pn5p/1Pl+R1ppS1/1G1pn1s2/pG4npl/PBN2SPP1/2S4Pp/1+l1G1g2K b p 1";
    const SearchResult r = search(sfen, 100000);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(format_usi_move(r.move), "1i2i");
    EXPECT_GT(r.score, -kMateBound);
}

TEST(Engine, TableChangesNothingAtAFixedDepth) {
    const char* const positions[] = {
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "ln1g3nl/1r3kg2/p2ppp1pp/2ps2p2/1p5P1/2P1P1P2/PPSP1P2P/2G3SR1/LN2KG1NL b Bbs 1",
        "ln1g3nl/1r2kgs2/p1sppp1pp/2p3p2/1p7/2P1P1P2/PPBP1P1PP/2S1GS1R1/LN1GK2NL w Bp 1",
        "3L+Nk+B1s/sr3L3/lN1P2bpG/gp2G4/4P4/6pN1/3SKgPPN/Pp6P/rPP1p2SL b 5P 1",
        "l1s2k1nl/2gr1g2p/P1pp1rppP/4B3p/pn2PP3/1p1S2ln1/SPP2G1PP/4G4/2BPPK+sNL b - 1",
    };
    std::int64_t nodes_with = 0, nodes_without = 0;
    for (const char* sfen : positions) {
        SearchLimits l;
        l.depth = 3;
        l.prune = false;
        Searcher with(EvalWeights{}, 16), without(EvalWeights{}, 16);
        const SearchResult a = with.search(position(sfen), l);
        l.use_tt = false;
        const SearchResult b = without.search(position(sfen), l);
        EXPECT_EQ(a.depth, 3) << sfen;
        EXPECT_EQ(a.score, b.score) << sfen;
        nodes_with += a.nodes;
        nodes_without += b.nodes;
    }
    EXPECT_LT(nodes_with, nodes_without);  // the table did cut something
}

// The game has no repetition rule, so a line that comes back to a position of
// the game only leads to the 500-ply limit: it scores the contempt against the
// searching side, whoever forces it. Two lone kings far apart, so that no king
// can be taken within the plies searched; every position two plies on is made
// a position of the game by searching it first.
TEST(Engine, ComingBackToAPositionOfTheGameScoresTheContempt) {
    GameState start = position("9/7k1/9/9/9/9/9/2K6/9 b - 1");
    SearchLimits l;
    l.depth = 3;
    for (const int contempt : {0, 60, 5000}) {
        l.contempt = contempt;
        Searcher fresh({}, 16), played({}, 16);
        const SearchResult before = fresh.search(start, l);
        ASSERT_LT(std::abs(before.score), kMateBound);
        MoveList mine, theirs;
        generate_moves(start, mine);
        for (const Move& m : mine) {
            GameState after = start;
            play_move(after, m);
            generate_moves(after, theirs);
            for (const Move& r : theirs) {
                GameState back = after;
                play_move(back, r);
                SearchLimits one = l;
                one.depth = 1;
                played.search(back, one);
            }
        }
        EXPECT_EQ(played.search(start, l).score, -contempt) << contempt;
    }
}

TEST(Engine, StopFlagEndsTheSearchWithALegalMove) {
    GameState g =
        position("ln1g3nl/1r3kg2/p2ppp1pp/2ps2p2/1p5P1/2P1P1P2/PPSP1P2P/2G3SR1/LN2KG1NL b Bbs 1");
    const std::atomic<bool> stop{true};
    Searcher s(EvalWeights{}, 16);
    const SearchResult r = s.search(g, SearchLimits{}, &stop);
    EXPECT_TRUE(r.found);
    EXPECT_TRUE(r.stopped);
    EXPECT_LT(r.nodes, 1000);
    EXPECT_TRUE(is_legal_move(g, r.move));
}

// The key and the evaluation's board summary, kept move by move as the search
// keeps them, equal those computed afresh.
TEST(Zobrist, IncrementalKeysEqualFreshKeys) {
    std::mt19937 rng(4242);
    const Evaluator e;
    for (int game = 0; game < 200; ++game) {
        GameState g = test::start_of_game(game);
        ZobristKey key = zobrist_key(g);
        BoardSummary sum = e.summarize(g);
        test::play_randomly(g, rng, 200, [&](const GameState& before, const Move& m,
                                             const GameState& after, const PlayReport&) {
            key = zobrist_after(key, before, after, m);
            sum = e.summarize_after(sum, before, after, m);
            ASSERT_EQ(key, zobrist_key(after)) << format_sfen(before) << " " << format_usi_move(m);
            ASSERT_EQ(sum, e.summarize(after)) << format_sfen(before) << " " << format_usi_move(m);
        });
        ASSERT_FALSE(HasFatalFailure());
    }
    // Side to move and hands are part of the key.
    GameState a = position("4k4/9/9/9/9/9/9/9/4K4 b P 1");
    GameState b = position("4k4/9/9/9/9/9/9/9/4K4 w P 1");
    GameState c = position("4k4/9/9/9/9/9/9/9/4K4 b p 1");
    EXPECT_NE(zobrist_key(a), zobrist_key(b));
    EXPECT_NE(zobrist_key(a), zobrist_key(c));
    EXPECT_EQ(zobrist_pass(zobrist_key(a)), zobrist_key(b));
}

}  // namespace
}  // namespace murokan
