// The record file format as bytes: the entry line layout, the whole file, and
// reading lines and files back, with the refusals of bad input.
#include "record/record_format.h"

#include <gtest/gtest.h>

#include <string>

namespace murokan {
namespace {

std::string 繰返し(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Entry 1: a lance and a pawn in column 1, the bottom king at (9, 9), pawns
// and a rook in hand, four kinds of time.
std::unique_ptr<History> 見本() {
    auto h = std::make_unique<History>();
    h->kifu_ban[1][1][1] = KYOU;
    h->kifu_ban[1][1][2] = -HU;
    h->kifu_ban[1][9][9] = -OU;
    h->kifu_mochi_ji[1][1] = 2;
    h->kifu_mochi_teki[1][1] = 12;
    h->kifu_mochi_ji[1][7] = 1;
    h->kifu_ji_mae[1] = 83.7f;
    h->kifu_ji_ato[1] = 1234.0f;
    h->kifu_teki_mae[1] = 0.0f;
    h->kifu_teki_ato[1] = 123456.0f;
    h->kifu_saishu = 1;
    return h;
}

const std::string k見本行 = " 20-10" + 繰返し("  0", 7) + 繰返し("  0", 9 * 7) + 繰返し("  0", 8) +
                            "-80" + "2C" + "0000000000" + "10" + "   83" + " 1234" + "    0" +
                            "99999";

TEST(RecordFormatTest, EntryLineExactBytes) {
    const auto h = 見本();
    ASSERT_EQ(k見本行.size(), 277u);
    const auto line = 作成_棋譜行(*h, 1);
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, k見本行);
}

TEST(RecordFormatTest, TimeFieldsPadAndClamp) {
    struct Case {
        float seconds;
        const char* field;
    };
    const Case cases[] = {{0, "    0"},     {0.99f, "    0"},    {7, "    7"},
                          {83.7f, "   83"}, {999, "  999"},      {1234, " 1234"},
                          {99999, "99999"}, {99999.9f, "99999"}, {100000, "99999"},
                          {1e9f, "99999"},  {-3, "    0"}};
    for (const Case& c : cases) {
        auto h = std::make_unique<History>();
        h->kifu_teki_ato[2] = c.seconds;
        const auto line = 作成_棋譜行(*h, 2);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->substr(272), c.field) << c.seconds;
    }
}

TEST(RecordFormatTest, HandCountsAsOneCharacter) {
    struct Case {
        int count;
        const char* field;  // nullptr: the entry cannot be written
    };
    const Case cases[] = {{0, "0"},  {9, "9"},      {10, "A"},    {15, "F"},
                          {18, "I"}, {19, nullptr}, {-1, nullptr}};
    for (const Case& c : cases) {
        auto h = std::make_unique<History>();
        h->kifu_mochi_teki[1][3] = c.count;  // kind 3, top: the 6th hand character
        const auto line = 作成_棋譜行(*h, 1);
        if (!c.field) {
            EXPECT_FALSE(line) << c.count;
            continue;
        }
        ASSERT_TRUE(line) << c.count;
        ASSERT_EQ(line->size(), 277u);
        EXPECT_EQ(line->substr(243 + 5, 1), c.field) << c.count;
        棋譜局面 back;
        ASSERT_EQ(解析_棋譜行(*line, back), 行エラー::なし);
        EXPECT_EQ(back.mochi_teki[3], c.count);
    }
}

TEST(RecordFormatTest, BoardCodesNoPieceHasAreNotWritten) {
    for (int code : {5, 51, -51, 81, 100, -100}) {
        auto h = std::make_unique<History>();
        h->kifu_ban[1][4][4] = code;
        EXPECT_FALSE(作成_棋譜行(*h, 1)) << code;
    }
}

TEST(RecordFormatTest, WholeFileHeadersAndLineEnds) {
    const auto h = 見本();
    const auto file = 作成_棋譜ファイル(*h, 1, {"\x91\xce\x8b\xc7", "\xd1\xdb\xb6\xdd", ""});
    ASSERT_TRUE(file);
    EXPECT_EQ(*file,
              std::string("\x91\xce\x8b\xc7\r\n\xd1\xdb\xb6\xdd\r\n\r\n") + k見本行 + "\r\n");
}

// Reading one line: each case edits the sample line and expects an outcome.
TEST(RecordFormatTest, EntryLineReading) {
    struct Case {
        const char* name;
        std::string line;
        行エラー error;
    };
    auto edit = [](size_t pos, const std::string& text) {
        std::string s = k見本行;
        s.replace(pos, text.size(), text);
        return s;
    };
    const Case cases[] = {
        {"the sample", k見本行, 行エラー::なし},
        {"characters after 277 ignored", k見本行 + "xyz", 行エラー::なし},
        {"short line: missing fields read 0", k見本行.substr(0, 250), 行エラー::なし},
        {"empty line", "", 行エラー::なし},
        {"blank board field", edit(0, "   "), 行エラー::なし},
        {"left-aligned field", edit(0, "20 "), 行エラー::なし},
        {"code no piece has", edit(0, "  5"), 行エラー::駒},
        {"promoted gold", edit(0, " 51"), 行エラー::駒},
        {"too large", edit(0, "800"), 行エラー::駒},
        {"letters", edit(0, "abc"), 行エラー::駒},
        {"blank inside a number", edit(0, "1 0"), 行エラー::駒},
        {"plus sign", edit(0, "+10"), 行エラー::駒},
        {"lone minus", edit(0, "  -"), 行エラー::駒},
        {"non-ASCII byte", edit(3, "\x82\xa0 "), 行エラー::駒},
        {"second top king", edit(3, " 80") + "", 行エラー::なし},
        {"two top kings", edit(3, " 80").replace(6, 3, " 80"), 行エラー::王},
        {"two bottom kings", edit(3, "-80"), 行エラー::王},
        {"hand letter beyond I", edit(243, "J"), 行エラー::持駒},
        {"lower-case hand letter", edit(243, "a"), 行エラー::持駒},
        {"hand minus", edit(244, "-"), 行エラー::持駒},
        {"hand blank", edit(244, " "), 行エラー::なし},
        {"time with a fraction", edit(257, " 83.7"), 行エラー::時間},
        {"negative time", edit(257, "  -83"), 行エラー::時間},
        {"time letters", edit(272, "12x45"), 行エラー::時間},
        {"blank time", edit(272, "     "), 行エラー::なし},
    };
    for (const Case& c : cases) {
        棋譜局面 out;
        EXPECT_EQ(解析_棋譜行(c.line, out), c.error) << c.name;
    }
}

TEST(RecordFormatTest, EntryLineValuesReadBack) {
    棋譜局面 e;
    ASSERT_EQ(解析_棋譜行(k見本行, e), 行エラー::なし);
    EXPECT_EQ(e.ban[1][1], KYOU);
    EXPECT_EQ(e.ban[1][2], -HU);
    EXPECT_EQ(e.ban[9][9], -OU);
    EXPECT_EQ(e.ban[5][5], KARA);
    EXPECT_EQ(e.mochi_ji[1], 2);
    EXPECT_EQ(e.mochi_teki[1], 12);
    EXPECT_EQ(e.mochi_ji[7], 1);
    EXPECT_EQ(e.mochi_teki[7], 0);
    EXPECT_FLOAT_EQ(e.ji_mae, 83);
    EXPECT_FLOAT_EQ(e.ji_ato, 1234);
    EXPECT_FLOAT_EQ(e.teki_mae, 0);
    EXPECT_FLOAT_EQ(e.teki_ato, 99999);

    // A line cut inside the hands: the rest reads as 0.
    棋譜局面 cut;
    ASSERT_EQ(解析_棋譜行(k見本行.substr(0, 244), cut), 行エラー::なし);
    EXPECT_EQ(cut.mochi_ji[1], 2);
    EXPECT_EQ(cut.mochi_teki[1], 0);
    EXPECT_FLOAT_EQ(cut.ji_mae, 0);
}

TEST(RecordFormatTest, FileReadingLineEndsAndHeaders) {
    const std::string line = k見本行;
    struct Case {
        const char* name;
        std::string bytes;
        size_t entries;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\nc\r\n" + line + "\r\n" + line + "\r\n", 2},
        {"LF only", "a\nb\nc\n" + line + "\n" + line + "\n", 2},
        {"CR only", "a\rb\rc\r" + line + "\r" + line + "\r", 2},
        {"no end after the last line", "a\r\nb\r\nc\r\n" + line + "\r\n" + line, 2},
        // Blank lines an editor leaves after the last entry are no entries.
        {"two blank lines at the end", "a\r\nb\r\nc\r\n" + line + "\r\n" + line + "\r\n\r\n\r\n",
         2},
        {"blanks and tabs at the end", "a\r\nb\r\nc\r\n" + line + "\r\n" + line + "\r\n  \t\n \n",
         2},
        {"headers only", "a\r\nb\r\nc\r\n", 0},
        {"headers, then blank lines", "a\r\nb\r\nc\r\n\r\n   \r\n", 0},
        {"nothing at all", "", 0},
    };
    for (const Case& c : cases) {
        const 棋譜解析結果 r = 解析_棋譜(c.bytes);
        ASSERT_FALSE(r.拒否) << c.name;
        EXPECT_EQ(r.局面.size(), c.entries) << c.name;
        if (!c.bytes.empty()) {
            EXPECT_EQ(r.見出し[0], "a") << c.name;
            EXPECT_EQ(r.見出し[2], "c") << c.name;
        }
    }
    const 棋譜解析結果 ten_line_ends = 解析_棋譜(繰返し("\r\n", 10));
    EXPECT_FALSE(ten_line_ends.拒否);
    EXPECT_TRUE(ten_line_ends.局面.empty());
    const 棋譜解析結果 kanji = 解析_棋譜("\x91\xce\x8b\xc7\r\n\xd1\xdb\xb6\xdd\xff\r\n");
    EXPECT_EQ(kanji.見出し[0], "対局");
    EXPECT_EQ(kanji.見出し[1], "ﾑﾛｶﾝ\xEF\xBF\xBD");  // a byte that starts nothing is marked
    EXPECT_EQ(kanji.見出し[2], "");
}

TEST(RecordFormatTest, FileRefusals) {
    const std::string headers = "a\r\nb\r\nc\r\n";
    const std::string line = k見本行 + "\r\n";
    std::string bad_third = headers + line + line;
    bad_third += k見本行.substr(0, 240) + "   J" + "\r\n";  // the hand of line 6
    struct Case {
        const char* name;
        std::string bytes;
        const char* text;  // nullptr: accepted
    };
    const Case cases[] = {
        {"500 entries fit", headers + 繰返し(line, 500), nullptr},
        {"501 entries do not", headers + 繰返し(line, 501),
         "棋譜ﾌｧｲﾙの手数が多すぎます（500手まで）"},
        {"bad hand on line 6", bad_third, "棋譜ﾌｧｲﾙの6行目の持駒の数が読めません"},
        {"bad piece on line 4", headers + "  7" + line,
         "棋譜ﾌｧｲﾙの4行目に使えない駒ｺｰﾄﾞがあります"},
        {"bad time on line 5", headers + line + k見本行.substr(0, 257) + "zzzzz\r\n",
         "棋譜ﾌｧｲﾙの5行目の時間が読めません"},
        {"two kings on line 4", headers + "-80-80" + k見本行.substr(6) + "\r\n",
         "棋譜ﾌｧｲﾙの4行目に同じ側の王が２枚以上あります"},
        {"too large", headers + std::string(棋譜_最大バイト数, ' '), "棋譜ﾌｧｲﾙが大きすぎます"},
        {"500 entries and blank lines fit", headers + 繰返し(line, 500) + "\r\n\r\n", nullptr},
        {"empty line 5 between entries", headers + line + "\r\n" + line,
         "棋譜ﾌｧｲﾙの5行目が空白です"},
        {"blanks on line 4, then an entry", headers + std::string(棋譜行_長さ, ' ') + "\r\n" + line,
         "棋譜ﾌｧｲﾙの4行目が空白です"},
        // The first blank line is named, before a bad line after it.
        {"blank line 5, bad piece on line 7", headers + line + "\r\n \r\n  7" + line,
         "棋譜ﾌｧｲﾙの5行目が空白です"},
    };
    for (const Case& c : cases) {
        const 棋譜解析結果 r = 解析_棋譜(c.bytes);
        if (!c.text) {
            EXPECT_FALSE(r.拒否) << c.name;
            continue;
        }
        ASSERT_TRUE(r.拒否) << c.name;
        EXPECT_EQ(r.拒否->title, "棋譜") << c.name;
        EXPECT_EQ(r.拒否->text, c.text) << c.name;
        EXPECT_TRUE(r.局面.empty()) << c.name;
    }
}

}  // namespace
}  // namespace murokan
