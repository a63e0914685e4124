// Writing a game to a ".棋譜" file and loading it back: the round trip of a
// played game, the header order, and every refusal leaving the game as it was.
#include "record/record_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "record/record_format.h"
#include "record_test_util.h"

namespace murokan {
namespace {

using test::Game;
using test::ScratchDir;
using test::同じ状態;
using test::対局;
using test::書く;
using test::読む;

棋譜書込指定 指定(const ScratchDir& dir, std::string name = "対局一") {
    return {dir.path(), std::move(name), "第一局", "先手さん", "後手ｻﾝ"};
}

int 行数(const std::string& bytes) {
    int n = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) n += bytes[i] == '\r' && bytes[i + 1] == '\n';
    return n;
}

// Loads through a fresh setup, counting how often the setup ran.
struct Loader {
    Game game;
    int setups = 0;
    棋譜読込結果 load(const std::filesystem::path& file) {
        return 読込_棋譜(game.g, *game.h, file, [this] {
            ++setups;
            game.setup();
        });
    }
};

TEST(RecordFileTest, RandomGameOf120MovesRoundTrips) {
    ScratchDir dir;
    Game game = 対局(120);
    const 棋譜書込結果 written = 書込_棋譜(game.g, *game.h, 指定(dir));
    ASSERT_TRUE(written.書込済);
    ASSERT_EQ(written.messages.size(), 1u);
    EXPECT_EQ(written.messages[0].title, "  ");
    EXPECT_EQ(written.messages[0].text, "棋譜を書き込みました");
    EXPECT_EQ(written.file, dir.path() / test::パス("対局一.棋譜"));

    // Every move is in the file, the last one included.
    EXPECT_EQ(game.h->kifu_saishu, 120);
    const std::string bytes = 読む(written.file);
    EXPECT_EQ(行数(bytes), 3 + 120);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    Loader reader;
    reader.game.g.teban = TEBAN_GOTE;  // something the load must replace
    const 棋譜読込結果 loaded = reader.load(written.file);
    ASSERT_TRUE(loaded.置換済);
    EXPECT_EQ(reader.setups, 1);
    EXPECT_EQ(loaded.件数, 120);
    const GameState& g = reader.game.g;
    const History& h = *reader.game.h;
    EXPECT_EQ(h.kifu_saishu, 120);
    EXPECT_EQ(g.kifu_genzai, 0);
    EXPECT_EQ(g.tesuu, 0);
    EXPECT_EQ(g.kifu_mode, FLAG_ON);
    EXPECT_EQ(g.teban, TEBAN_SENTE);
    const std::vector<棋譜メッセージ> expected_messages = {
        {"棋譜", " 読み込みました", 棋譜アイコン::None},
        {"棋譜", "棋譜を '進 'で進めて下さい", 棋譜アイコン::None}};
    EXPECT_EQ(loaded.messages, expected_messages);
    EXPECT_EQ(loaded.見出し[0], "第一局");
    EXPECT_EQ(loaded.見出し[1], "後手ｻﾝ");  // the bottom side moved first
    EXPECT_EQ(loaded.見出し[2], "先手さん");

    for (int n = 0; n <= 120; ++n) {
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                ASSERT_EQ(h.kifu_ban[n][x][y], game.h->kifu_ban[n][x][y]) << n;
            }
        }
        for (int k = 1; k <= 7; ++k) {
            ASSERT_EQ(h.kifu_mochi_ji[n][k], game.h->kifu_mochi_ji[n][k]) << n;
            ASSERT_EQ(h.kifu_mochi_teki[n][k], game.h->kifu_mochi_teki[n][k]) << n;
        }
        if (n == 0) continue;  // entry 0 is the fresh setup's, not the file's
        ASSERT_EQ(h.kifu_ji_mae[n], std::trunc(game.h->kifu_ji_mae[n])) << n;
        ASSERT_EQ(h.kifu_ji_ato[n], std::trunc(game.h->kifu_ji_ato[n])) << n;
        ASSERT_EQ(h.kifu_teki_mae[n], std::trunc(game.h->kifu_teki_mae[n])) << n;
        ASSERT_EQ(h.kifu_teki_ato[n], std::trunc(game.h->kifu_teki_ato[n])) << n;
    }
    // The game put pieces into hands, so the hand fields were exercised too.
    int with_hands = 0;
    for (int n = 1; n <= 120; ++n) {
        for (int k = 1; k <= 7; ++k)
            with_hands += h.kifu_mochi_ji[n][k] + h.kifu_mochi_teki[n][k] > 0;
    }
    EXPECT_GT(with_hands, 0);
    // The last entry is the position the last move reached.
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) ASSERT_EQ(h.kifu_ban[120][x][y], game.g.ban[x][y]);
    }
}

TEST(RecordFileTest, HeaderOrderFollowsWhoMovesFirst) {
    struct Case {
        int ji_teban;
        const char* line2;
        const char* line3;
    };
    const Case cases[] = {{TEBAN_SENTE, "\x8c\xe3\x8e\xe8", "\x90\xe6\x8e\xe8"},  // 後手, 先手
                          {TEBAN_GOTE, "\x90\xe6\x8e\xe8", "\x8c\xe3\x8e\xe8"}};  // 先手, 後手
    for (const Case& c : cases) {
        ScratchDir dir;
        Game game = 対局(2);
        game.g.ji_teban = c.ji_teban;
        game.g.teki_teban = -c.ji_teban;
        const 棋譜書込結果 r =
            書込_棋譜(game.g, *game.h, {dir.path(), "x", "対局", "先手", "後手"});
        ASSERT_TRUE(r.書込済);
        const std::string bytes = 読む(r.file);
        EXPECT_EQ(bytes.substr(0, 18),
                  std::string("\x91\xce\x8b\xc7\r\n") + c.line2 + "\r\n" + c.line3 + "\r\n")
            << c.ji_teban;
    }
}

// Each refusal: its message, nothing written, game and history untouched.
TEST(RecordFileTest, WriteRefusalsChangeNothing) {
    struct Case {
        const char* name;
        int moves;
        棋譜書込指定 (*panel)(const ScratchDir&);
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"empty file name", 3, [](const ScratchDir& d) { return 指定(d, ""); }, "  ",
         "ﾌｧｲﾙ名が入力されていません"},
        {"no moves", 0, [](const ScratchDir& d) { return 指定(d); }, "棋譜保存",
         "保存するデータがありません"},
        // No moves is told before anything about the name's form or the texts.
        {"no moves, bad file name", 0, [](const ScratchDir& d) { return 指定(d, "../x"); },
         "棋譜保存", "保存するデータがありません"},
        {"no moves, player name with no CP932 form", 0,
         [](const ScratchDir& d) {
             auto s = 指定(d);
             s.sente_name = "\xF0\x9F\x98\x80";
             return s;
         },
         "棋譜保存", "保存するデータがありません"},
        {"no moves, no file name", 0, [](const ScratchDir& d) { return 指定(d, ""); }, "  ",
         "ﾌｧｲﾙ名が入力されていません"},
        {"dot", 3, [](const ScratchDir& d) { return 指定(d, "."); }, "棋譜保存",
         "そのﾌｧｲﾙ名は使えません"},
        {"dot dot", 3, [](const ScratchDir& d) { return 指定(d, ".."); }, "棋譜保存",
         "そのﾌｧｲﾙ名は使えません"},
        {"slash", 3, [](const ScratchDir& d) { return 指定(d, "../x"); }, "棋譜保存",
         "ﾌｧｲﾙ名に使えない文字が含まれています"},
        {"backslash", 3, [](const ScratchDir& d) { return 指定(d, "a\\b"); }, "棋譜保存",
         "ﾌｧｲﾙ名に使えない文字が含まれています"},
        {"line feed", 3, [](const ScratchDir& d) { return 指定(d, "a\nb"); }, "棋譜保存",
         "ﾌｧｲﾙ名に使えない文字が含まれています"},
        {"no CP932 form", 3, [](const ScratchDir& d) { return 指定(d, "棋譜\xF0\x9F\x98\x80"); },
         "棋譜保存", "ﾌｧｲﾙ名に使えない文字が含まれています"},
        {"broken UTF-8", 3, [](const ScratchDir& d) { return 指定(d, "\xE6\xA3"); }, "棋譜保存",
         "ﾌｧｲﾙ名に使えない文字が含まれています"},
        {"player name with no CP932 form", 3,
         [](const ScratchDir& d) {
             auto s = 指定(d);
             s.gote_name = "\xF0\x9F\x98\x80";
             return s;
         },
         "棋譜保存", "対局名・先手・後手の名前に使えない文字が含まれています"},
        {"game name with a line end", 3,
         [](const ScratchDir& d) {
             auto s = 指定(d);
             s.game_name = "一\r\n二";
             return s;
         },
         "棋譜保存", "対局名・先手・後手の名前に使えない文字が含まれています"},
        {"folder missing", 3,
         [](const ScratchDir& d) {
             auto s = 指定(d);
             s.folder = d.path() / "missing";
             return s;
         },
         "棋譜保存", "棋譜ﾌｧｲﾙを書き込めませんでした"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        Game game = 対局(c.moves);
        const GameState g_before = game.g;
        const History h_before = *game.h;
        const 棋譜書込結果 r = 書込_棋譜(game.g, *game.h, c.panel(dir));
        EXPECT_FALSE(r.書込済) << c.name;
        ASSERT_EQ(r.messages.size(), 1u) << c.name;
        EXPECT_EQ(r.messages[0].title, c.title) << c.name;
        EXPECT_EQ(r.messages[0].text, c.text) << c.name;
        EXPECT_TRUE(同じ状態(game.g, g_before)) << c.name;
        EXPECT_TRUE(h_before == *game.h) << c.name;
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.name;
    }
}

// The 書込 menu item: after 反転 (checked first) or a handicap, even with moves.
TEST(RecordFileTest, WriteMenuRefusals) {
    struct Case {
        int hanten, hande;
        const char* text;  // nullptr: allowed
    };
    const Case cases[] = {{FLAG_OFF, FLAG_OFF, nullptr},
                          {FLAG_ON, FLAG_OFF, "反転後は書き込みできません"},
                          {FLAG_OFF, FLAG_ON, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
                          {FLAG_ON, FLAG_ON, "反転後は書き込みできません"}};
    for (const Case& c : cases) {
        Game game = 対局(4);
        game.g.hanten = c.hanten;
        game.g.hande_settei = c.hande;
        const auto refusal = 調査_棋譜書込可否(game.g);
        if (!c.text) {
            EXPECT_FALSE(refusal);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->title, "棋譜書込");
        EXPECT_EQ(refusal->text, c.text);
    }
}

// A record already on disk survives a write that fails at the last step, and
// no temporary file is left behind either way.
TEST(RecordFileTest, FailedWriteKeepsTheOldFile) {
    ScratchDir dir;
    Game game = 対局(6);
    // The target name is taken by a folder: the rename fails.
    std::filesystem::create_directory(dir.path() / test::パス("先.棋譜"));
    std::filesystem::create_directory(dir.path() / test::パス("先.棋譜") / "inside");
    const 棋譜書込結果 failed = 書込_棋譜(game.g, *game.h, 指定(dir, "先"));
    EXPECT_FALSE(failed.書込済);
    ASSERT_EQ(failed.messages.size(), 1u);
    EXPECT_EQ(failed.messages[0].text, "棋譜ﾌｧｲﾙを書き込めませんでした");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / test::パス("先.棋譜") / "inside"));

    // Overwriting a record replaces it whole.
    書く(dir.path() / test::パス("後.棋譜"), std::string(100000, 'x'));
    const 棋譜書込結果 ok = 書込_棋譜(game.g, *game.h, 指定(dir, "後"));
    ASSERT_TRUE(ok.書込済);
    EXPECT_EQ(行数(読む(ok.file)), 3 + 6);
    EXPECT_EQ(読む(ok.file).find('x'), std::string::npos);

    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
        EXPECT_EQ(e.path().extension(), test::パス(".棋譜")) << e.path();
    }
    EXPECT_EQ(entries, 2);
}

// Each refused load: its message, setup never run, game and history untouched.
TEST(RecordFileTest, LoadRefusalsChangeNothing) {
    ScratchDir dir;
    Game source = 対局(3);
    ASSERT_TRUE(書込_棋譜(source.g, *source.h, 指定(dir, "good")).書込済);
    const std::string good = 読む(dir.path() / "good.棋譜");
    const std::string line = good.substr(good.size() - 279);  // the last entry line with CR LF
    書く(dir.path() / "bad_piece.棋譜", good + " 99" + line.substr(3));
    書く(
        dir.path() / "too_long.棋譜", good + [&] {
            std::string more;
            for (int i = 0; i < 498; ++i) more += line;
            return more;
        }());
    std::filesystem::create_directory(dir.path() / "folder.棋譜");

    struct Case {
        const char* file;
        const char* text;
    };
    const Case cases[] = {
        {"missing.棋譜", "棋譜ﾌｧｲﾙを読み込めませんでした"},
        {"folder.棋譜", "棋譜ﾌｧｲﾙを読み込めませんでした"},
        {"bad_piece.棋譜", "棋譜ﾌｧｲﾙの7行目に使えない駒ｺｰﾄﾞがあります"},
        {"too_long.棋譜", "棋譜ﾌｧｲﾙの手数が多すぎます（500手まで）"},
    };
    for (const Case& c : cases) {
        Loader reader;
        reader.game = 対局(5, 7);
        const GameState g_before = reader.game.g;
        const History h_before = *reader.game.h;
        const 棋譜読込結果 r = reader.load(dir.path() / test::パス(c.file));
        EXPECT_FALSE(r.置換済) << c.file;
        EXPECT_EQ(reader.setups, 0) << c.file;
        ASSERT_EQ(r.messages.size(), 1u) << c.file;
        EXPECT_EQ(r.messages[0].title, "棋譜") << c.file;
        EXPECT_EQ(r.messages[0].text, c.text) << c.file;
        EXPECT_TRUE(同じ状態(reader.game.g, g_before)) << c.file;
        EXPECT_TRUE(h_before == *reader.game.h) << c.file;
    }
}

// A file without entry lines is a clean load of nothing: record mode on the
// starting position, and 進 stays refused (no game to step through).
TEST(RecordFileTest, LoadingAnEmptyRecord) {
    ScratchDir dir;
    for (const std::string& bytes : {std::string(), std::string("a\r\nb\r\nc\r\n")}) {
        書く(dir.path() / "empty.棋譜", bytes);
        Loader reader;
        reader.game = 対局(4);
        const 棋譜読込結果 r = reader.load(dir.path() / "empty.棋譜");
        EXPECT_TRUE(r.置換済);
        EXPECT_EQ(reader.setups, 1);
        EXPECT_EQ(r.件数, 0);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].title, "棋譜");
        EXPECT_EQ(r.messages[0].text, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
        EXPECT_EQ(reader.game.h->kifu_saishu, 0);
        EXPECT_EQ(reader.game.g.kifu_mode, FLAG_ON);
        EXPECT_EQ(reader.game.g.teban, TEBAN_NASHI);
        EXPECT_EQ(reader.game.g.ban[5][9], -OU);
    }
}

}  // namespace
}  // namespace murokan
