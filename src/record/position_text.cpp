// Reading and writing positions and games as text.
#include "record/position_text.h"

#include <algorithm>
#include <cstdint>

#include "core/sfen.h"
#include "record/paste_messages.h"
#include "record/position_check.h"

namespace murokan {

namespace {

namespace 文言 = 貼付文言;

// True when `text` is UTF-8 holding no control character but tab, CR and LF
// (C1 controls and DEL included); clipboard text holding anything else is
// binary data, not something a player typed or copied.
bool is_plain_text(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        if (b < 0x80) {
            if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7f) return false;
            ++i;
            continue;
        }
        const int extra = b >= 0xc2 && b <= 0xdf ? 1 : b >= 0xe0 && b <= 0xef ? 2
                                                     : b >= 0xf0 && b <= 0xf4 ? 3
                                                                              : -1;
        if (extra < 0 || i + extra >= text.size()) return false;
        std::uint32_t cp = b & (0x3f >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<std::uint8_t>(text[i + k]);
            if ((c & 0xc0) != 0x80) return false;
            cp = cp << 6 | (c & 0x3f);
        }
        static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[extra] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return false;
        if (cp >= 0x80 && cp <= 0x9f) return false;
        i += extra + 1;
    }
    return true;
}

// The space-separated words of a line.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const size_t end = std::min(line.find(' ', i), line.size());
        out.push_back(line.substr(i, end - i));
        i = end;
    }
    return out;
}

// The non-blank lines of the text, tabs turned into spaces, ends trimmed.
std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i <= text.size()) {
        const size_t end = std::min(text.find('\n', i), text.size());
        std::string line(text.substr(i, end - i));
        for (char& c : line) {
            if (c == '\t' || c == '\r') c = ' ';
        }
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos) {
            out.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
        }
        i = end + 1;
    }
    return out;
}

// Reads an SFEN (its fields given as words) into a fresh state. False when
// the text cannot be read; the checks of a sound position come later.
bool read_sfen(std::span<const std::string_view> fields, GameState& g) {
    std::string joined;
    for (const std::string_view f : fields) joined.append(f).push_back(' ');
    g = GameState{};
    return parse_sfen(joined, g) == nullptr;
}

// An SFEN line, perhaps after the word "sfen", read as read_sfen reads it.
bool read_sfen_line(std::string_view line, GameState& g) {
    const std::vector<std::string_view> w = words(line);
    std::span<const std::string_view> fields(w);
    if (!fields.empty() && fields.front() == "sfen") fields = fields.subspan(1);
    return read_sfen(fields, g);
}

// The whole of one SFEN line, checked as a position to start from.
貼付結果 read_position(std::string_view line) {
    貼付結果 r;
    GameState g;
    if (!read_sfen_line(line, g)) {
        r.message = 文言::局面読めず;
        return r;
    }
    r.message = 調査_局面(g);
    r.start = g;
    return r;
}

// A move's text as a message quotes it: whole when short, else its first
// twelve bytes cut at a character boundary and "…", so that a paste of one
// long word cannot fill the message box.
std::string quoted(std::string_view word) {
    if (word.size() <= 12) return std::string(word);
    size_t cut = 12;
    while (cut > 0 && (static_cast<std::uint8_t>(word[cut]) & 0xc0) == 0x80) --cut;
    return std::string(word.substr(0, cut)) + "…";
}

// A "position …" line: the start is checked, every move read and played.
貼付結果 read_game(std::string_view line) {
    貼付結果 r;
    const std::vector<std::string_view> w = words(line);
    size_t moves_at = 2;
    GameState g;
    if (w.size() >= 2 && w[1] == "startpos") {
        read_sfen(words(kStartSfen), g);
    } else if (w.size() >= 2 && w[1] == "sfen") {
        while (moves_at < w.size() && w[moves_at] != "moves") ++moves_at;
        if (!read_sfen(std::span(w).subspan(2, moves_at - 2), g)) {
            r.message = 文言::局面読めず;
            return r;
        }
    } else {
        r.message = 文言::形式不明;
        return r;
    }
    if (moves_at < w.size() && w[moves_at] != "moves") {
        r.message = 文言::形式不明;
        return r;
    }
    r.message = 調査_局面(g);
    if (!r.ok()) return r;
    r.start = g;

    const size_t first = moves_at + 1;
    if (first < w.size() && w.size() - first > static_cast<size_t>(MAX_KIFU)) {
        r.message = 文言::手数超過;
        return r;
    }
    for (size_t i = first; i < w.size(); ++i) {
        const std::string number = std::to_string(i - first + 1);
        if (g.shuukyoku != 0) {
            r.message = number + std::string(文言::王取られ);
            return r;
        }
        Move m;
        if (parse_usi_move(w[i], g, m) != nullptr) {
            r.message = number + "手目の " + quoted(w[i]) + std::string(文言::手読めず);
            return r;
        }
        if (!is_legal_move(g, m)) {
            r.message = number + "手目の " + std::string(w[i]) + std::string(文言::手不正);
            return r;
        }
        play_move(g, m);
        r.moves.push_back(m);
        r.positions.push_back(g);
    }
    return r;
}

// True when the line is a game: its first word is "position".
bool is_game_line(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    return !w.empty() && w.front() == "position";
}

// True when two positions hold the same board, hands and side to move.
bool same_position(const Position& a, const Position& b) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (a.ban[x][y] != b.ban[x][y]) return false;
        }
    }
    for (int k = 1; k <= 7; ++k) {
        if (a.mochi_ji[k] != b.mochi_ji[k] || a.mochi_teki[k] != b.mochi_teki[k]) return false;
    }
    return (a.teban == a.ji_teban) == (b.teban == b.ji_teban) &&
           (a.teban == TEBAN_NASHI) == (b.teban == TEBAN_NASHI);
}

// A refusal with nothing but its message.
貼付結果 refused(std::string_view message) {
    貼付結果 r;
    r.message = message;
    return r;
}

// The reading proper; a refusal may still carry what was read before it.
貼付結果 read_text(std::string_view text) {
    if (text.size() > kPasteMaxBytes) return refused(文言::大きすぎ);
    if (!is_plain_text(text)) return refused(文言::文字以外);
    const std::vector<std::string> l = lines(text);
    if (l.empty()) return refused(文言::データなし);
    if (l.size() == 1) return is_game_line(l[0]) ? read_game(l[0]) : read_position(l[0]);
    if (l.size() > 2 || is_game_line(l[0]) == is_game_line(l[1])) return refused(文言::形式不明);

    // The two lines of コピー: the game line carries the history, so it wins;
    // the SFEN line only has to name the position the game ends in, for text
    // edited by hand to be caught rather than half believed. The SFEN line is
    // not checked on its own: a game that ended has lost a king.
    const bool game_first = is_game_line(l[0]);
    貼付結果 game = read_game(l[game_first ? 0 : 1]);
    if (!game.ok()) return game;
    GameState shown;
    if (!read_sfen_line(l[game_first ? 1 : 0], shown)) return refused(文言::局面読めず);
    if (!same_position(shown, game.last())) return refused(文言::不一致);
    return game;
}

}  // namespace

貼付結果 読込_貼付文字列(std::string_view text) {
    貼付結果 r = read_text(text);
    // A refusal carries its message alone, so that no caller can use half a game.
    return r.ok() ? r : refused(r.message);
}

std::string 作成_コピー文字列(const Position& start, std::span<const Move> moves) {
    GameState g;
    static_cast<Position&>(g) = start;
    const bool from_start = format_sfen(g) == kStartSfen;
    std::string game = from_start ? "position startpos" : "position sfen " + format_sfen(g);
    int played = 0;
    for (const Move& m : moves) {
        if (played == MAX_KIFU || g.shuukyoku != 0 || !is_legal_move(g, m)) break;
        game += played == 0 ? " moves " : " ";
        game += format_usi_move(m);
        play_move(g, m);
        ++played;
    }
    g.tesuu = played;
    return format_sfen(g) + "\n" + game + "\n";
}

}  // namespace murokan
