#include "files/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace murokan {

namespace {

// One iconv conversion descriptor, closed on every path.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at an invalid or incomplete
    // sequence, leaving `in`/`left` at the offending byte.
    bool run(char*& in, size_t& left, std::string& out) {
        char buffer[256];
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            const size_t r = iconv(cd_, &in, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> UTF8からCP932(std::string_view utf8) {
    Converter conv("CP932", "UTF-8");
    if (!conv.ok()) return std::nullopt;
    std::string input(utf8);
    char* in = input.data();
    size_t left = input.size();
    std::string out;
    if (!conv.run(in, left, out)) return std::nullopt;
    return out;
}

std::string CP932からUTF8(std::string_view cp932) {
    std::string out;
    Converter conv("UTF-8", "CP932");
    std::string input(cp932);
    if (!conv.ok()) {  // no converter at all: keep the ASCII, mark the rest
        for (unsigned char c : input) out += c < 0x80 ? std::string(1, c) : "\xEF\xBF\xBD";
        return out;
    }
    char* in = input.data();
    size_t left = input.size();
    while (!conv.run(in, left, out)) {
        out += "\xEF\xBF\xBD";  // U+FFFD for the byte that starts no character
        ++in;
        --left;
    }
    return out;
}

std::string CP932往復形(std::string_view utf8) {
    const auto cp932 = UTF8からCP932(utf8);
    return cp932 ? CP932からUTF8(*cp932) : std::string(utf8);
}

}  // namespace murokan
