#include "settings/settings_file.h"

#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "core/constants.h"
#include "record/cp932.h"

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

// The fixed texts are UTF-8 in the source and always have a CP932 form.
std::string sjis(std::string_view utf8) {
    return UTF8からCP932(utf8).value_or(std::string());
}

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

std::optional<Line> recognise(std::string_view key, std::string_view value) {
    if (key == sjis("背景画")) {
        for (const Background& b : BACKGROUNDS) {
            if (value == sjis(b.name)) return Line{Key::背景画, b.code};
        }
        return std::nullopt;
    }
    const int on = value == "ON" ? 1 : 0;
    if (key == sjis("移動指導")) return Line{Key::移動指導, on};
    if (key == sjis("経過時間")) return Line{Key::経過時間, on};
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
            out += sjis("背景画=") + sjis(b.name) + "\r\n";
            break;
        }
    }
    out += sjis("移動指導=") + std::string(on_off(v.shidou)) + "\r\n";
    out += sjis("経過時間=") + std::string(on_off(v.keika)) + "\r\n";
    out += "BGM=" + std::string(on_off(v.bgm)) + "\r\n";
    return out;
}

ReadResult parse(std::string_view cp932) {
    ReadResult result;
    // '=' (0x3D) is never the second byte of a CP932 character, so a byte search
    // finds the real separator.
    for (std::string_view line : split_lines(cp932)) {
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
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return ReadResult{{}, true};
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadResult{{}, true};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return ReadResult{{}, true};
    return parse(bytes.str());
}

bool write(const std::filesystem::path& path, const Values& v) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string text = contents(v);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace murokan::settings
