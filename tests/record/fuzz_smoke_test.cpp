// A short seeded fuzz run of the record reader: mutated copies of a valid
// record, each either loaded cleanly or refused with the game untouched.
#include <gtest/gtest.h>

#include <cstring>

#include "record/record_file.h"
#include "record/record_format.h"
#include "record_test_util.h"

namespace murokan {
namespace {

using test::Game;

// A valid record of a short random game, written the normal way.
std::string 見本ファイル() {
    Game game;
    game.start();
    std::mt19937 rng(11);
    game.play_random(8, rng);
    game.g.mochi_ji[1] = 12;  // a hand count written as a letter
    保存_最新局面(game.g, *game.h);
    const auto bytes =
        作成_棋譜ファイル(*game.h, game.h->kifu_saishu, {"\x91\xce\x8b\xc7", "\xd1\xdb", "abc"});
    return bytes.value_or("");
}

// One to four edits of a kind that the reader must survive.
std::string 変異(const std::string& base, std::mt19937& rng) {
    static constexpr char kBytes[] = {' ', '-', '0',  '1',  '5',    '8',    '9',  'A',
                                      'I', 'J', '\r', '\n', '\x81', '\xff', '\0', '.'};
    std::string s = base;
    auto at = [&](size_t size) { return std::uniform_int_distribution<size_t>(0, size)(rng); };
    const int edits = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int i = 0; i < edits && !s.empty(); ++i) {
        switch (std::uniform_int_distribution<int>(0, 6)(rng)) {
            case 0:
                s[at(s.size() - 1)] = static_cast<char>(rng());
                break;
            case 1:
                s[at(s.size() - 1)] = kBytes[rng() % sizeof kBytes];
                break;
            case 2:
                s.erase(at(s.size() - 1), at(8));
                break;
            case 3:
                s.insert(at(s.size()), std::string(at(3), kBytes[rng() % sizeof kBytes]));
                break;
            case 4:
                s.resize(at(s.size()));
                break;
            case 5: {  // repeat a stretch, often whole lines
                const size_t from = at(s.size() - 1);
                s.insert(at(s.size()), s.substr(from, at(600)));
                break;
            }
            case 6: {  // swap two bytes
                const size_t a = at(s.size() - 1), b = at(s.size() - 1);
                std::swap(s[a], s[b]);
                break;
            }
        }
    }
    return s;
}

// What a load may leave behind: nothing a record could not hold. Returns the
// first entry that breaks a rule, or 0 when all are sound. (Plain checks, not
// one assertion per field: this runs thousands of times.)
int 不正な局面(const History& h, int n) {
    for (int e = 1; e <= n; ++e) {
        int kings_top = 0;
        int kings_bottom = 0;
        bool sound = true;
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const int c = h.kifu_ban[e][x][y];
                sound = sound && 調査_有効駒コード(c) == FLAG_ON;
                kings_top += c == OU;
                kings_bottom += c == -OU;
            }
        }
        for (int k = 1; k <= 7; ++k) {
            for (int count : {h.kifu_mochi_ji[e][k], h.kifu_mochi_teki[e][k]}) {
                sound = sound && count >= 0 && count <= 持駒_最大;
            }
        }
        for (float t :
             {h.kifu_ji_mae[e], h.kifu_ji_ato[e], h.kifu_teki_mae[e], h.kifu_teki_ato[e]}) {
            sound = sound && t >= 0 && t <= 時間_最大;
        }
        if (!sound || kings_top > 1 || kings_bottom > 1) return e;
    }
    return 0;
}

TEST(RecordFuzzSmokeTest, MutatedRecordsLoadCleanlyOrAreRefused) {
    const std::string base = 見本ファイル();
    ASSERT_GT(base.size(), 8 * 277u);

    // A game in progress that every refusal must leave exactly as it is.
    Game original;
    original.start();
    std::mt19937 play(5);
    original.play_random(9, play);

    Game game;
    game.g = original.g;
    *game.h = *original.h;
    std::mt19937 rng(20240601);
    int loaded = 0;
    int refused = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string bytes = 変異(base, rng);
        int setups = 0;
        const 棋譜読込結果 r = 読込_棋譜データ(game.g, *game.h, bytes, [&] {
            ++setups;
            game.setup();
        });
        if (r.置換済) {
            ++loaded;
            ASSERT_EQ(setups, 1) << i;
            ASSERT_EQ(r.messages.size(), r.件数 > 0 ? 2u : 1u) << i;
            ASSERT_GE(r.件数, 0) << i;
            ASSERT_LE(r.件数, MAX_KIFU) << i;
            ASSERT_EQ(game.h->kifu_saishu, r.件数) << i;
            ASSERT_EQ(game.g.kifu_genzai, 0) << i;
            ASSERT_EQ(game.g.kifu_mode, FLAG_ON) << i;
            ASSERT_EQ(不正な局面(*game.h, r.件数), 0) << i;
            game.g = original.g;  // back to the game in progress
            *game.h = *original.h;
        } else {
            ++refused;
            ASSERT_EQ(setups, 0) << i;
            ASSERT_EQ(r.messages.size(), 1u) << i;
            ASSERT_EQ(r.messages[0].title, "棋譜") << i;
            ASSERT_TRUE(test::同じ状態(game.g, original.g)) << i;
            ASSERT_EQ(std::memcmp(game.h.get(), original.h.get(), sizeof(History)), 0) << i;
        }
    }
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
    // Both outcomes were reached often enough to mean something.
    EXPECT_GT(loaded, 1000);
    EXPECT_GT(refused, 1000);
}

}  // namespace
}  // namespace murokan
