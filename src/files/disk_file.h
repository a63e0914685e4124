// The disk side of the game's small files (records, the settings file):
// reading one without ever waiting on something that is not a file, and
// writing one so that a failure never costs the player what was there before.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace murokan {

// At most `limit` bytes from the start of the regular file at `path`. nullopt
// when it cannot be opened or read, or is not a regular file: a FIFO, a device
// or a folder is refused at once, never waited on. A caller that refuses large
// files asks for one byte more than it accepts.
std::optional<std::string> 読込_通常ファイル(const std::filesystem::path& path, std::size_t limit);

// Creates or empties the file at `path` and writes `bytes` to it; false on any
// error. Opening never waits for a FIFO's reader.
bool 書込_ファイル(const std::filesystem::path& path, std::string_view bytes);

// Replaces the file at `path` with `bytes` as one step: the bytes go to a
// fresh file of a short name in the same folder, which is renamed over the
// old one only once it is complete and on disk. False, with the old file
// untouched, when any step fails or when the old file is something its user
// may not write or is not a regular file.
//  - A symbolic link stays a link: the file it leads to is replaced, in that
//    file's own folder.
//  - The old file's permission bits carry over to the new one.
//  - A file with other hard links is split off from them: the other names keep
//    the old contents. Writing in place would keep the links but could leave
//    a half-written record when the disk fills up; the player's data wins.
bool 置換_ファイル(const std::filesystem::path& path, std::string_view bytes);

}  // namespace murokan
