// The ladder as the player meets it: the levels' ratings in the menu, the
// player's own record of games against the computer, and 成績, which shows
// that record and can clear it.
#include <cstdio>
#include <random>

#include "ai/engine_levels.h"
#include "core/handicap.h"
#include "flow/form1.h"

namespace murokan {

namespace {

constexpr std::string_view kTitle = "成績";

// "LEVELn" -> n, 0 for any other name.
int level_of(std::string_view name) {
    if (name.size() < 6 || name.size() > 7 || name.substr(0, 5) != "LEVEL") return 0;
    int n = 0;
    for (char c : name.substr(5)) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kLastLevel ? n : 0;
}

// One line of the table: the level, its rating when it searches, the games.
std::string results_line(int level, const LevelResults& s) {
    char line[96];
    // The counts first: their digits line up even in a proportional face.
    std::snprintf(line, sizeof line, "%4d勝 %4d敗 %4d分   %s\n", s.wins, s.losses, s.draws,
                  level_caption(std::string("LEVEL") + std::to_string(level), "").c_str());
    return line;
}

// The whole record as 成績 shows it.
std::string record_text(const PlayerRecord& r) {
    std::string text;
    for (int level = 1; level <= kLastLevel; ++level) text += results_line(level, r.even[level]);
    bool handicap = false;
    for (int level = 1; level <= kLastLevel; ++level) {
        if (r.handicap[level].games() == 0) continue;
        if (!handicap) text += "\nﾊﾝﾃﾞｨｷｬｯﾌﾟ戦\n";
        handicap = true;
        text += results_line(level, r.handicap[level]);
    }
    text += "\nあなたのﾚｰﾃｨﾝｸﾞ  R " + std::to_string(estimate_rating(r)) + "\n";
    text += "次のおすすめ  LEVEL" + std::to_string(suggested_level(r)) + "\n";
    return text;
}

}  // namespace

std::string level_caption(std::string_view name, std::string_view caption) {
    const int level = level_of(name);
    if (level == 0) return std::string(caption);
    std::string text(name);
    if (level >= kFirstSearchLevel) text += " (R " + std::to_string(level_rating(level)) + ")";
    return text;
}

PlayerOptions Form1::com_options() const {
    PlayerOptions o = player_options(search_bounds);
    if (search_bounds.seed == 0) o.seed = game_seed_;
    return o;
}

void Form1::record_game_start() {
    game_counted_ = false;
    if (search_bounds.seed != 0) {
        game_seed_ = search_bounds.seed;
    } else {
        std::random_device fresh;
        game_seed_ = fresh();
    }
}

void Form1::record_game(GameOutcome outcome) {
    if (g.taikyoku_mode != MODE_COM || game_counted_) return;
    game_counted_ = true;
    // Read afresh, so that a second window's games are not lost.
    if (!record_file.empty()) record = load_record(record_file);
    count_game(record, g.com_level, g.hande_level != 0, outcome);
    save_record(record_file, record);
}

void Form1::SEISEKI_Click() {
    if (!record_file.empty()) record = load_record(record_file);
    const std::string text = record_text(record) + "\n成績を消去しますか？";
    if (!pf.dialogs.askYesNo(kTitle, text, platform::Icon::None)) return;
    if (!pf.dialogs.askYesNo(kTitle, "成績をすべて消去します。よろしいですか？",
                             platform::Icon::Exclamation)) {
        return;
    }
    record = PlayerRecord{};
    save_record(record_file, record);
}

}  // namespace murokan
