// The settings file "Murokan.ini": four options, one "key=value" line each, in
// CP932 with CR LF line ends. These functions only read and write the file;
// applying what was read to the menus, the screen and the music is Form1's job.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace murokan::settings {

// The file name, opened by its bare name in the current directory.
inline constexpr std::string_view FILE_NAME = "Murokan.ini";
// Four short lines need far less; a larger file is read as broken, unread.
inline constexpr std::size_t MAX_BYTES = 64 * 1024;

// The options as the file stores them (the menu check marks).
struct Values {
    int haikei = 0;       // background code 5..9 of the ticked item; 0 when none is ticked
    bool shidou = false;  // 移動指導
    bool keika = false;   // 経過時間
    bool bgm = false;     // BGM
    bool operator==(const Values&) const = default;
};

// 緑, guidance off, elapsed time on, music on.
Values defaults();

enum class Key { 背景画, 移動指導, 経過時間, BGM };

// One recognised line. For 背景画 `value` is the background code 5..9; for the
// other keys it is 1 for "ON" and 0 for any other value.
struct Line {
    Key key;
    int value;
    bool operator==(const Line&) const = default;
};

// What reading gave: the recognised lines in file order (a later line for the
// same key must win, so they are applied in order), and whether the reading
// broke, in which case the defaults are to be written and applied after them.
struct ReadResult {
    std::vector<Line> lines;
    bool failed = false;
};

// The file contents for `v`: the 背景画 line (absent when no background is
// ticked), then 移動指導, 経過時間 and BGM, each line ending in CR LF.
std::string contents(const Values& v);

// Reads file contents. A line without "=" (an empty line included) breaks the
// reading: the lines before it are kept and `failed` is set. Lines with an
// unknown key, or a 背景画 value outside the five names, are skipped.
ReadResult parse(std::string_view cp932);

// Reads the file at `path`. Gives `failed` for a file that cannot be opened or
// read, is larger than MAX_BYTES, or is not a regular file (a FIFO is refused
// at once, never waited on).
ReadResult read(const std::filesystem::path& path);

// Replaces the file at `path` with contents(v). False on any error, and at
// once for a FIFO that nobody reads.
bool write(const std::filesystem::path& path, const Values& v);

}  // namespace murokan::settings
