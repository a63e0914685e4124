// The ladder as the player meets it: the levels' ratings in the menu, the
// player's own record of games against the computer, and 成績, which shows
// that record and can clear it.
#include <optional>
#include <random>
#include <utility>

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

// One level's games as 成績 lists them.
platform::RecordRow results_row(int level, const LevelResults& s) {
    platform::RecordRow row{"LEVEL" + std::to_string(level), std::nullopt, s.wins, s.losses,
                            s.draws};
    if (level >= kFirstSearchLevel) row.rating = level_rating(level);
    return row;
}

// The whole record as 成績 shows it: every level's even games, then the
// levels that have handicap games.
platform::RecordView record_view(const PlayerRecord& r) {
    platform::RecordView view;
    view.title = kTitle;
    platform::RecordSection& even = view.sections.emplace_back();
    for (int level = 1; level <= kLastLevel; ++level)
        even.rows.push_back(results_row(level, r.even[level]));
    platform::RecordSection handicap{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ戦", {}};
    for (int level = 1; level <= kLastLevel; ++level) {
        if (r.handicap[level].games() != 0)
            handicap.rows.push_back(results_row(level, r.handicap[level]));
    }
    if (!handicap.rows.empty()) view.sections.push_back(std::move(handicap));
    view.rating_line = "あなたのﾚｰﾃｨﾝｸﾞ  R " + std::to_string(estimate_rating(r));
    view.next_line = "次のおすすめ  LEVEL" + std::to_string(suggested_level(r));
    return view;
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
    pf.dialogs.recordBox(record_view(record), [this](platform::RecordView& shown) {
        if (!pf.dialogs.askYesNo(kTitle, "成績をすべて消去します。よろしいですか？",
                                 platform::Icon::Exclamation)) {
            return false;
        }
        record = PlayerRecord{};
        save_record(record_file, record);
        shown = record_view(record);
        return true;
    });
}

}  // namespace murokan
