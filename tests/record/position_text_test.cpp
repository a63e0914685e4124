// Pasted positions and games: what is refused and why, and the two lines of
// コピー read back as the same game.
#include "record/position_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/handicap.h"
#include "core/sfen.h"
#include "support/random_game.h"

namespace murokan {
namespace {

std::string sfen_of(const Position& p) {
    GameState g;
    static_cast<Position&>(g) = p;
    return format_sfen(g);
}

TEST(PositionText, RefusalsSayWhy) {
    std::string moves501 = "position startpos moves";
    for (int i = 0; i < 501; ++i) moves501 += " 7g7f";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"4k4/9/9/9/9/9/9/9/4K4 - - 1", "局面に手番（b か w）がありません"},
        {"4k4/9/9/9/9/9/9/9/9 b - 1", "先手の王がありません"},
        {"3kk4/9/9/9/9/9/9/9/4K4 w - 1", "後手の王が２枚以上あります"},
        {"4k4/9/9/9/9/9/PPPPPPPPP/9/4K4 b 10p 1", "歩が多すぎます（18枚まで）"},
        {"4k4/9/9/9/4+b4/9/9/9/4K4 b 2B 1", "角が多すぎます（2枚まで）"},
        {"4k4/N8/9/9/9/9/9/9/4K4 b - 1", "９二の桂はもう動けません"},
        {"4k3l/9/9/9/9/9/9/9/4K3l w - 1", "１九の香はもう動けません"},
        {"4k4/9/9/9/4P4/9/4P4/9/4K4 b - 1", "先手の歩が５筋に２枚あります"},
        {"4k4/9/9 b - 1", "局面が読めません"},
        {"盤面です", "局面が読めません"},
        {"position startpos moves 7g7f 3c3d 8h2b", "3手目の 8h2b は指せません"},
        {"position startpos moves 3c3d", "1手目の 3c3d は指せません"},
        {"position startpos moves 7g7f P*5e", "2手目の P*5e は指せません"},
        {"position startpos moves 7g7f 3c3", "2手目の 3c3 が読めません"},
        {"position startpos moves 7g7f3c3d5gあい", "1手目の 7g7f3c3d5g… が読めません"},
        {"position sfen 4k4/9/9/9/9/9/9/9/4K4 - - 1 moves", "局面に手番（b か w）がありません"},
        {"position startpos 7g7f", "貼り付けた文字は局面でも手順でもありません"},
        {moves501, "手数が多すぎます（500手まで）"},
        {std::string(kStartSfen) + "\nposition startpos moves 7g7f",
         "局面と手順が合いません"},
        {"position startpos\nposition startpos", "貼り付けた文字は局面でも手順でもありません"},
        {" \r\n\t", "貼り付けるﾃﾞｰﾀがありません"},
        {std::string(kPasteMaxBytes + 1, ' '), "貼り付けるﾃﾞｰﾀが大きすぎます（64KBまで）"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(読込_貼付文字列(c.text).message, c.message) << c.text.substr(0, 80);
    }
    const char* binary[] = {"\0", "\x1b", "\x7f", "\xff", "\xc0\xaf", "\xc2\x85",
                            "\xed\xa0\x80", "\xe3\x81"};
    for (const char* b : binary) {
        const std::string text = std::string(kStartSfen) + std::string(b, std::strlen(b) + !*b);
        EXPECT_EQ(読込_貼付文字列(text).message, "貼り付けるﾃﾞｰﾀが文字ではありません") << text;
    }
}

TEST(PositionText, LooseWhiteSpaceAndPromotedPawnsAreAccepted) {
    const char* texts[] = {
        "  sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1\r\n",
        "4k4/9/9/9/4+P4/9/4P4/9/4K4\tw\t16p\n\n",
        "position sfen 4k4/9/9/9/9/9/9/9/4K4 b G",
    };
    for (const char* t : texts) EXPECT_TRUE(読込_貼付文字列(t).ok()) << t;
}

// A game copied and pasted back gives the same start, moves and positions,
// whatever the start and whichever line ends the clipboard uses.
TEST(PositionText, CopiedGamesReadBackTheSame) {
    GameState handicap = test::start_of_game(0);
    for (int n = 1; n <= 4; ++n) {
        const ハンデ手 step = ハンデ_上げ手(n);
        handicap.ban[step.x][step.y] = step.code;
    }
    GameState edited;
    ASSERT_EQ(parse_sfen("3g1k3/5s3/2+P1p1n2/p5p1p/9/P1+r3P1P/4+B4/5G3/2K6 w RSNL3Pgs2nl5p 1",
                         edited),
              nullptr);
    const struct {
        GameState start;
        std::string_view game_line;
    } cases[] = {
        {test::start_of_game(0), "position startpos"},
        {test::start_of_game(1), "position sfen "},
        {handicap, "position sfen "},
        {edited, "position sfen "},
    };
    std::mt19937 rng(26);
    for (const auto& c : cases) {
        GameState g = c.start;
        std::vector<Move> moves;
        std::vector<std::string> after;
        test::play_randomly(g, rng, 60, [&](const GameState&, const Move& m, const GameState& a,
                                            const PlayReport&) {
            moves.push_back(m);
            after.push_back(sfen_of(a));
        });
        const std::string copied = 作成_コピー文字列(c.start, moves);
        EXPECT_EQ(copied.substr(copied.find('\n') + 1, c.game_line.size()), c.game_line);
        std::string text;  // as a clipboard with CR LF line ends holds it
        for (const char ch : copied) {
            if (ch == '\n') text += '\r';
            text += ch;
        }
        const 貼付結果 r = 読込_貼付文字列(text);
        ASSERT_TRUE(r.ok()) << r.message << "\n" << text;
        EXPECT_EQ(sfen_of(r.start), sfen_of(c.start));
        EXPECT_EQ(r.moves, moves);
        ASSERT_EQ(r.positions.size(), after.size());
        for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(sfen_of(r.positions[i]), after[i]);

        // A move that cannot be played is left out of both lines.
        moves.push_back(Move{});
        EXPECT_EQ(作成_コピー文字列(c.start, moves), 作成_コピー文字列(c.start, r.moves));
    }
}

}  // namespace
}  // namespace murokan
