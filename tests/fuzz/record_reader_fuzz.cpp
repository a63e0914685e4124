// Feeds arbitrary bytes to the record reader as a file's contents. A load must
// either replace the game with a record that only holds what a record can, or
// refuse the file and leave the game exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/rules.h"
#include "record/history.h"
#include "record/record_file.h"
#include "record/record_format.h"

namespace {

using namespace murokan;

struct Fixture {
    GameState g;
    std::unique_ptr<History> h = std::make_unique<History>();
    Fixture() {
        初期設定_状態(g);
        初期設定_棋譜(g, *h);
        g.teban = g.ji_teban;
    }
};

void 検査(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Fixture original;
    static Fixture game;
    game.g = original.g;
    *game.h = *original.h;

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    int setups = 0;
    const 棋譜読込結果 r = 読込_棋譜データ(game.g, *game.h, bytes, [&] {
        ++setups;
        初期設定_状態(game.g);
        初期設定_棋譜(game.g, *game.h);
    });
    if (!r.置換済) {
        検査(setups == 0 && r.messages.size() == 1);
        検査(std::memcmp(&game.g, &original.g, sizeof(GameState)) == 0);
        検査(std::memcmp(game.h.get(), original.h.get(), sizeof(History)) == 0);
        return 0;
    }
    検査(setups == 1 && r.件数 >= 0 && r.件数 <= MAX_KIFU && game.h->kifu_saishu == r.件数);
    for (int n = 1; n <= r.件数; ++n) {
        int kings_top = 0, kings_bottom = 0;
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                const int c = game.h->kifu_ban[n][x][y];
                検査(調査_有効駒コード(c) == FLAG_ON);
                kings_top += c == OU;
                kings_bottom += c == -OU;
            }
        }
        検査(kings_top <= 1 && kings_bottom <= 1);
        for (int k = 1; k <= 7; ++k) {
            検査(game.h->kifu_mochi_ji[n][k] >= 0 && game.h->kifu_mochi_ji[n][k] <= 持駒_最大);
            検査(game.h->kifu_mochi_teki[n][k] >= 0 && game.h->kifu_mochi_teki[n][k] <= 持駒_最大);
        }
    }
    // What was read must write back as the same entry lines.
    for (int n = 1; n <= r.件数; ++n) 検査(作成_棋譜行(*game.h, n).has_value());
    return 0;
}
