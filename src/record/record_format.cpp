#include "record/record_format.h"

#include <cmath>
#include <cstdlib>

#include "files/cp932.h"

namespace murokan {

namespace {

constexpr int 盤欄幅 = 3;
constexpr int 時間欄幅 = 5;
constexpr std::string_view 改行 = "\r\n";

void 右寄せ(std::string& line, long long value, int width) {
    const std::string digits = std::to_string(value);
    line.append(static_cast<size_t>(width) - digits.size(), ' ');
    line += digits;
}

long long 秒(float t) {
    if (!(t > 0)) return 0;  // negative, zero or not a number
    if (t >= static_cast<float>(時間_最大)) return 時間_最大;
    return static_cast<long long>(std::trunc(t));
}

std::optional<char> 持駒文字(int count) {
    if (count < 0 || count > 持駒_最大) return std::nullopt;
    return static_cast<char>(count < 10 ? '0' + count : 'A' + (count - 10));
}

// The field of `width` characters at `pos` (0-based); shorter or empty beyond
// the end of the line.
std::string_view 欄(std::string_view line, size_t pos, size_t width) {
    if (pos >= line.size()) return {};
    return line.substr(pos, width);
}

bool 空白(char c) {
    return c == ' ' || c == '\t';
}

bool 空白行(std::string_view line) {
    for (char c : line) {
        if (!空白(c)) return false;
    }
    return true;
}

// A number field: blanks, then an optional minus (when allowed) and digits,
// then blanks. All blanks (or nothing) reads as 0.
std::optional<int> 数値欄(std::string_view f, bool sign_allowed) {
    size_t i = 0;
    while (i < f.size() && 空白(f[i])) ++i;
    if (i == f.size()) return 0;
    bool negative = false;
    if (sign_allowed && f[i] == '-') {
        negative = true;
        ++i;
    }
    const size_t first_digit = i;
    int value = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') value = value * 10 + (f[i++] - '0');
    if (i == first_digit) return std::nullopt;
    while (i < f.size() && 空白(f[i])) ++i;
    if (i != f.size()) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> 持駒欄(std::string_view f) {
    if (f.empty() || 空白(f[0])) return 0;
    const char c = f[0];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'A' + (持駒_最大 - 10)) return 10 + (c - 'A');
    return std::nullopt;
}

std::string 行目メッセージ(int line_number, std::string_view suffix) {
    return std::string("棋譜ﾌｧｲﾙの") + std::to_string(line_number) + "行目" + std::string(suffix);
}

std::string_view 行エラー文言(行エラー e) {
    switch (e) {
        case 行エラー::駒:
            return 棋譜文言::行目_駒;
        case 行エラー::持駒:
            return 棋譜文言::行目_持駒;
        case 行エラー::時間:
            return 棋譜文言::行目_時間;
        case 行エラー::王:
            return 棋譜文言::行目_王;
        case 行エラー::なし:
            break;
    }
    return {};
}

棋譜メッセージ 読込拒否(std::string text) {
    return {std::string(棋譜文言::題_棋譜), std::move(text), 棋譜アイコン::Exclamation};
}

}  // namespace

std::optional<std::string> 作成_棋譜行(const History& h, int n) {
    if (n < 0 || n > MAX_KIFU) return std::nullopt;
    std::string line;
    line.reserve(棋譜行_長さ);
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            const int code = h.kifu_ban[n][x][y];
            if (!調査_有効駒コード(code)) return std::nullopt;
            右寄せ(line, code, 盤欄幅);
        }
    }
    for (int k = 1; k <= 7; ++k) {
        const auto ji = 持駒文字(h.kifu_mochi_ji[n][k]);
        const auto teki = 持駒文字(h.kifu_mochi_teki[n][k]);
        if (!ji || !teki) return std::nullopt;
        line += *ji;
        line += *teki;
    }
    for (float t : {h.kifu_ji_mae[n], h.kifu_ji_ato[n], h.kifu_teki_mae[n], h.kifu_teki_ato[n]}) {
        右寄せ(line, 秒(t), 時間欄幅);
    }
    return line;
}

行エラー 解析_棋譜行(std::string_view line, 棋譜局面& out) {
    size_t pos = 0;
    int kings_top = 0;
    int kings_bottom = 0;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            const auto v = 数値欄(欄(line, pos, 盤欄幅), true);
            if (!v || !調査_有効駒コード(*v)) return 行エラー::駒;
            out.ban[x][y] = *v;
            kings_top += *v == OU;
            kings_bottom += *v == -OU;
            pos += 盤欄幅;
        }
    }
    if (kings_top > 1 || kings_bottom > 1) return 行エラー::王;
    for (int k = 1; k <= 7; ++k) {
        const auto ji = 持駒欄(欄(line, pos++, 1));
        const auto teki = 持駒欄(欄(line, pos++, 1));
        if (!ji || !teki) return 行エラー::持駒;
        out.mochi_ji[k] = *ji;
        out.mochi_teki[k] = *teki;
    }
    float* times[] = {&out.ji_mae, &out.ji_ato, &out.teki_mae, &out.teki_ato};
    for (float* t : times) {
        const auto v = 数値欄(欄(line, pos, 時間欄幅), false);
        if (!v) return 行エラー::時間;
        *t = static_cast<float>(*v);
        pos += 時間欄幅;
    }
    return 行エラー::なし;
}

std::optional<std::string> 作成_棋譜ファイル(const History& h, int last,
                                             const std::array<std::string, 3>& cp932_headers) {
    if (last > MAX_KIFU) return std::nullopt;
    std::string file;
    file.reserve(static_cast<size_t>(last > 0 ? last : 0) * (棋譜行_長さ + 2) + 256);
    for (const std::string& header : cp932_headers) {
        file += header;
        file += 改行;
    }
    for (int n = 1; n <= last; ++n) {
        const auto line = 作成_棋譜行(h, n);
        if (!line) return std::nullopt;
        file += *line;
        file += 改行;
    }
    return file;
}

棋譜解析結果 解析_棋譜(std::string_view bytes) {
    棋譜解析結果 result;
    if (bytes.size() > 棋譜_最大バイト数) {
        result.拒否 = 読込拒否(std::string(棋譜文言::大きすぎ));
        return result;
    }
    size_t pos = 0;
    int line_number = 0;
    // The first blank line since the last entry line; 0 when there is none.
    // Blank lines an editor leaves at the end are no entries; one with entries
    // after it is a damaged record.
    int blank_line = 0;
    while (pos < bytes.size()) {
        // One line, ended by CR LF, CR or LF (or the end of the file).
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        } else if (pos < bytes.size()) {
            ++pos;  // a lone LF
        }
        ++line_number;

        if (line_number <= 棋譜_見出し行数) {
            result.見出し[static_cast<size_t>(line_number - 1)] = CP932からUTF8(line);
            continue;
        }
        if (空白行(line)) {
            if (blank_line == 0) blank_line = line_number;
            continue;
        }
        if (blank_line != 0) {
            result.拒否 = 読込拒否(行目メッセージ(blank_line, 棋譜文言::行目_空白));
            result.局面.clear();
            return result;
        }
        if (static_cast<int>(result.局面.size()) >= MAX_KIFU) {
            result.拒否 = 読込拒否(std::string(棋譜文言::手数超過));
            result.局面.clear();
            return result;
        }
        棋譜局面& entry = result.局面.emplace_back();
        const 行エラー e = 解析_棋譜行(line, entry);
        if (e != 行エラー::なし) {
            result.拒否 = 読込拒否(行目メッセージ(line_number, 行エラー文言(e)));
            result.局面.clear();
            return result;
        }
    }
    return result;
}

}  // namespace murokan
