#include "game/player_record.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

namespace murokan {

namespace {

// A record file larger than this was not written by the game.
constexpr std::uintmax_t kMaxRecordBytes = 16 * 1024;
// More games than anyone plays; a larger count is damage.
constexpr long kMaxGames = 1'000'000;

// The score a player of rating `player` expects against rating `level`.
double expected(double player, double level) {
    return 1.0 / (1.0 + std::pow(10.0, (level - player) / 400.0));
}

// One "even|handicap L W X D" line, or false.
bool parse_line(const std::string& line, PlayerRecord& r) {
    std::istringstream in(line);
    std::string kind, extra;
    long level = 0, w = 0, l = 0, d = 0;
    if (!(in >> kind >> level >> w >> l >> d) || (in >> extra)) return false;
    if (kind != "even" && kind != "handicap") return false;
    if (level < 1 || level > kLastLevel) return false;
    for (long v : {w, l, d})
        if (v < 0 || v > kMaxGames) return false;
    LevelResults& slot = kind == "even" ? r.even[level] : r.handicap[level];
    slot = LevelResults{static_cast<int>(w), static_cast<int>(l), static_cast<int>(d)};
    return true;
}

}  // namespace

void count_game(PlayerRecord& r, int level, bool handicap, GameOutcome outcome) {
    if (level < 1 || level > kLastLevel) return;
    LevelResults& slot = handicap ? r.handicap[level] : r.even[level];
    int& count = outcome == GameOutcome::win    ? slot.wins
                 : outcome == GameOutcome::loss ? slot.losses
                                                : slot.draws;
    if (count < kMaxGames) ++count;
}

std::string format_record(const PlayerRecord& r) {
    std::string out;
    char line[96];
    for (const char* kind : {"even", "handicap"}) {
        const auto& table = kind[0] == 'e' ? r.even : r.handicap;
        for (int level = 1; level <= kLastLevel; ++level) {
            const LevelResults& s = table[level];
            if (s.games() == 0) continue;
            std::snprintf(line, sizeof line, "%s %d %d %d %d\n", kind, level, s.wins, s.losses,
                          s.draws);
            out += line;
        }
    }
    return out;
}

PlayerRecord parse_record(std::string_view text) {
    PlayerRecord r;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        parse_line(line, r);
    }
    return r;
}

PlayerRecord load_record(const std::filesystem::path& file) {
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec) ||
        std::filesystem::file_size(file, ec) > kMaxRecordBytes || ec) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return parse_record(text.str());
}

bool save_record(const std::filesystem::path& file, const PlayerRecord& r) {
    if (file.empty()) return false;
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    std::filesystem::path temp = file;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << format_record(r);
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temp, file, ec);
    return !ec;
}

int estimate_rating(const PlayerRecord& r) {
    // The sum of (score - expected score) falls as the rating rises: halve
    // the interval until it is within a point of its root.
    auto surplus = [&r](double rating) {
        double s = 0;
        for (int level = 1; level <= kLastLevel; ++level) {
            const LevelResults& g = r.even[level];
            if (g.games() == 0) continue;
            const double e = expected(rating, level_rating(level));
            s += g.wins + 0.5 * g.draws + 0.5 - (g.games() + 1) * e;
        }
        return s;
    };
    bool any = false;
    for (int level = 1; level <= kLastLevel; ++level) any = any || r.even[level].games() > 0;
    if (!any) return level_rating(1);
    double lo = -2000, hi = 6000;
    while (hi - lo > 1) {
        const double mid = (lo + hi) / 2;
        (surplus(mid) > 0 ? lo : hi) = mid;
    }
    return static_cast<int>(std::lround((lo + hi) / 2));
}

int suggested_level(const PlayerRecord& r) {
    const int rating = estimate_rating(r);
    for (int level = 1; level <= kLastLevel; ++level) {
        const LevelResults& g = r.even[level];
        const double score = g.games() > 0 ? (g.wins + 0.5 * g.draws) / g.games()
                                           : expected(rating, level_rating(level));
        if (score < 0.6) return level;
    }
    return kLastLevel;
}

}  // namespace murokan
