// Helpers for the computer-player tests: positions from SFEN text, one trial
// move scored the way the search scores it, moves as USI text, and a host that
// records every call com_ban makes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ai/com_host.h"
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

inline 指し手 to_te(const Move& m) {
    指し手 te{m.x1, m.y1, m.x2, m.y2, m.piece, placed_code(m)};
    return te;
}

inline std::string usi(const 指し手& te) {
    return format_usi_move(指し手_変換(te));
}

// Parses a move of the top side (whoever is to move in g).
inline 指し手 te_of(const GameState& g, std::string_view text) {
    GameState top = g;
    top.teban = top.teki_teban;
    Move m;
    const char* err = parse_usi_move(text, top, m);
    EXPECT_EQ(err, nullptr) << text;
    指し手 te = to_te(m);
    te.after = 0;  // chosen by the scoring
    return te;
}

struct 採点 {
    double score;
    int after;  // the code the search would play
};

// Prepares the turn as com_ban does, then scores one move of the top side.
inline 採点 採点_USI(GameState& g, ComState& c, std::string_view text) {
    思考_準備(g, c);
    指し手 te = te_of(g, text);
    const double s = 思考_候補評価(g, c, te);
    return {s, te.after};
}

// One form of a board move scored on its own, after 思考_準備: `code` put on T,
// F emptied, a survey, then 盤評価; the board is put back. Used to check
// which form the search plays.
inline double 一形評価(GameState& g, ComState& c, const 指し手& te, int code) {
    c.ugoku_koma = te.before;
    c.ou_kyori = std::max(std::abs(g.ji_ou_x - te.fc), std::abs(g.ji_ou_y - te.fr));
    g.ban[te.fc][te.fr] = KARA;
    g.ban[te.tc][te.tr] = code;
    勢力調査(g, c.maps);
    const double s = 盤評価(g, c, code, te.fc, te.fr, te.tc, te.tr);
    g.ban[te.tc][te.tr] = KARA;
    g.ban[te.fc][te.fr] = te.before;
    return s;
}

// Every call the computer player makes on its host, as text, in order.
class RecordingHost : public ComHost {
  public:
    std::vector<std::string> calls;
    bool keika = true;
    float clock = 1000.0f;

    float 現在時刻() override {
        calls.push_back("時刻");
        return clock;
    }
    bool KEIKA_Checked() override { return keika; }
    void Timer1_Enabled(bool on) override { add("Timer1 ", on ? "on" : "off"); }
    void Timer1_Timer() override { ++ticks; }
    void 待ち時間(double s) override { add("待ち時間 ", num(s)); }
    void 描画_絵(int code, double x, double y) override {
        add("絵 ", std::to_string(code) + " " + num(x) + " " + num(y));
    }
    int haikei() override { return 6; }
    void 描画_桝輪郭(int colour, double x, double y) override {
        add("輪郭 ", std::to_string(colour) + " " + num(x) + " " + num(y));
    }
    void 描画_数値(double x, double y, std::string_view text, int colour, int mode,
                   int size) override {
        add("数値 ", num(x) + " " + num(y) + " " + std::string(text) + " " +
                         std::to_string(colour) + " " + std::to_string(mode) + " " +
                         std::to_string(size));
    }
    void 画面_更新() override { calls.push_back("更新"); }
    void 描画_手数(int n, int colour) override {
        add("手数 ", std::to_string(n) + " " + std::to_string(colour));
    }
    void 描画_駒点滅(int piece, int x, int y, int count) override {
        add("点滅 ", std::to_string(piece) + " " + std::to_string(x) + " " + std::to_string(y) +
                         " " + std::to_string(count));
    }
    void 描画_駒移動(int x1, int y1, int x2, int y2, int code, const MoveReport&) override {
        add("駒移動 ", std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
                           " " + std::to_string(y2) + " " + std::to_string(code));
    }
    void 再生_はじき連鎖(const ChainReport& r) override {
        add("連鎖 ", std::to_string(r.step_count) + (r.sandwiched ? " 取" : ""));
        last_chain = r;
    }
    void 描画_移動結果(int side, int x, int y, int piece, int colour) override {
        add("移動結果 ", std::to_string(side) + " " + std::to_string(x) + " " + std::to_string(y) +
                             " " + std::to_string(piece) + " " + std::to_string(colour));
    }
    void 音_駒打() override { calls.push_back("音 駒打"); }
    void 音_禁止() override { calls.push_back("音 禁止"); }
    void メッセージ(std::string_view title, std::string_view text) override {
        add("msg ", std::string(title) + " " + std::string(text));
    }
    void 手順保存(int fx, int fy, int tx, int ty, int before, int after, float ji_mae, float ji_ato,
                  float teki_mae, float teki_ato) override {
        add("手順保存 ", std::to_string(fx) + " " + std::to_string(fy) + " " + std::to_string(tx) +
                             " " + std::to_string(ty) + " " + std::to_string(before) + " " +
                             std::to_string(after) + " " + num(ji_mae) + " " + num(ji_ato) + " " +
                             num(teki_mae) + " " + num(teki_ato));
    }

    int ticks = 0;
    ChainReport last_chain;

    // The recorded calls that start with `prefix`.
    std::vector<std::string> with(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& s : calls) {
            if (s.rfind(prefix, 0) == 0) out.push_back(s);
        }
        return out;
    }
    // Index of the first call starting with `prefix`, or -1.
    int index_of(std::string_view prefix) const {
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }

  private:
    static std::string num(double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", v);
        return buf;
    }
    void add(std::string_view head, const std::string& rest) {
        calls.push_back(std::string(head) + rest);
    }
};

}  // namespace murokan::com_test
