// Seeded random clicks against the computer: every button, the board, both
// hand stands and the space around them. Nothing may crash, and the game's
// invariants must hold after every click.
#include <cstdlib>
#include <random>

#include "flow_fixture.h"

namespace murokan::test {
namespace {

// The invariants of a position reached by play.
void expect_invariants(const Form1& f) {
    const GameState& g = f.g;
    int ji = 0, teki = 0;
    for (int k = 1; k <= 7; ++k) {
        ASSERT_GE(g.mochi_ji[k], 0);
        ASSERT_GE(g.mochi_teki[k], 0);
        ji += g.mochi_ji[k];
        teki += g.mochi_teki[k];
    }
    ASSERT_EQ(g.mochi_ji_kazu, ji);
    ASSERT_EQ(g.mochi_teki_kazu, teki);
    int pieces = 0, kings = 0;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const int c = g.ban[x][y];
            if (x == 0 || y == 0) {
                ASSERT_EQ(c, KARA);
                continue;
            }
            ASSERT_LE(std::abs(c), OU);
            if (c != KARA) {
                ++pieces;
                ASSERT_GE(std::abs(c), 10);
                ASSERT_NE(std::abs(c), KIN_NARI);
            }
            if (std::abs(c) == OU) ++kings;
        }
    }
    // No piece is ever lost: 40 in all, minus the kings that were taken.
    ASSERT_EQ(pieces + ji + teki, 38 + kings);
    ASSERT_GE(g.kifu_genzai, 0);
    ASSERT_LE(g.kifu_genzai, MAX_KIFU);
    ASSERT_GE(f.hist.kifu_saishu, 0);
    ASSERT_LE(f.hist.kifu_saishu, MAX_KIFU);
    ASSERT_TRUE(g.click_dankai == 0 || g.click_dankai == 1);
    if (g.shuukyoku == 0 && g.teban != TEBAN_NASHI) {
        ASSERT_EQ(kings, 2);
    }
}

TEST_F(FlowTest, RandomClicksAgainstTheComputerKeepTheGameWhole) {
    const int games =
        std::getenv("MUROKAN_SOAK_GAMES") ? std::atoi(std::getenv("MUROKAN_SOAK_GAMES")) : 100;
    int moves_made = 0, finished = 0;
    for (int seed = 1; seed <= games; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        form.dispatchMenu(seed % 2 ? "SENTE" : "GOTE");
        // Mostly the human's own pieces and plausible squares, now and then anything.
        for (int click_no = 0; click_no < 80 && form.g.shuukyoku == 0; ++click_no) {
            const int kind = static_cast<int>(rng() % 10);
            int cx, cy;
            if (form.g.click_dankai == 1 && rng() % 2) {  // a legal destination, if any
                cx = cy = 0;
                for (int tries = 0; tries < 200; ++tries) {
                    const int x = 1 + static_cast<int>(rng() % 9);
                    const int y = 1 + static_cast<int>(rng() % 9);
                    if (移動チェック(form.g, form.sel_x, form.sel_y, x, y, form.sel_koma) ==
                        FLAG_ON) {
                        cx = x;
                        cy = y;
                        break;
                    }
                }
            } else if (kind < 4) {  // one of the bottom pieces
                int tries = 0;
                do {
                    cx = 1 + static_cast<int>(rng() % 9);
                    cy = 1 + static_cast<int>(rng() % 9);
                } while (form.g.ban[cx][cy] > -10 && ++tries < 50);
            } else if (kind < 8) {
                cx = 1 + static_cast<int>(rng() % 9);
                cy = 1 + static_cast<int>(rng() % 9);
            } else if (kind == 8) {
                cx = rng() % 2 ? 11 : -1;
                cy = static_cast<int>(rng() % 11) - 1;
            } else {
                cx = static_cast<int>(rng() % 20) - 4;
                cy = static_cast<int>(rng() % 16) - 3;
            }
            const int buttons[] = {HIDARI_BUTTON, HIDARI_BUTTON, MIGI_BUTTON, 4, 8};
            const int before = form.g.tesuu;
            click(cx, cy, buttons[rng() % 5]);
            if (form.g.tesuu != before) ++moves_made;
            expect_invariants(form);
            if (HasFatalFailure()) return;
        }
        if (form.g.shuukyoku != 0) ++finished;
        form.dispatchMenu("CANCEL");
        rp.canvas.clear();  // the drawing list would only grow
        rp.events.clear();
        seen_ = 0;
    }
    EXPECT_GT(moves_made, games);  // the clicks did play, not just get refused
    RecordProperty("finished_games", finished);
}

}  // namespace
}  // namespace murokan::test
