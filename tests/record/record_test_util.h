// Shared by the record tests: a game with its history, moves made the way the
// game makes them, and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/movegen.h"
#include "core/rules.h"
#include "record/history.h"

namespace murokan::test {

// A GameState and its History, set up as 初期設定 leaves them, with a game
// started: the bottom side moves first.
struct Game {
    GameState g;
    std::unique_ptr<History> h = std::make_unique<History>();

    Game() { setup(); }

    void setup() {
        初期設定_状態(g);
        初期設定_棋譜(g, *h);
    }
    void start() { g.teban = g.ji_teban; }

    // Records and plays `m` as a move in play does: 手順保存 with the clock
    // values of the human or computer path, tesuu + 1, the move and its chain,
    // kifu_genzai + 1; then the mover's thinking time joins its total.
    void move(const Move& m, float seconds) {
        const bool bottom = bottom_to_move(g);
        g.keika_byou = seconds;
        if (bottom) {
            手順保存(g, *h, m.x1, m.y1, m.x2, m.y2, m.piece, g.ban[m.x2][m.y2], g.ji_jikan,
                     g.ji_jikan + g.keika_byou, g.teki_jikan, g.teki_jikan);
        } else {
            手順保存(g, *h, m.x1, m.y1, m.x2, m.y2, m.piece, g.ban[m.x2][m.y2], g.ji_jikan,
                     g.ji_jikan, g.teki_jikan, g.teki_jikan + g.keika_byou);
        }
        g.tesuu += 1;
        play_move(g, m);
        g.kifu_genzai += 1;
        (bottom ? g.ji_jikan : g.teki_jikan) += seconds;
        g.keika_byou = 0;
    }

    // Plays up to `count` random legal moves; stops early when a king is gone
    // or the side to move has no move. Returns the number played.
    int play_random(int count, std::mt19937& rng) {
        MoveList list;
        int played = 0;
        for (; played < count && g.shuukyoku == 0; ++played) {
            generate_moves(g, list);
            if (list.count == 0) break;
            std::uniform_int_distribution<int> pick(0, list.count - 1);
            std::uniform_real_distribution<float> think(0.0f, 90.0f);
            move(list.moves[pick(rng)], think(rng));
        }
        return played;
    }
};

// A game of exactly `moves` moves, from the first seed whose random game lasts
// that long without a king being taken.
inline Game 対局(int moves, unsigned seed = 1) {
    for (;; ++seed) {
        Game game;
        game.start();
        std::mt19937 rng(seed);
        if (game.play_random(moves, rng) == moves && game.g.shuukyoku == 0) return game;
    }
}

// Byte-wise equality of two game states (ints and floats only, no padding).
inline bool 同じ状態(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A fresh folder under the system's temporary directory, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                (std::string("murokan_record_") + (info ? info->name() : "x") + "_" +
                 std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline std::filesystem::path パス(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string 読む(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void 書く(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace murokan::test
