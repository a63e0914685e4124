#include "settings/settings_file.h"

#include <array>
#include <optional>

#include "core/constants.h"
#include "files/cp932.h"
#include "files/disk_file.h"

namespace murokan::settings {

namespace {

struct Background {
    int code;
    std::string_view name;
};

// In the order the writer looks for the first ticked item.
constexpr std::array<Background, 5> BACKGROUNDS{{
    {HAIKEI_MIDORI, "緑"},
    {HAIKEI_TAKE, "竹"},
    {HAIKEI_TATAMI, "畳"},
    {HAIKEI_UCHU, "宇宙"},
    {HAIKEI_RENGA, "煉瓦"},
}};

std::string_view on_off(bool on) {
    return on ? "ON" : "OFF";
}

// Splits at CR LF; a lone CR or LF also ends a line. A final line end does not
// start another (empty) line.
std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

// `key` and `value` are UTF-8, converted from the file's CP932 beforehand.
std::optional<Line> recognise(std::string_view key, std::string_view value) {
    if (key == "背景画") {
        for (const Background& b : BACKGROUNDS) {
            if (value == b.name) return Line{Key::背景画, b.code};
        }
        return std::nullopt;
    }
    const int on = value == "ON" ? 1 : 0;
    if (key == "移動指導") return Line{Key::移動指導, on};
    if (key == "経過時間") return Line{Key::経過時間, on};
    if (key == "BGM") return Line{Key::BGM, on};
    return std::nullopt;
}

}  // namespace

Values defaults() {
    return Values{HAIKEI_MIDORI, false, true, true};
}

std::string contents(const Values& v) {
    std::string out;
    for (const Background& b : BACKGROUNDS) {
        if (b.code == v.haikei) {
            out += "背景画=" + std::string(b.name) + "\r\n";
            break;
        }
    }
    out += "移動指導=" + std::string(on_off(v.shidou)) + "\r\n";
    out += "経過時間=" + std::string(on_off(v.keika)) + "\r\n";
    out += "BGM=" + std::string(on_off(v.bgm)) + "\r\n";
    // The fixed texts always have a CP932 form.
    return UTF8からCP932(out).value_or(std::string());
}

ReadResult parse(std::string_view cp932) {
    ReadResult result;
    // The whole text in one conversion; a byte that starts no character
    // becomes U+FFFD and so can match no key or value.
    const std::string text = CP932からUTF8(cp932);
    for (std::string_view line : split_lines(text)) {
        const size_t p = line.find('=');
        if (p == std::string_view::npos) {
            result.failed = true;
            return result;
        }
        if (auto l = recognise(line.substr(0, p), line.substr(p + 1))) result.lines.push_back(*l);
    }
    return result;
}

ReadResult read(const std::filesystem::path& path) {
    const auto bytes = 読込_通常ファイル(path, MAX_BYTES + 1);
    if (!bytes || bytes->size() > MAX_BYTES) return ReadResult{{}, true};
    return parse(*bytes);
}

bool write(const std::filesystem::path& path, const Values& v) {
    return 書込_ファイル(path, contents(v));
}

}  // namespace murokan::settings
