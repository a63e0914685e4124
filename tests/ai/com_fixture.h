// Helpers for the computer-player tests: positions from SFEN text, one trial
// move scored the way the search scores it, and moves as USI text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ai/com_state.h"
#include "ai/evaluation.h"
#include "ai/search.h"
#include "core/movegen.h"
#include "core/sfen.h"

namespace murokan::com_test {

// A position from "<board> <b|w|-> <hands>", with the bottom side 先手 and a
// computer game under way (level 3 unless changed afterwards).
inline GameState 局面(std::string_view sfen) {
    GameState g;
    g.ji_teban = TEBAN_SENTE;
    g.teki_teban = TEBAN_GOTE;
    g.taikyoku_mode = MODE_COM;
    const char* err = parse_sfen(sfen, g);
    EXPECT_EQ(err, nullptr) << sfen;
    return g;
}

inline std::string usi(const Move& m) {
    return format_usi_move(m);
}

// Parses a move of the top side (whoever is to move in g), unpromoted: the
// scoring chooses the form.
inline Move te_of(const GameState& g, std::string_view text) {
    GameState top = g;
    top.teban = top.teki_teban;
    Move m;
    const char* err = parse_usi_move(text, top, m);
    EXPECT_EQ(err, nullptr) << text;
    m.promote = false;
    return m;
}

struct 採点 {
    double score;
    int after;  // the code the search would play
};

// Prepares the turn as com_ban does, then scores one move of the top side.
inline 採点 採点_USI(GameState& g, ComState& c, std::string_view text) {
    思考_準備(g, c);
    Move m = te_of(g, text);
    const double s = 思考_候補評価(g, c, m);
    return {s, placed_code(m)};
}

// One form of a board move scored on its own, after 思考_準備: `code` put on T,
// F emptied, a survey, then 盤評価; the board is put back. Used to check
// which form the search plays.
inline double 一形評価(GameState& g, ComState& c, const Move& m, int code) {
    c.ugoku_koma = m.piece;
    c.ou_kyori = std::max(std::abs(g.ji_ou_x - m.x1), std::abs(g.ji_ou_y - m.y1));
    g.ban[m.x1][m.y1] = KARA;
    g.ban[m.x2][m.y2] = code;
    勢力調査(g, c.maps);
    const double s = 盤評価(g, c, code, m.x1, m.y1, m.x2, m.y2);
    g.ban[m.x2][m.y2] = KARA;
    g.ban[m.x1][m.y1] = m.piece;
    return s;
}

}  // namespace murokan::com_test
