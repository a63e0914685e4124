// Feeds arbitrary bytes to the reader of pasted positions and games. A paste
// must either be refused with a message and nothing else, or give a start fit
// to play from, at most the history's worth of moves with a position after
// each, which written as コピー writes it reads back as the same game.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/sfen.h"
#include "record/position_check.h"
#include "record/position_text.h"

namespace {

using namespace murokan;

void 検査(bool ok) {
    if (!ok) std::abort();
}

std::string sfen_of(const Position& p) {
    GameState g;
    static_cast<Position&>(g) = p;
    return format_sfen(g);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const 貼付結果 r = 読込_貼付文字列(text);
    if (!r.ok()) {
        検査(r.moves.empty() && r.positions.empty());
        return 0;
    }
    検査(調査_局面(r.start).empty());
    検査(r.moves.size() == r.positions.size() && r.moves.size() <= MAX_KIFU);

    const 貼付結果 again = 読込_貼付文字列(作成_コピー文字列(r.start, r.moves));
    検査(again.ok() && again.moves == r.moves && sfen_of(again.start) == sfen_of(r.start));
    for (size_t i = 0; i < r.positions.size(); ++i) {
        検査(sfen_of(again.positions[i]) == sfen_of(r.positions[i]));
    }
    return 0;
}
